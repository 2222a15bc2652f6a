// The classic 16-colour palette by which the settings name every colour of the picture: the paint
// draws with it, and the settings form shows its swatches and names.
#pragma once

#include <array>
#include <cstdint>

#include "platform/surface.h"

// The 16 colours, red, green, blue: 0 black, 1 blue, ..., 15 white.
extern const std::array<Rgb, 16> kPalette;
// Their names in the same order.
extern const char* const kPaletteColourNames[16];

// Palette: colour i of the classic 16-colour palette. An index outside 0..15 is reduced modulo 16
// (17 is blue, -1 white), so that any number in the settings file names a colour.
Rgb Palette(int16_t i);
