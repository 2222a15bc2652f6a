// The lines of the settings file by name: settingValues[kHouseSystemLine] is the number on line 27.
// One place for the numbering; the meaning of each line is in the comment of the shipped KELO.INI.
#pragma once

// Aspects: the orbs, in degrees, and the switch of the aspect lines.
constexpr int kOrb60Line = 2;
constexpr int kOrb90Line = 3;
constexpr int kOrb120Line = 4;
constexpr int kOrb180Line = 5;
constexpr int kOrb150Line = 10;
constexpr int kAspectLinesLine = 47;  // exactly 1: drawn

// The chart.
constexpr int kWheelModeLine = 13;          // 0 equal 30-degree sectors, else the true cusps
constexpr int kFortuneInVoidTestLine = 14;  // not 0: the Part of Fortune takes part
constexpr int kDriftLine = 16;              // exactly 1: the picture drifts a little every minute
constexpr int kZoneSourceLine = 17;         // exactly 1: the system's zone, daylight saving included
constexpr int kTimeZoneLine = 18;           // hours added to local time to give UT, west positive
constexpr int kLongitudeDegreesLine = 19;
constexpr int kLongitudeMinutesLine = 20;
constexpr int kLongitudeDirectionLine = 21;  // exactly -1: east
constexpr int kLatitudeDegreesLine = 22;
constexpr int kLatitudeMinutesLine = 23;
constexpr int kLatitudeDirectionLine = 24;  // exactly -1: south
constexpr int kHouseSystemLine = 27;        // 1 Placidus .. 8 Morinus
constexpr int kTextTurnLine = 28;           // with equal sectors, exactly 1 moves the text turn by a house
constexpr int kNodeLine = 29;               // exactly 1: the true node
constexpr int kZodiacLine = 38;             // 0 tropical, 1 precession shift, 2 sidereal shift
constexpr int kFixedSignHousesLine = 42;    // exactly 99 (with a zodiac shift): fixed-sign houses

// The screen saver.
constexpr int kPointerLine = 32;   // exactly 0: hidden
constexpr int kExitModeLine = 33;  // 0 move .. 6 any input
constexpr int kNightDimmingLine = 15;  // 0 off; 10..100: brightness in percent while the Sun is down

// Sizes (points) and colours (palette index 0..15) of the picture.
constexpr int kVoidMoonSizeLine = 53;
constexpr int kVoidMoonColourLine = 54;
constexpr int kAscendantSizeLine = 55;
constexpr int kAscendantColourLine = 56;
constexpr int kMidheavenSizeLine = 57;
constexpr int kMidheavenColourLine = 58;
constexpr int kGlyphCellExtraWidthLine = 60;
constexpr int kDigitCellExtraWidthLine = 61;
constexpr int kGlyphCellExtraHeightLine = 62;
constexpr int kDigitCellExtraHeightLine = 63;
constexpr int kInfoTextSizeLine = 68;
constexpr int kCuspDegreesSizeLine = 69;
constexpr int kSignGlyphSizeLine = 70;
constexpr int kCuspMinutesSizeLine = 71;
constexpr int kBodyGlyphSizeLine = 72;
constexpr int kBodyDegreesSizeLine = 73;
constexpr int kBodySignSizeLine = 74;
constexpr int kBodyMinutesSizeLine = 75;
constexpr int kRetrogradeSizeLine = 76;
constexpr int kAspectGlyphSizeLine = 77;
constexpr int kInfoTextColourLine = 78;
constexpr int kCuspDegreesColourLine = 79;
constexpr int kCuspSignColourLine = 80;
constexpr int kCuspMinutesColourLine = 81;
constexpr int kBodyGlyphColourLine = 82;
constexpr int kBodyDegreesColourLine = 83;
constexpr int kBodySignColourLine = 84;
constexpr int kBodyMinutesColourLine = 85;
constexpr int kRetrogradeColourLine = 86;
constexpr int kTrineSextileColourLine = 87;     // 60- and 120-degree aspects
constexpr int kSquareOppositionColourLine = 88;  // 90- and 180-degree aspects
constexpr int kQuincunxColourLine = 89;         // 150-degree aspects
constexpr int kBackgroundColourLine = 90;
constexpr int kWheelCircleColourLine = 91;
constexpr int kSpokeColourLine = 92;
