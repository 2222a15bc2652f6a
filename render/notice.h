// A notice over the picture: where no one can close a message box (the screen-saver daemon's window),
// the message of a failed settings check is drawn in the middle of the chart window instead.
#pragma once

#include <string>
#include <vector>

#include "platform/surface.h"
#include "core/chart_state.h"

// DrawNotice: each message centred in the surface, one below the other, in the information text's
// face, size and colour; a message wider than nine tenths of the surface is broken at blanks. Draws
// over whatever the surface shows (the last good chart, or the background alone).
//   reads  settings values 68 (size) and 78 (colour)
void DrawNotice(ChartState& s, Surface& surface, const std::vector<std::string>& messages);
