// Timer1 of the chart windows on the GLib main loop: a timeout re-armed at every tick for the next
// boundary of the interval on the wall clock, so that a 1000 ms timer ticks just after every change of
// the second.
#pragma once

#include <glib.h>

#include <functional>

class WallClockTimer {
public:
    explicit WallClockTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    ~WallClockTimer();
    WallClockTimer(const WallClockTimer&) = delete;
    WallClockTimer& operator=(const WallClockTimer&) = delete;

    void SetEnabled(bool enabled);
    void SetInterval(int milliseconds);  // an interval of 0 leaves the timer silent

    // Milliseconds from the wall-clock time nowMs to just after the next multiple of intervalMs.
    static int DelayToNextTick(gint64 nowMs, int intervalMs);
    // A tick lands this long after the second changes, so that the clock already reads the new second
    // even where it is read from a coarser clock than the timer runs on.
    static constexpr int kTickMarginMs = 50;

private:
    void Arm();
    static gboolean OnTick(gpointer self);

    std::function<void()> onTick_;
    bool enabled_ = false;
    int interval_ = 0;
    guint source_ = 0;
};
