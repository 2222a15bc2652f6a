// The chart window's form, KELO: its event handlers over the one ChartState and the platform.
//   Form_Load                       start-up (startup.cpp)
//   Timer1_Timer, Form_Paint,
//   Form_Resize                     the update cycle, the settings file watched while it runs, and the
//                                   picture (update_cycle.cpp)
//   Form_Click, Form_KeyPress,
//   Form_MouseMove, Form_Unload     input and the exit path (input_exit.cpp)
// The form keeps no data of its own: everything lives in ChartState.
#pragma once

#include <cstdint>
#include <iterator>
#include <string>

#include "platform/platform.h"
#include "core/chart_state.h"

inline const std::string kConfigureSwitch = "/c";
inline constexpr int kTimerIntervalMs = 1000;

// Window geometry by the screen width in pixels and the display's twips per pixel; the first row
// that matches wins (0 matches any value).
struct ScreenGeometry {
    int32_t screenWidth;     // pixels, 0 = any other width
    int32_t twipsPerPixel;   // 0 = any other value
    double logicalWidth;
    double logicalHeight;
    int32_t widthTwips;      // restored window size
    int32_t heightTwips;
};
inline constexpr ScreenGeometry kScreenGeometries[] = {
    /* 1 */ {640, 0, 640, 480, 9290, 7200},
    /* 2 */ {800, 12, 800, 600, 9225, 7200},
    /* 3 */ {800, 0, 800, 600, 11525, 8940},
    /* 4 */ {0, 15, 1024, 768, 14850, 11505},
    /* 5 */ {0, 0, 1024, 768, 11825, 9204},
};
static_assert(std::size(kScreenGeometries) == 5);

// The row for a screen of screenWidthTwips at twipsPerPixel (width in pixels rounded half to even).
const ScreenGeometry& ChooseScreenGeometry(int32_t screenWidthTwips, int32_t twipsPerPixel);

class KeloForm : public ChartWindowEvents {
public:
    KeloForm(ChartState& s, Platform& p) : s(s), p(p) {}

    void Form_Load() override;
    void Form_Paint() override;
    void Form_Resize() override;
    void Form_Click() override;
    void Form_KeyPress(int keyAscii) override;
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Form_Unload(int& cancel) override;
    void Timer1_Timer() override;

private:
    // What reading the settings file again came to: its values applied and the chart redrawn with
    // them; refused by a settings check (the running chart and values kept); or not read at all.
    enum class Reload { Applied, Refused, Unread };

    void OpenOptionsEditor();
    void RunUpdate();
    void UpdateChartShowingPointer(ChartState& chart);
    void FollowMinuteDrift();
    Reload ReloadSettings();
    void FollowPointerLine();
    void HidePointer();
    void RestorePointer();
    void EndScreenSaver();

    ChartState& s;
    Platform& p;
};
