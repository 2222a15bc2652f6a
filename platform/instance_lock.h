// Whether another instance of the program is running for this user (the previous-instance test).
#pragma once

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // The first call claims the instance for this process if it is free; true when another process
    // holds it. The claim lasts until the process ends.
    virtual bool AnotherInstanceRunning() = 0;
};
