// A registry and a set of text files held in memory, for the tests of the regional format. The
// registry keeps string and binary values by key path and name, answers with the Windows results
// (2 not found, 6 invalid handle, 234 more data) and records every call.
#pragma once

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

class RecordingRegistry : public Registry {
public:
    struct Value {
        uint32_t type;
        std::string bytes;
    };
    void SetString(const std::string& key, const std::string& name, const std::string& text) {
        values[{key, name}] = Value{kRegSz, text + std::string(1, '\0')};
    }
    void SetBinary(const std::string& key, const std::string& name, const std::string& bytes) {
        values[{key, name}] = Value{kRegBinary, bytes};
    }

    long RegOpenKeyA(RegKey root, const std::string& subKey, RegKey* result) override {
        calls.push_back("open " + subKey);
        *result = 0;
        if (root != kHkeyCurrentUser) return 2;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == subKey) {
                *result = i + 1;
                return kErrorSuccess;
            }
        for (const auto& entry : values)
            if (entry.first.first == subKey) {
                keys.push_back(subKey);
                *result = keys.size();
                return kErrorSuccess;
            }
        return 2;
    }
    long RegQueryValueExA(RegKey key, const std::string& valueName, uint32_t* type, void* data,
                          uint32_t* dataSize) override {
        calls.push_back("query " + valueName + (data ? " data" : " size"));
        if (key == 0 || key > keys.size()) return 6;
        auto it = values.find({keys[key - 1], valueName});
        if (it == values.end()) return 2;
        const uint32_t needed = static_cast<uint32_t>(it->second.bytes.size());
        *type = it->second.type;
        if (data == nullptr) {
            *dataSize = needed;
            return kErrorSuccess;
        }
        if (*dataSize < needed) {
            *dataSize = needed;
            return 234;
        }
        std::memcpy(data, it->second.bytes.data(), needed);
        *dataSize = needed;
        return kErrorSuccess;
    }
    long RegCloseKey(RegKey key) override {
        calls.push_back("close " + std::to_string(key));
        return key == 0 ? 6 : kErrorSuccess;
    }

    std::map<std::pair<std::string, std::string>, Value> values;
    std::vector<std::string> keys;   // opened keys; handle = index + 1
    std::vector<std::string> calls;
};

class MemoryTextFileLines : public TextFileLines {
public:
    bool ReadLines(const std::string& path, std::vector<std::string>& lines) override {
        lines.clear();
        auto it = files.find(path);
        if (it == files.end()) return false;
        lines = it->second;
        return true;
    }
    std::map<std::string, std::vector<std::string>> files;
};
