// ChartState: the one record of the program. Every procedure of the computation, the shell and the
// rendering communicates through it; it is passed by reference and never held in a global, so a test can
// build as many independent states as it likes.
//
// The fields are grouped by the subsystem that writes them. A field is described once, where it is
// written; the scratch values (rectY, polarAngle, sunMoonResult, bodyIndex, ...) are shared by several
// steps and are valid only between the step that writes them and the next step of the same update.
//
// Types follow the program's arithmetic: double for all computation, float ("single") for the settings
// and the settings-derived clock and place fields, int16_t for counters, cell sizes and flags.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/body_slots.h"

// The Earth's part of the conversion from heliocentric to geocentric coordinates, R cos B0 cos L0,
// R cos B0 sin L0 and R sin B0 (km), with the position (radius, longitude, latitude) it belongs to.
struct EarthTerms {
    bool valid = false;
    double radius = 0, longitude = 0, latitude = 0;
    double x = 0, y = 0, z = 0;
};

// The sines and cosines of the perturbation angles every giant planet shares, by multiple, for the time
// they belong to: each is computed once for the four planets of one time. A slot is known once computed.
struct SharedPerturbationSines {
    static constexpr int kSlots = 2 * 6 * 5;  // sine and cosine of multiples 0..5 of five angles
    bool valid = false;
    double time = 0;                            // julianCenturies of the values
    std::array<double, kSlots> value{};
    std::array<bool, kSlots> known{};
};

struct ChartState {
    // ---- Start-up and command line -------------------------------------------------------------
    std::string programDir;          // directory of the program file, no trailing separator
    std::string settingsFileName;    // the settings file "KELO.INI" (beside the program by default)
    std::string commandLine;         // the text after the program name
    int16_t scaleHalfWidth = 312;    // half the logical width of the window; the resize handler replaces it
    double piValue = 0;              // 3.1415926535, set by start-up before any chart is computed
    double kmPerAu = 0;              // 149597870
    std::string houseOrdinals;       // thirteen 4-character fields, cusp-slot order, the last four blanks
    std::string retroFlags;          // 15 characters, "R" for a retrograde body (index 1..15 at position 0..14)
    std::string houseLine;           // 150 characters, 10 per body: house ordinal + " HOUSE"
    SettingValues settingValues{};   // element N = the number on line N of the settings file
    int16_t savedCursorCount = 0;    // pointer display count before start-up hid the pointer
    std::string houseSystemLetter;   // "P", "R", "K", "C", "O", "E", "M" or "I" from settings value 27
    int16_t wheelMode = 0;           // Round16(settings value 13): 0 equal sectors, otherwise true cusps
    std::array<int16_t, 13> slotAngles{};         // houses 1..12: first slot angle of the equal-sector wheel
    std::array<int16_t, 121> cuspLabelOffsets{};  // 60 (x, y) pairs, index 120 stays 0
    std::array<int16_t, 361> rimRadius{};         // glyph anchor radius for each whole degree 0..360
    double logicalWidth = 0;         // logical coordinate size chosen by the screen width
    double logicalHeight = 0;
    int32_t windowWidthTwips = 0;    // restored window size
    int32_t windowHeightTwips = 0;
    std::string glyphFontPath;       // the glyph font file registered at start-up
    int16_t fontRegistered = 0;      // 1 once start-up has registered the glyph font
    int16_t pointerHidden = 0;       // 1 once start-up has hidden the pointer (settings value 32 = 0)
    int16_t exitStatus = 0;          // status the process ends with: 1 when the settings could not be read
    // The settings file as it was when its values were last read: a change of either applies it.
    int16_t settingsStampKnown = 0;  // 1 once the file could be looked at
    int64_t settingsFileTime = 0;    // its time of last writing, in the platform's units
    int64_t settingsFileSize = 0;    // its size, bytes

    // Planetary element tables, constant after LoadElementTables.
    // outerElements[body][1..21] for the Earth (1) and bodies 5..8; innerElements[body][1..11] for 1..4.
    std::array<std::array<double, 22>, 10> outerElements{};
    std::array<std::array<double, 12>, 5> innerElements{};

    // ---- Chart update cycle ----------------------------------------------------------------------
    int16_t settingsError = 0;       // 1 when a settings check failed in this update
    int16_t tickInProgress = 0;      // 1 while a tick's update and paint run (a message box may be open)
    int16_t chartComputed = 0;       // 1 once an update has passed the settings checks
    int64_t tickMinute = -1;         // minute of UT (from 1970) of the last tick that ran an update
    std::array<std::string, 4> infoLines;  // date and time, place, sidereal time, house system
    int16_t calendarDay = 0;
    int16_t calendarMonth = 0;
    int16_t calendarYear = 0;
    float zoneHours = 0;             // settings value 18, hours added to local time to give UT
    std::string dateText;            // digits joined by "/" in the regional order
    float clockTime = 0;             // 12-hour clock as hours.minutes (1..12 . 00..59)
    std::string meridiem;            // "A.M." or "P.M."
    float longitudeDegMin = 0;       // degrees.minutes, positive west
    std::string eastWest;            // "EAST" or "WEST"
    float latitudeDegMin = 0;        // degrees.minutes, positive north
    std::string northSouth;          // "SOUTH" or "NORTH"
    double sunAltitude = 0;          // the Sun over the place's horizon, degrees, no refraction

    // ---- Input, exit and clean-up ----------------------------------------------------------------
    float lastPointerX = 0;          // last pointer position, logical units; empty compares equal to 0
    float lastPointerY = 0;

    // ---- Regional date and time format -----------------------------------------------------------
    int16_t dateOrder = 0;           // 0 m/d/y, 1 d/m/y, 2 y/m/d
    int16_t clockFormat = 0;         // 1 = 24-hour clock

    // ---- Calendar, day number, sidereal time and obliquity --------------------------------------
    double dayFraction = 0;          // UT of the moment as a fraction of the civil day, never wrapped
    double dayNumber = 0;            // Julian day number of the civil date
    double julianCenturies = 0;      // from JD 2415020.0 to the moment; the ephemeris borrows it as its time argument
    double ramcRad = 0;              // right ascension of the meridian, radians 0..2 pi
    double negObliquityRad = 0;      // minus the obliquity of the ecliptic, radians
    double mcLongitude = 0;          // Midheaven, degrees 0..360
    double ascLongitude = 0;         // Ascendant, degrees 0..360
    double latitudeDegMinAbs = 0;    // |latitudeDegMin|
    double latitudeWholeDegrees = 0; // Int(latitudeDegMinAbs)
    double houseLatitudeRad = 0;     // minus the latitude in radians; exactly 0 becomes 0.00001
    double siderealHours = 0;        // truncated parts of the displayed sidereal time
    double siderealMinutes = 0;
    double siderealSeconds = 0;

    // ---- Angle helpers (scratch values shared with the ephemeris) --------------------------------
    double polarAngle = 0;           // radians
    double polarRadius = 0;
    double rectX = 0;
    double rectY = 0;
    double zodiacInput = 0;          // longitude in degrees, input of SplitZodiacPosition
    double zodiacWholeDegrees = 0;
    double zodiacSign = 0;           // 1..12, 1 = Aries
    double zodiacDegrees = 0;        // 0..29
    double zodiacMinutesExact = 0;
    double zodiacMinutes = 0;        // 0..59

    // ---- Ephemeris driver, nutation and zodiac shifts --------------------------------------------
    std::array<double, 16> bodyLongitude{};  // bodies 1..15, degrees 0..360; index 0 unused
    double precessionShift = 0;      // degrees 0..360
    double siderealShift = 0;        // degrees, not reduced
    double altNodeLongitude = 0;     // true ascending node, degrees 0..360
    double julianCenturies2000 = 0;  // centuries from JD 2451545.0
    double julianCenturiesNext = 0;  // one day later
    double julianCenturies2000Next = 0;

    // Sun and Moon
    double sunMoonResult = 0;        // longitude left by ComputeSun / ComputeMoon, not reduced
    double moonSecondNode = 0;       // true ascending node, degrees, not reduced

    // Planetary orbits: working elements and results
    double bodyIndex = 0;            // 1 Earth, 2..9 Mercury..Pluto
    double semiMajorAxis = 0;        // AU during the perturbations, km afterwards
    double eccentricity = 0;
    double inclination = 0;          // degrees
    double argPerihelion = 0;        // degrees
    double nodeLongitude = 0;        // degrees
    double meanAnomaly = 0;          // degrees
    double earthRadius = 0;          // km
    double earthLongitude = 0;       // degrees
    double earthLatitude = 0;
    EarthTerms earthTerms;           // the Earth's rectangular terms of the last position converted
    double planetRadius = 0;         // km
    double planetLongitude = 0;
    double planetLatitude = 0;
    // Of the last orbit solution, the Earth's or a planet's:
    double sinEccentricAnomaly = 0;  // sine of the eccentric anomaly
    double argLatitude = 0;          // argument of latitude, degrees
    double geoLongitude = 0;         // geocentric longitude of the current planet, degrees

    // Perturbations of Jupiter, Saturn, Uranus and Neptune: the shared arguments, degrees, not reduced
    double perturbNu = 0;
    double perturbP = 0;
    double perturbQ = 0;
    double perturbS = 0;
    double perturbV = 0;
    double perturbW = 0;
    double perturbZeta = 0;
    double perturbEta = 0;
    SharedPerturbationSines sharedPerturbationSines;
    double longitudeCorrection = 0;  // Uranus or Neptune, added by the driver to the geocentric longitude

    // Pluto
    double plutoLongitude = 0;       // heliocentric, degrees, not reduced
    double plutoLatitude = 0;        // degrees
    double plutoRadius = 0;          // AU
    double plutoLongitudeRate = 0;   // the same three per Julian century
    double plutoLatitudeRate = 0;
    double plutoRadiusRate = 0;

    // ---- House systems ---------------------------------------------------------------------------
    std::array<double, 14> houseCusp{};  // slots 1..12; slot k holds the cusp of house ((k + 8) mod 12) + 1
    std::string siderealText;        // "HHh  MMm  SSs "
    double placidusStartRa = 0;      // radians
    double placidusDivisor = 0;      // 3 or 1.5
    double placidusBelowHorizon = 0; // 1.0 for houses 2 and 3
    double placidusCuspLongitude = 0;  // degrees, not reduced
    // bodies 1..15: the house 1..12 of the house line (house 1 until a chart has placed the body)
    std::array<int16_t, 16> bodyHouse{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

    // ---- Moon void-of-course test ----------------------------------------------------------------
    std::array<double, 15> degreeInSign{};  // 1..14
    std::array<double, 15> degreeOrder{};   // 1..14
    int16_t moonVoid = 0;

    // ---- Paint sequence, coordinate system and text primitives -----------------------------------
    int16_t glyphCellWidth = 0;
    int16_t glyphCellHeight = 0;
    int16_t digitCellWidth = 0;
    int16_t digitCellHeight = 0;
    double penX = 0;
    double penY = 0;
    double penAngle = 0;             // degrees, counter-clockwise from the positive x axis
    double printValue = 0;           // number whose digits the digit primitives print
    double driftX = 0;               // the whole picture moved by this, logical units (line 16); 0 centred
    double driftY = 0;               //   y upwards

    // ---- Wheel, house sizes, intercepted signs and cusp labels -----------------------------------
    std::array<double, 13> houseSize{};  // by cusp slot 1..12
    std::array<int16_t, 13> interceptedSign{};  // by house 1..12: the sign shown inside the house, or 0
    std::vector<double> spokeAngles;     // degrees, every spoke of the last paint in drawing order

    // ---- Body glyph placement ---------------------------------------------------------------------
    std::array<double, 16> sortedLongitude{};
    std::array<double, 16> bodyOrder{};
    std::array<double, 13> houseBodyCount{};
    std::array<int16_t, 116> slotOccupied{};
    std::array<double, 16> bodyDrawAngle{};
    double currentHouse = 0;
    int16_t houseRank = 0;
    double cuspDistance = 0;
    double slotIndex = 0;
    double glyphRadius = 0;
    std::array<int16_t, 16> bodyDrawn{};     // by body: 1 when the last paint drew its glyph
    std::array<int16_t, 16> textReversed{};  // by body: 1 when its position text ran reversed

    // ---- Aspect lines and information text -------------------------------------------------------
    std::vector<std::array<int16_t, 3>> aspectLines;  // (i, j, aspect code) of each line, drawing order
};
