// The registry calls the regional format reads: RegOpenKeyA, RegQueryValueExA and RegCloseKey on
// HKEY_CURRENT_USER, and the legacy initialisation file read line by line. The signatures keep the
// shape of the Windows calls (results 0 = success) so that the reading logic is written once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using RegKey = std::uintptr_t;          // 0 = no key
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr uint32_t kRegSz = 1;          // string value
constexpr uint32_t kRegBinary = 3;      // raw bytes
constexpr long kErrorSuccess = 0;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) = 0;
    // data == nullptr asks only for the type and the size; *dataSize is in bytes.
    virtual long RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                                  uint32_t* dataSize) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
};

// The legacy initialisation file, read for its regional lines. A platform without it (Linux) reads the file
// named by the environment variable kLegacyIniVariable in its place, when one is named.
inline const std::string kLegacyIniPath = "c:\\windows\\win.ini";
inline constexpr const char* kLegacyIniVariable = "KELO_LEGACY_INI";

// A text file read line by line (the legacy initialisation file).
class TextFileLines {
public:
    virtual ~TextFileLines() = default;
    // Fills lines (without their line ends); false when the file cannot be opened or read.
    virtual bool ReadLines(const std::string& path, std::vector<std::string>& lines) = 0;
};
