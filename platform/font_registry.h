// Registration of a font file with the platform for the life of the process.
#pragma once

#include <string>

class FontRegistry {
public:
    virtual ~FontRegistry() = default;
    virtual int AddFontResourceA(const std::string& path) = 0;     // number of faces added, 0 on failure
    virtual int RemoveFontResourceA(const std::string& path) = 0;  // non-zero on success
};
