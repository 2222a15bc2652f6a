// Message boxes that record every box instead of showing it, in order, for the tests.
#pragma once

#include <string>
#include <vector>

#include "platform/message_boxes.h"

class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Box {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
        boxes.push_back(Box{text, title, icon});
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& b : boxes) texts.push_back(b.text);
        return texts;
    }
    std::vector<Box> boxes;
};
