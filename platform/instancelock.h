#pragma once
// One running instance at a time. The lock is an advisory lock on a file
// that the process holds for as long as it lives; the kernel drops it when the
// process ends in any way, a crash included, so a stale lock never blocks a start.
#include <string>

namespace vy::platform {

class InstanceLock {
public:
    enum class State {
        Acquired,      // this process is the running instance
        HeldElsewhere, // another process holds the lock
        Unavailable,   // the lock file cannot be opened; the start goes ahead unguarded
    };

    explicit InstanceLock(const std::string& lockFilePath);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const noexcept { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

} // namespace vy::platform
