#include "platform/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Opens a file by its path in the file system's own characters (wide on Windows).
std::FILE* Open(const fs::path& path, bool forWriting) {
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

// Sends what the C library and the system hold of the file to the disk; false with errno set (or the
// system's last error on Windows) when it could not.
bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) != 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

std::string SystemError() {
#ifdef _WIN32
    return std::system_category().message(static_cast<int>(GetLastError()));
#else
    return std::strerror(errno);
#endif
}

// Puts the temporary file in the place of the old one in one step, written through to the disk.
bool MoveOver(const fs::path& temporary, const fs::path& target, std::string& error) {
#ifdef _WIN32
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    error = SystemError();
    return false;
#else
    if (std::rename(temporary.c_str(), target.c_str()) == 0) {
        // The rename is an entry of the folder: on the disk once the folder is. A file system that cannot
        // sync a folder has nothing more to do for it; the new file is in place either way.
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            fsync(descriptor);
            close(descriptor);
        }
        return true;
    }
    error = std::strerror(errno);
    return false;
#endif
}

}  // namespace

std::string ReplacementFileName(const std::string& path) { return path + ".tmp"; }

bool ReplaceFileSafely(const std::string& path, const std::string& contents, std::string& error) {
    const fs::path target = PathFromUtf8(path);
    const fs::path temporary = PathFromUtf8(ReplacementFileName(path));
    std::FILE* file = Open(temporary, true);
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    // Written, flushed to the disk and closed before the rename, so that after a power cut the name
    // holds either the old contents or the whole of the new.
    bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    if (!written) error = std::strerror(errno);
    if (written && !FlushToDisk(file)) {
        written = false;
        error = SystemError();
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = std::strerror(errno);
    }
    if (written && MoveOver(temporary, target, error)) return true;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return false;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = Open(PathFromUtf8(path), false);
    if (file == nullptr) return false;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool ok = std::ferror(file) == 0;  // a directory, a device that fails, ...
    std::fclose(file);
    return ok;
}

std::optional<FileStamp> FileStampOf(const std::string& path) {
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(PathFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    const auto join = [](DWORD high, DWORD low) { return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low); };
    return FileStamp{join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
                     join(data.nFileSizeHigh, data.nFileSizeLow)};
#else
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileStamp{static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                     static_cast<int64_t>(st.st_size)};
#endif
}
