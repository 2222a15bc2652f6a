// The update cycle of the chart window: the one-second tick, the paint and the resize handlers.
#include "core/numeric.h"
#include "render/drift.h"
#include "render/paint.h"
#include "core/setting_lines.h"
#include "settings/settings_watch.h"
#include "shell/chart_startup.h"
#include "shell/kelo_form.h"
#include "shell/update_chart.h"

// Timer1_Timer: once a second. A settings file written since its values were read is read again and
// the chart redrawn at once (ReloadSettings); in the tick whose time text shows the seconds "00", one
// chart update and then the paint handler, directly.
//   reads  the clock's time text, the settings file's stamp
//   writes the chart (UpdateChart), tickInProgress, tickMinute
// A settings message box of the update keeps delivering ticks while it is open; those ticks do
// nothing, so the boxes do not pile up one per minute behind each other.
// One minute is drawn once: a wall clock set back by less than a second just after an update (a time
// service stepping it) reads "00" again in the same minute, and that second tick does nothing. A
// minute that the clock reaches again (set back by hand, the hour repeated at the end of daylight
// saving) is another minute of Universal Time, and is drawn.
void KeloForm::Timer1_Timer() {
    if (s.tickInProgress != 0) return;
    const LocalDateTime now = p.clock.Now();
    const int64_t minute = UtcMinuteOf(now);
    const bool minuteMark = SecondsOfTimeText(p.clock.TimeText(now)) == "00" && minute != s.tickMinute;
    const bool written = SettingsFileWritten(s, FileStampOf(s.settingsFileName));
    if (!minuteMark && !written) return;
    if (minuteMark) s.tickMinute = minute;
    s.tickInProgress = 1;
    struct Done {
        ChartState& s;
        ~Done() { s.tickInProgress = 0; }
    } done{s};
    const Reload reload = written ? ReloadSettings() : Reload::Unread;
    if (reload == Reload::Unread && !minuteMark) return;
    if (reload != Reload::Applied && minuteMark) RunUpdate();
    Form_Paint();
}

namespace {

// The message boxes of the settings checks, with the pointer shown while one is open when start-up hid
// it: a box without a pointer makes the mouse seem dead. The display count is raised just enough to
// show the pointer and lowered by as much when the box closes.
class BoxesShowingPointer : public MessageBoxes {
public:
    BoxesShowingPointer(MessageBoxes& boxes, Pointer& pointer, bool hidden)
        : boxes(boxes), pointer(pointer), hidden(hidden) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        int raised = 0;
        if (hidden) {
            int count;
            do {
                count = pointer.ShowCursor(true);
                ++raised;
            } while (count < 0 && raised < kMaxRaise);
        }
        boxes.ShowMessage(text, title, icon);
        for (; raised > 0; --raised) pointer.ShowCursor(false);
    }

private:
    static constexpr int kMaxRaise = 64;  // start-up leaves the count at -1: one raise shows the pointer
    MessageBoxes& boxes;
    Pointer& pointer;
    bool hidden;
};

}  // namespace

// One chart update; chartComputed records that there is a chart to show. The picture's drift follows
// the minute whether or not the settings passed their checks: a chart left standing drifts too.
void KeloForm::RunUpdate() {
    UpdateChartShowingPointer(s);
    if (s.settingsError == 0) s.chartComputed = 1;
    FollowMinuteDrift();
}

// UpdateChart of the running state or of a copy of it, its message boxes with the pointer shown while
// one is open when start-up hid it.
void KeloForm::UpdateChartShowingPointer(ChartState& chart) {
    BoxesShowingPointer boxes(p.boxes, p.pointer, s.pointerHidden != 0 && IsExactly(s.settingValues[kPointerLine], 0));
    UpdateChart(chart, p.clock, boxes);
}

void KeloForm::FollowMinuteDrift() {
    const LocalDateTime now = p.clock.Now();
    SetPictureDrift(s, now.hour * 60 + now.minute);
}

// ReloadSettings: the settings file read again by start-up's own path (LoadChartSettings) into a copy
// of the running state, so that lines the file no longer has keep their running values as the reader
// keeps them, and one chart update of the present moment on it. When the update passes the settings
// checks the copy becomes the running state: the new values apply at once, the exit mode and the
// pointer among them (FollowPointerLine). When a check fails, its message is shown as at any update
// and the running chart and values stay (settingsError tells the picture's notice). A file that cannot
// be read changes nothing, and its stamp is not kept: the next tick tries again.
//   reads  the settings file, its stamp
//   writes on success the whole state from the copy; settingsStamp*, settingsError, chartComputed
KeloForm::Reload KeloForm::ReloadSettings() {
    const std::optional<FileStamp> stamp = FileStampOf(s.settingsFileName);
    ChartState next = s;
    if (!LoadChartSettings(next)) return Reload::Unread;
    UpdateChartShowingPointer(next);
    KeepSettingsStamp(s, stamp);
    if (next.settingsError != 0) {
        s.settingsError = 1;
        return Reload::Refused;
    }
    KeepSettingsStamp(next, stamp);
    next.chartComputed = 1;
    s = std::move(next);
    FollowPointerLine();
    FollowMinuteDrift();
    return Reload::Applied;
}

// Form_Paint: the whole picture from the data of the last good update, then shown on the screen.
// Before the first good update (the settings failed their checks at start-up) there is no chart to
// show: the window shows only its background colour, not a wheel of bodies all at 0 degrees.
void KeloForm::Form_Paint() {
    Surface& surface = p.window.PaintSurface();
    if (s.chartComputed != 0) {
        PaintChart(s, surface);
    } else {
        surface.SetBackColor(Palette(Round16(s.settingValues[kBackgroundColourLine])));
        surface.Clear();
    }
    p.window.PresentPaint();
}

// Form_Resize: the scale of the picture from the window's present logical size.
void KeloForm::Form_Resize() { ResizeChart(s, p.window.PaintSurface()); }
