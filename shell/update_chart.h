// One chart update: checks, local date and time, sky frame, cusps, ephemeris, chart options, texts.
#pragma once

#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "shell/chart_state.h"

void UpdateChart(ChartState& s, Clock& clock, MessageBoxes& boxes);
