// Timer1 of the chart windows on the GLib main loop: a timeout re-armed at every tick for the next
// boundary of the interval on the wall clock, so that a 1000 ms timer ticks just after every change of
// the second. GLib counts a timeout on the monotonic clock: a jump of the wall clock (set by hand, or
// a resume from suspend, which the monotonic clock does not count) is caught up at the next tick.
#pragma once

#include <glib.h>

#include <functional>

#include "platform/clock.h"

class WallClockTimer {
public:
    explicit WallClockTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    ~WallClockTimer();
    WallClockTimer(const WallClockTimer&) = delete;
    WallClockTimer& operator=(const WallClockTimer&) = delete;

    void SetEnabled(bool enabled);
    void SetInterval(int milliseconds);  // an interval of 0 leaves the timer silent

    // Milliseconds from the wall-clock time nowMs to just after the next multiple of intervalMs
    // (DelayToNextTickMs).
    static int DelayToNextTick(gint64 nowMs, int intervalMs) { return DelayToNextTickMs(nowMs, intervalMs); }
    static constexpr int kTickMarginMs = ::kTickMarginMs;

private:
    void Arm();
    static gboolean OnTick(gpointer self);

    std::function<void()> onTick_;
    bool enabled_ = false;
    int interval_ = 0;
    guint source_ = 0;
};
