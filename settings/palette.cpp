#include "settings/palette.h"

const std::array<Rgb, 16> kPalette = {{
    /*  0- 3 */ {0, 0, 0}, {0, 0, 128}, {0, 128, 0}, {0, 128, 128},
    /*  4- 7 */ {128, 0, 0}, {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
    /*  8-11 */ {128, 128, 128}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255},
    /* 12-15 */ {255, 0, 0}, {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
}};

const char* const kPaletteColourNames[16] = {
    "Black",    "Blue",       "Green",       "Cyan",       "Red",      "Magenta",       "Brown",  "Light grey",
    "Dark grey", "Light blue", "Light green", "Light cyan", "Light red", "Light magenta", "Yellow", "White",
};

Rgb Palette(int16_t i) {
    int index = i % 16;
    if (index < 0) index += 16;
    return kPalette[static_cast<std::size_t>(index)];
}
