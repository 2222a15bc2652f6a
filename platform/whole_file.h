// Whole files by UTF-8 names on every platform (wide underneath on Windows).
//
// Reading: ReadFileBytes.
//
// Writing a file so that it is never lost, not even to a power cut: the new contents go to a temporary
// file beside it, which is flushed to the disk (fsync, FlushFileBuffers), closed and then renamed over
// the old file in one step (on Windows MoveFileExW, written through; on Linux the folder is synced
// after the rename). A failure at any point leaves the old file as it was. Paths are UTF-8 on every
// platform (wide underneath on Windows).
#pragma once

#include <string>

// Replaces the file at path by contents. On failure returns false with a short reason in error (the
// temporary file is removed) and the file at path is untouched.
bool ReplaceFileSafely(const std::string& path, const std::string& contents, std::string& error);

// The temporary file ReplaceFileSafely writes before the rename.
std::string ReplacementFileName(const std::string& path);

// Reads a whole file. False when the file cannot be opened or a read fails (a directory, a device).
bool ReadFileBytes(const std::string& path, std::string& bytes);
