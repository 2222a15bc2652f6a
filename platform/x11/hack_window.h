// Hack mode on X11: the chart drawn into a window that another program owns (the screen-saver daemon's
// window on one monitor, a settings program's preview) or into the root window. Xlib and cairo-xlib on
// the GLib main loop, without GTK: the daemon owns the window, its input and the idle state, so the
// hack needs no toolkit, and leaving GTK out keeps each of the daemon's hacks (one per monitor) small
// and quick to start.
#pragma once

#include <X11/Xlib.h>
#include <cairo.h>
#include <glib.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/cairo/cairo_surface.h"
#include "platform/cairo/freetype_font_registry.h"
#include "platform/chart_window.h"
#include "platform/glib/timed_chart_window.h"
#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "platform/pointer.h"
#include "platform/x11/x11_picture.h"

// The chart window of hack mode. It follows its window: an expose shows the last picture again (from
// the X server's pixmap, or the back buffer), a new size paints the chart at that size (letterboxed),
// and the window's destruction unloads the chart window (which ends the process). No input is
// selected: the daemon ends the hack.
class X11HackWindow : public TimedChartWindow {
public:
    explicit X11HackWindow(FreeTypeFontRegistry& fonts);
    ~X11HackWindow() override;
    X11HackWindow(const X11HackWindow&) = delete;
    X11HackWindow& operator=(const X11HackWindow&) = delete;

    // Connects to the X display and takes the window (0: the root window of the default screen).
    // False, with a line for standard error in error, when there is no display or no such window.
    bool Open(unsigned long window, std::string& error);
    // Runs after every paint of the shell, on the finished picture, before it is shown.
    void SetAfterPaint(std::function<void(Surface&)> afterPaint) { afterPaint_ = std::move(afterPaint); }
    // Runs the main loop; only Unload (which ends the process) leaves it.
    void Run();

    int32_t ScreenWidthTwips() override { return width_ * TwipsPerPixelX(); }
    int32_t TwipsPerPixelX() override;
    void SetSizeTwips(int32_t, int32_t) override {}  // the window's size is its owner's
    void SetLogicalSize(double width, double height) override { surface_.SetCoordinates(0, 0, width, height); }
    void ShowMaximized() override;
    Surface& PaintSurface() override;
    void PresentPaint() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // One event of the window: Expose, ConfigureNotify, DestroyNotify.
    void HandleEvent(const XEvent& e);

private:
    void FollowSize(int width, int height);
    void Show();
    void KeepInServer();

    Display* display_ = nullptr;
    Window window_ = 0;
    Visual* visual_ = nullptr;
    int width_ = 0, height_ = 0;
    cairo_surface_t* target_ = nullptr;  // the window, through cairo-xlib
    CairoWindowSurface surface_;
    // Where the window's visual takes the buffer's pixels, the X server keeps the finished picture and
    // the back buffer lives only while a paint draws it.
    std::unique_ptr<X11Picture> picture_;
    GSource* eventSource_ = nullptr;
    std::function<void(Surface&)> afterPaint_;
    bool shown_ = false;
    bool chartShown_ = false;
};

// Hack mode leaves the pointer alone (it is the daemon's): the display count is only counted.
class HackPointer : public Pointer {
public:
    int ShowCursor(bool show) override { return count_ += show ? 1 : -1; }

private:
    int count_ = 0;
};

// Hack mode has nobody to close a modal box. Each message is written once to standard error (as
// "kelo: <text>") and kept, so that the picture can show it.
class HackMessageBoxes : public MessageBoxes {
public:
    explicit HackMessageBoxes(std::FILE* log = stderr) : log_(log) {}
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    // The distinct messages so far, in the order they first came.
    const std::vector<std::string>& Texts() const { return texts_; }

private:
    std::FILE* log_;
    std::vector<std::string> texts_;
};

// Hack mode has no settings editor: its start-up never asks for one (its command line is never "/c").
class HackOptionsDialog : public OptionsDialog {
public:
    void ShowModal(OptionsDialogEvents&) override {}
    void Unload() override {}
    std::string ContentText() override { return {}; }
    void SetContentText(const std::string&) override {}
};
