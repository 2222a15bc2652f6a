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
