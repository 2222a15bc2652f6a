// Fakes of the platform interfaces for the tests of the shell and the settings editor. They record
// what the program asked of them; FakeProcess::End throws ProcessEnded, so that nothing after the end
// of the process runs, as on a real platform.
#pragma once

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/fake/fake_surface.h"
#include "platform/platform.h"

struct ProcessEnded {
    int status;
};

// The program's files beside the program unless a test names others.
class FakeProcess : public Process {
public:
    std::string programDir = "/opt/kelo";
    std::string settingsFileName;  // empty: KELO.INI beside the program
    std::string glyphFontPath;     // empty: glypha.ttf beside the program
    std::string ProgramDir() override { return programDir; }
    std::string SettingsFileName() override { return Beside(settingsFileName, "KELO.INI"); }
    std::string GlyphFontPath() override { return Beside(glyphFontPath, "glypha.ttf"); }
    [[noreturn]] void End(int status) override { throw ProcessEnded{status}; }

private:
    std::string Beside(const std::string& named, const char* leaf) const {
        return named.empty() ? (std::filesystem::path(programDir) / leaf).string() : named;
    }
};

class FakeChartWindow : public ChartWindow {
public:
    int32_t screenWidthTwips = 1024 * 15;
    int32_t twipsPerPixel = 15;

    bool timerEnabled = true;  // as the form designer leaves it, until start-up stops it
    int timerInterval = 0;
    int32_t widthTwips = 0, heightTwips = 0;
    double logicalWidth = 0, logicalHeight = 0;
    bool shown = false;
    bool unloaded = false;
    int presents = 0;
    std::vector<std::string> calls;  // in order: "size", "logical", "show", "timer on", "timer off"
    FakeSurface surface;
    ChartWindowEvents* events = nullptr;

    void Load(ChartWindowEvents& e) override {
        events = &e;
        e.Form_Load();
    }
    void Unload() override {
        unloaded = true;
        int cancel = 0;
        events->Form_Unload(cancel);
    }
    void SetTimerEnabled(bool enabled) override {
        timerEnabled = enabled;
        calls.push_back(enabled ? "timer on" : "timer off");
    }
    void SetTimerInterval(int ms) override { timerInterval = ms; }
    int32_t ScreenWidthTwips() override { return screenWidthTwips; }
    int32_t TwipsPerPixelX() override { return twipsPerPixel; }
    void SetSizeTwips(int32_t w, int32_t h) override {
        widthTwips = w;
        heightTwips = h;
        calls.push_back("size");
    }
    void SetLogicalSize(double w, double h) override {
        logicalWidth = w;
        logicalHeight = h;
        surface.SetCoordinates(0, 0, w, h);
        calls.push_back("logical");
    }
    void ShowMaximized() override {
        shown = true;
        calls.push_back("show");
    }
    Surface& PaintSurface() override { return surface; }
    void PresentPaint() override { ++presents; }
    double pointerRestDistance = 0;
    double PointerRestDistance() override { return pointerRestDistance; }
};

// The modal dialog: ShowModal loads the form, then plays the user's part (script) and returns when
// the form has unloaded itself or the script is over (the window's close box).
class FakeOptionsDialog : public OptionsDialog {
public:
    std::string text;
    int shows = 0;
    bool unloaded = false;
    std::function<void(FakeOptionsDialog&, OptionsDialogEvents&)> script;

    void ShowModal(OptionsDialogEvents& events) override {
        ++shows;
        unloaded = false;
        events.Form_Load();
        if (script) script(*this, events);
    }
    void Unload() override { unloaded = true; }
    std::string ContentText() override { return text; }
    void SetContentText(const std::string& t) override { text = t; }

    // The form, when form is set: each field's text or choice, its problem and whether it is enabled.
    bool form = false;
    std::map<int, std::string> texts;
    std::map<int, int> choices;
    std::map<int, std::string> problems;
    std::map<int, bool> enabled;
    std::string summary;
    std::string previewFont;
    int previewRefreshes = 0;
    int discardQuestions = 0;
    bool discardAnswer = true;
    std::string lastQuestion;

    bool HasForm() const override { return form; }
    void UsePreviewFont(const std::string& path) override { previewFont = path; }
    void SetFieldText(int field, const std::string& text) override { texts[field] = text; }
    void SetFieldChoice(int field, int choice) override { choices[field] = choice; }
    std::string FieldText(int field) override { return texts[field]; }
    int FieldChoice(int field) override { return choices[field]; }
    void SetFieldEnabled(int field, bool on, const std::string&) override { enabled[field] = on; }
    void SetFieldProblem(int field, const std::string& message) override { problems[field] = message; }
    void SetProblemSummary(const std::string& text) override { summary = text; }
    void RefreshPreview() override { ++previewRefreshes; }
    std::vector<std::string> cities;
    void ShowCities(const std::vector<std::string>& names) override { cities = names; }
    bool AskYesNo(const std::string& question) override {
        lastQuestion = question;
        ++discardQuestions;
        return discardAnswer;
    }
};

class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text, title;
        MessageIcon icon;
    };
    std::vector<Shown> shown;
    // Runs while a box is open, as a modal loop that keeps delivering messages would.
    std::function<void()> whileOpen;

    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        shown.push_back({text, title, icon});
        if (whileOpen) whileOpen();
    }
};

class FakePointer : public Pointer {
public:
    int count = 0;
    int calls = 0;
    int ShowCursor(bool show) override {
        ++calls;
        count += show ? 1 : -1;
        return count;
    }
};

class FakeFontRegistry : public FontRegistry {
public:
    std::vector<std::string> added, removed;
    int AddFontResourceA(const std::string& path) override {
        added.push_back(path);
        return 1;
    }
    int RemoveFontResourceA(const std::string& path) override {
        removed.push_back(path);
        return 1;
    }
};

class FakeInstanceLock : public InstanceLock {
public:
    bool another = false;
    bool AnotherInstanceRunning() override { return another; }
};

// A registry with string values under HKEY_CURRENT_USER keys; everything else is missing.
class FakeRegistry : public Registry {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;  // (key, value name) -> text

    long RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) override {
        *result = 0;
        if (root != kHkeyCurrentUser) return 2;
        keys_.push_back(subKey);
        *result = keys_.size();
        return kErrorSuccess;
    }
    long RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                          uint32_t* dataSize) override {
        if (key == 0 || key > keys_.size()) return 6;
        auto it = values.find({keys_[key - 1], valueName});
        if (it == values.end()) return 2;
        const uint32_t size = static_cast<uint32_t>(it->second.size() + 1);
        if (type) *type = kRegSz;
        if (data == nullptr) {
            *dataSize = size;
            return kErrorSuccess;
        }
        if (*dataSize < size) return 234;
        std::copy(it->second.begin(), it->second.end(), static_cast<char*>(data));
        static_cast<char*>(data)[size - 1] = '\0';
        *dataSize = size;
        return kErrorSuccess;
    }
    long RegCloseKey(RegKey) override { return kErrorSuccess; }

private:
    std::vector<std::string> keys_;
};

// Text files by path; a path not listed cannot be opened.
class FakeTextFiles : public TextFileLines {
public:
    std::map<std::string, std::vector<std::string>> files;
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override {
        auto it = files.find(path);
        if (it == files.end()) return false;
        lines = it->second;
        return true;
    }
};
