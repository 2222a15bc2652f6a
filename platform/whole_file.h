// Whole files by UTF-8 names on every platform (wide underneath on Windows).
//
// Reading: ReadFileBytes. Looking for a change: FileStampOf.
//
// Writing a file so that it is never lost, not even to a power cut: the new contents go to a temporary
// file beside it, which is flushed to the disk (fsync, FlushFileBuffers), closed and then renamed over
// the old file in one step (on Windows MoveFileExW, written through; on Linux the folder is synced
// after the rename). A failure at any point leaves the old file as it was. Paths are UTF-8 on every
// platform (wide underneath on Windows).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Replaces the file at path by contents. On failure returns false with a short reason in error (the
// temporary file is removed) and the file at path is untouched.
bool ReplaceFileSafely(const std::string& path, const std::string& contents, std::string& error);

// The temporary file ReplaceFileSafely writes before the rename.
std::string ReplacementFileName(const std::string& path);

// Reads a whole file. False when the file cannot be opened or a read fails (a directory, a device).
bool ReadFileBytes(const std::string& path, std::string& bytes);

// A file's time of last writing (in the system's own units: nanoseconds since 1970 on Linux, 100 ns
// since 1601 on Windows) and its size in bytes. A change of either means the file was written.
struct FileStamp {
    int64_t modified = 0;
    int64_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path; none when it cannot be looked at (missing, or gone for the moment
// while an editor replaces it).
std::optional<FileStamp> FileStampOf(const std::string& path);
