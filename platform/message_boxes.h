// Modal message boxes: the program's only way of reporting a failure. Every box is titled "Warning!".
#pragma once

#include <string>

enum class MessageIcon { Information, Exclamation };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and returns when the user has closed it.
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};
