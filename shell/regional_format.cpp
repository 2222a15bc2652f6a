#include "shell/regional_format.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/numeric.h"
#include "settings/settings_file.h"

namespace {

std::string LowerFirstFive(const std::string& line) {
    std::string head = line.substr(0, 5);
    for (char& c : head) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return head;
}

}  // namespace

void ReadRegionalFormat(ChartState& s, TextFileLines& files, Registry& registry, const std::string& iniPath) {
    s.dateOrder = 0;
    s.clockFormat = 0;
    bool foundDate = false;
    bool foundTime = false;

    // Scan the whole initialisation file; a file that cannot be read leaves the lines it gave (none when
    // it cannot be opened), and the codes not found come from the registry.
    std::vector<std::string> lines;
    files.ReadLines(iniPath, lines);
    for (const std::string& line : lines) {
        std::size_t eq = line.find('=');
        std::size_t p = eq == std::string::npos ? 0 : eq + 1;  // 1-based position of the "=", or 0
        std::string v = line.substr(p);                       // the last (length - p) characters
        std::string name = LowerFirstFive(line);
        if (name == "idate") {
            s.dateOrder = Round16(LeadingNumber(v));
            foundDate = true;
        }
        if (name == "itime") {
            s.clockFormat = Round16(LeadingNumber(v));
            foundTime = true;
        }
    }

    if (!foundDate)
        s.dateOrder = Round16(LeadingNumber(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "iDate")));
    if (!foundTime)
        s.clockFormat = Round16(LeadingNumber(ReadRegistryText(registry, kHkeyCurrentUser, kInternationalKey, "iTime")));
}

std::string ReadRegistryText(Registry& registry, RegKey root, const std::string& keyPath,
                             const std::string& valueName) {
    RegKey key = 0;
    registry.RegOpenKeyA(root, keyPath, &key);  // result ignored: a failed open leaves the key 0
    std::string text = QueryRegistryValue(registry, key, valueName);
    registry.RegCloseKey(key);
    return text;
}

std::string QueryRegistryValue(Registry& registry, RegKey key, const std::string& valueName) {
    uint32_t type = 0;
    uint32_t size = 0;
    if (registry.RegQueryValueExA(key, valueName, &type, nullptr, &size) != kErrorSuccess) return "";
    if (type == kRegSz) {
        std::vector<char> buffer(size, '\0');
        uint32_t bufferSize = size;
        if (registry.RegQueryValueExA(key, valueName, &type, buffer.data(), &bufferSize) != kErrorSuccess)
            return "";
        std::size_t used = bufferSize < size ? bufferSize : size;
        std::size_t n = 0;
        while (n < used && buffer[n] != '\0') ++n;
        return std::string(buffer.data(), n);
    }
    if (type == kRegBinary) {
        // The value is read into one 32-bit number, and the call is told that the buffer holds four
        // bytes: a longer value is refused by the registry instead of overrunning the number.
        uint32_t number = 0;
        uint32_t bufferSize = sizeof number;
        if (registry.RegQueryValueExA(key, valueName, &type, &number, &bufferSize) != kErrorSuccess) return "";
        int16_t low = static_cast<int16_t>(static_cast<uint16_t>(number & 0xFFFFu));
        return std::to_string(low);
    }
    return "";
}
