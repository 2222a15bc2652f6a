// Text files read line by line from the file system. A line ends at LF; a CR before it belongs to the
// line end (CR LF files read as their lines).
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

class FileTextLines : public TextFileLines {
public:
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override;
};

// The legacy initialisation file kLegacyIniPath does not exist on Linux: the file named by the environment
// variable kLegacyIniVariable (KELO_LEGACY_INI) plays its part, and with none named there is no such file.
// Every other path is read as it stands.
class LegacyIniFile : public TextFileLines {
public:
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override;

private:
    FileTextLines files_;
};
