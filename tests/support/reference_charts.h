// The reference charts beside the tests, computed independently of Kelo's code: tests/data/charts/NAME/
// holds the settings file KELO.INI, the rest of the kelo-chart command line args.txt, and expected.json.
// Every test that compares with them reads them here, one way.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/angles.h"

struct ReferenceChartFiles {
    std::string name;
    std::filesystem::path dir;
    nlohmann::json expected;  // expected.json
    std::string settings;     // KELO.INI
    std::string args;         // args.txt without its line end

    // The number on line n of the settings file, read as the program reads it.
    float SettingsLine(int n) const {
        std::istringstream in(settings);
        std::string line;
        for (int k = 1; k <= n; ++k)
            if (!std::getline(in, line)) return 0;
        return ToSingle(LeadingNumber(line.substr(0, 7)));
    }
};

inline std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// $KELO_TEST_DATA/charts, else the source tree's.
inline std::filesystem::path ReferenceChartsDir() {
    const char* data = std::getenv("KELO_TEST_DATA");
    return std::filesystem::path(data != nullptr ? data : KELO_SOURCE_TEST_DATA) / "charts";
}

// The names of the charts, sorted.
inline std::vector<std::string> ReferenceChartNames() {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ReferenceChartsDir(), ec))
        if (std::filesystem::exists(entry.path() / "expected.json")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline ReferenceChartFiles LoadReferenceChart(const std::string& name) {
    ReferenceChartFiles r;
    r.name = name;
    r.dir = ReferenceChartsDir() / name;
    r.expected = nlohmann::json::parse(ReadTextFile(r.dir / "expected.json"));
    r.settings = ReadTextFile(r.dir / "KELO.INI");
    r.args = ReadTextFile(r.dir / "args.txt");
    while (!r.args.empty() && (r.args.back() == '\n' || r.args.back() == '\r')) r.args.pop_back();
    return r;
}
