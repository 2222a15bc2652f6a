// The program's integer conversions and rounding rules, shared by every subsystem.
//   Int     floor, also for negative values
//   Trunc   toward zero
//   Sgn     -1, 0 or +1
//   Round16 nearest, halves to the even neighbour, into 16 bits
//   Round32 nearest, halves to the even neighbour, into 32 bits
// A value that cannot become an integer of that width (NaN, infinity, or beyond the range) is given a
// defined result instead of undefined behaviour: NaN gives 0, everything else saturates at the nearest
// end of the range (1E999, read as infinity, gives 32767 in 16 bits).
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

// Two values of the same bits: the test a cache of computed values keys on (a NaN equals itself).
inline bool SameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

inline double Int(double x) { return std::floor(x); }
inline double Trunc(double x) { return std::trunc(x); }
inline double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }

// Round half to even, as a double (no range limit).
inline double RoundHalfEven(double x) {
    double r = std::nearbyint(x);  // the default rounding mode rounds halves to even
    return r;
}

template <typename T>
inline T RoundSaturated(double x) {
    if (std::isnan(x)) return 0;
    double r = RoundHalfEven(x);
    if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

inline int16_t Round16(double x) { return RoundSaturated<int16_t>(x); }
inline int32_t Round32(double x) { return RoundSaturated<int32_t>(x); }

// A settings value that is "exactly N": the stored single equals the integer N.
inline bool IsExactly(float value, int n) { return value == static_cast<float>(n); }
