// The registry of a Linux desktop as the regional format reads it: the key
// HKEY_CURRENT_USER\Control Panel\International with the string values "iDate" (0 m/d/y, 1 d/m/y,
// 2 y/m/d) and "iTime" (1 = 24-hour clock), taken from the user's locale. Every other key or value is
// missing. Key and value names compare without regard to case, as on Windows.
#pragma once

#include <string>

#include "platform/registry.h"

constexpr long kErrorFileNotFound = 2;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;

class LocaleRegistry : public Registry {
public:
    // localeName "" means the environment's locale.
    explicit LocaleRegistry(const std::string& localeName = "");
    // For tests and other sources: the two codes given directly.
    LocaleRegistry(int dateOrder, int clockFormat);

    long RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) override;
    long RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                          uint32_t* dataSize) override;
    long RegCloseKey(RegKey key) override;

private:
    static constexpr RegKey kInternationalHandle = 0x4B454C4Fu;
    std::string dateOrder_;
    std::string clockFormat_;
};
