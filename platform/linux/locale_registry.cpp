#include "platform/linux/locale_registry.h"

#include <cctype>
#include <cstring>

#include "platform/linux/locale_formats.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

LocaleRegistry::LocaleRegistry(const std::string& localeName) {
    LocaleFormats formats(localeName);
    dateOrder_ = std::to_string(DateOrderOfFormat(formats.DateFormat()));
    clockFormat_ = std::to_string(ClockFormatOfFormat(formats.TimeFormat()));
}

LocaleRegistry::LocaleRegistry(int dateOrder, int clockFormat)
    : dateOrder_(std::to_string(dateOrder)), clockFormat_(std::to_string(clockFormat)) {}

long LocaleRegistry::RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) {
    if (result == nullptr) return kErrorInvalidHandle;
    *result = 0;
    if (root != kHkeyCurrentUser || !SameName(subKey, "Control Panel\\International")) return kErrorFileNotFound;
    *result = kInternationalHandle;
    return kErrorSuccess;
}

long LocaleRegistry::RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                                      uint32_t* dataSize) {
    if (key != kInternationalHandle) return kErrorInvalidHandle;
    const std::string* text = nullptr;
    if (SameName(valueName, "iDate")) text = &dateOrder_;
    if (SameName(valueName, "iTime")) text = &clockFormat_;
    if (text == nullptr) return kErrorFileNotFound;
    const uint32_t needed = static_cast<uint32_t>(text->size() + 1);  // with its terminating NUL
    if (type != nullptr) *type = kRegSz;
    if (data == nullptr) {
        if (dataSize != nullptr) *dataSize = needed;
        return kErrorSuccess;
    }
    if (dataSize == nullptr) return kErrorInvalidHandle;
    if (*dataSize < needed) {
        *dataSize = needed;
        return kErrorMoreData;
    }
    std::memcpy(data, text->c_str(), needed);
    *dataSize = needed;
    return kErrorSuccess;
}

long LocaleRegistry::RegCloseKey(RegKey key) { return key == kInternationalHandle ? kErrorSuccess : kErrorInvalidHandle; }
