// The pointer's display count, as the windowing system keeps it: shown while the count is 0 or more.
#pragma once

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual int ShowCursor(bool show) = 0;  // returns the new display count
};
