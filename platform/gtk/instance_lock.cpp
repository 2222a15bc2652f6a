#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/gtk/gtk_platform.h"

namespace {

// A directory only this user can write: ours, not a link, no write bits for others.
bool IsPrivateDirectory(const std::string& dir) {
    struct stat st;
    if (lstat(dir.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

FlockInstanceLock::FlockInstanceLock(std::string lockPath) : path_(std::move(lockPath)) {}

FlockInstanceLock::~FlockInstanceLock() {
    if (fd_ >= 0) close(fd_);
}

std::string FlockInstanceLock::DefaultLockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && runtime[0] == '/' && IsPrivateDirectory(runtime))
        return std::string(runtime) + "/kelo.lock";
    const std::string dir = "/tmp/kelo-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return "";
    if (!IsPrivateDirectory(dir)) return "";
    return dir + "/kelo.lock";
}

bool FlockInstanceLock::AnotherInstanceRunning() {
    if (checked_) return another_;
    checked_ = true;
    if (path_.empty()) return false;
    fd_ = open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return false;
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        another_ = errno == EWOULDBLOCK;
        close(fd_);
        fd_ = -1;
    }
    return another_;
}
