#include "platform/glib/wall_clock_timer.h"

WallClockTimer::~WallClockTimer() {
    if (source_ != 0) g_source_remove(source_);
}

void WallClockTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && source_ != 0) {
        g_source_remove(source_);
        source_ = 0;
    }
    if (enabled && source_ == 0) Arm();
}

void WallClockTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    if (enabled_) {
        if (source_ != 0) g_source_remove(source_);
        source_ = 0;
        Arm();
    }
}

void WallClockTimer::Arm() {
    if (interval_ <= 0) return;
    const int delay = DelayToNextTick(g_get_real_time() / 1000, interval_);
    source_ = g_timeout_add_full(G_PRIORITY_HIGH, static_cast<guint>(delay), OnTick, this, nullptr);
}

gboolean WallClockTimer::OnTick(gpointer self) {
    auto* t = static_cast<WallClockTimer*>(self);
    t->source_ = 0;
    if (!t->enabled_) return G_SOURCE_REMOVE;
    // Armed again first: a message box opened by this tick keeps the ticks coming, as on Windows.
    t->Arm();
    t->onTick_();
    return G_SOURCE_REMOVE;
}
