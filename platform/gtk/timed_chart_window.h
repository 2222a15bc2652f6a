// What the two Linux chart windows (the full-screen GTK one and hack mode's X11 one) do alike: they keep
// the handlers at Load, tick Timer1 on the wall clock through the GLib main loop, and unload once.
#pragma once

#include "platform/chart_window.h"
#include "platform/gtk/wall_clock_timer.h"

class TimedChartWindow : public ChartWindow {
public:
    void Load(ChartWindowEvents& events) override {
        events_ = &events;
        events.Form_Load();
    }
    // Once only: Timer1 stopped, then Form_Unload, which ends the process; should it come back,
    // AfterUnload.
    void Unload() override {
        if (unloading_) return;
        unloading_ = true;
        timer_.SetEnabled(false);
        int cancel = 0;
        if (events_ != nullptr) events_->Form_Unload(cancel);
        AfterUnload();
    }
    void SetTimerEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
    void SetTimerInterval(int milliseconds) override { timer_.SetInterval(milliseconds); }

protected:
    TimedChartWindow()
        : timer_([this] {
              BeforeTick();
              if (events_ != nullptr) events_->Timer1_Timer();
          }) {}
    virtual void AfterUnload() {}
    // Runs before every tick of Timer1 (the window's own once-a-second look at its surroundings).
    virtual void BeforeTick() {}

    ChartWindowEvents* events_ = nullptr;
    WallClockTimer timer_;
    bool unloading_ = false;
};
