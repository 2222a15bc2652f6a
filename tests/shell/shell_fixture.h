// A program folder in a temporary directory with a settings file, and the whole platform faked.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "platform/fake/fake_platform.h"
#include "platform/fixed_clock.h"
#include "core/chart_state.h"
#include "shell/kelo_form.h"
#include "support/temp_folder.h"

// A complete settings file: New York, Placidus, exit on a key, pointer left visible; changes replace
// the first seven characters of the lines named.
inline std::string SettingsText(const std::map<int, std::string>& changes = {}) {
    std::map<int, std::string> v = {
        {2, "6"},   {3, "8"},   {4, "8"},   {5, "8"},   {10, "3"},  {13, "1"},  {18, "5"},  {19, "74"},
        {20, "0"},  {21, "1"},  {22, "40"}, {23, "43"}, {24, "1"},  {27, "1"},  {32, "1"},  {33, "3"},
        {47, "1"},  {53, "14"}, {54, "12"}, {55, "14"}, {56, "15"}, {57, "14"}, {58, "15"}, {68, "10"},
        {69, "8"},  {70, "10"}, {71, "8"},  {72, "14"}, {73, "8"},  {74, "10"}, {75, "8"},  {76, "8"},
        {77, "10"}, {78, "15"}, {79, "15"}, {80, "14"}, {81, "15"}, {82, "14"}, {83, "15"}, {84, "10"},
        {85, "15"}, {86, "12"}, {87, "10"}, {88, "12"}, {89, "11"}, {90, "0"},  {91, "15"}, {92, "7"}};
    for (const auto& [line, value] : changes) v[line] = value;
    std::string text;
    for (int n = 1; n <= 92; ++n) {
        std::string field = v.count(n) ? v[n] : "0";
        field.resize(7, ' ');
        text += field + " line " + std::to_string(n) + "\r\n";
    }
    return text;
}


// The chart window's form over a faked platform, its program folder holding the settings file.
struct ShellRig {
    TempFolder folder;
    ChartState s;
    FakeChartWindow window;
    FakeOptionsDialog options;
    FakeMessageBoxes boxes;
    FakePointer pointer;
    FakeFontRegistry fonts;
    FixedClock clock{LocalDateTime{2026, 12, 7, 12, 34, 10}};
    FakeRegistry registry;
    FakeTextFiles textFiles;
    FakeInstanceLock instance;
    FakeProcess process;
    Platform p{window, options, boxes, pointer, fonts, clock, registry, textFiles, instance, process};
    KeloForm form{s, p};

    explicit ShellRig(const std::string& settings = SettingsText()) {
        process.programDir = folder.Path();
        folder.Write("KELO.INI", settings);
    }

    // Loads the chart window with the command line; the status when the process ended during load.
    std::optional<int> Start(const std::string& commandLine = "") {
        s.commandLine = commandLine;
        try {
            window.Load(form);
        } catch (const ProcessEnded& e) {
            return e.status;
        }
        return std::nullopt;
    }

    // Runs one handler; the status when it ended the process.
    template <typename F>
    std::optional<int> Run(F&& handler) {
        try {
            handler();
        } catch (const ProcessEnded& e) {
            return e.status;
        }
        return std::nullopt;
    }

    void TickAt(int hour, int minute, int second) {
        clock.Set(LocalDateTime{2026, 12, 7, hour, minute, second});
        form.Timer1_Timer();
    }
};
