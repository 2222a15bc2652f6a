// Runs the built kelo-chart with arguments and an environment, and collects what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// args are already split; env is a prefix such as "LC_ALL=C.UTF-8".
inline ToolRun RunTool(const std::string& args, const std::string& env = "") {
    static int counter = 0;
    std::string errPath =
        (std::filesystem::temp_directory_path() / ("kelo_chart_err_" + std::to_string(getpid()) + "_" +
                                                   std::to_string(counter++)))
            .string();
    std::string command = "env " + env + " " + Quoted(KELO_CHART_PROGRAM) + " " + args + " 2>" + Quoted(errPath);
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream errFile(errPath);
    std::stringstream err;
    err << errFile.rdbuf();
    run.err = err.str();
    std::filesystem::remove(errPath);
    return run;
}
