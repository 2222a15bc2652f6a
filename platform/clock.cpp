#include "platform/clock.h"

std::string SecondsOfTimeText(const std::string& timeText) {
    // Positions below are 1-based, 0 meaning "not found", as the rule is written.
    auto position = [&](std::size_t from, char c) -> std::size_t {
        if (from < 1 || from > timeText.size()) return 0;
        std::size_t at = timeText.find(c, from - 1);
        return at == std::string::npos ? 0 : at + 1;
    };
    char separator = ':';
    std::size_t p = position(1, ':');
    if (p == 0) {
        separator = '.';
        p = position(1, '.');
    }
    if (p == 0) {
        separator = ',';
        p = position(1, ',');
    }
    std::size_t q = p == 0 ? position(1, ',') : position(p + 1, separator);
    return timeText.substr(q < timeText.size() ? q : timeText.size(), 2);
}
