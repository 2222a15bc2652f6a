// Whether another instance of the program is running for this user (the previous-instance test).
#pragma once

class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // The first call claims the instance for this process if it is free; true when another process
    // holds it. The claim lasts until the process ends.
    virtual bool AnotherInstanceRunning() = 0;
};

// For a run beside the screen saver, which must draw whatever else runs: a hack (the daemon starts one
// per monitor) or the preview in the screen-saver settings page. It claims no instance and is never
// "another" one.
class NoInstanceLock : public InstanceLock {
public:
    bool AnotherInstanceRunning() override { return false; }
};
