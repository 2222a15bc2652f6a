// The platform as the shell sees it: one reference per interface, handed to the forms.
#pragma once

#include "platform/chart_window.h"
#include "platform/clock.h"
#include "platform/font_registry.h"
#include "platform/instance_lock.h"
#include "platform/message_boxes.h"
#include "platform/options_dialog.h"
#include "platform/pointer.h"
#include "platform/process.h"
#include "platform/registry.h"

struct Platform {
    ChartWindow& window;
    OptionsDialog& options;
    MessageBoxes& boxes;
    Pointer& pointer;
    FontRegistry& fonts;
    Clock& clock;
    Registry& registry;
    TextFileLines& textFiles;
    InstanceLock& instance;
    Process& process;
};
