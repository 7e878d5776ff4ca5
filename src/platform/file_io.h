// Whole-file reads and atomic replacement, each system's own (posix/file_io.cpp,
// win32/file_io.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class ReadStatus { kOk, kCannotOpen, kTooLarge };

// Reads the file's bytes into `bytes`: kTooLarge (and `bytes` empty) when the file holds
// `limit` bytes or more; kCannotOpen when it cannot be opened for reading.
ReadStatus ReadWholeFile(const std::string& path, std::size_t limit,
                         std::vector<std::uint8_t>& bytes);

// The first `count` bytes of the file, fewer when it is shorter; nothing when it cannot
// be opened for reading.
std::optional<std::vector<std::uint8_t>> ReadFilePrefix(const std::string& path, std::size_t count);

// True when the file exists as a regular file and opens for reading and writing: one its
// user may change. A file marked read-only on Windows does not, whoever runs the program.
bool OpensForReadingAndWriting(const std::string& path);

// Replaces the file's content with `bytes` so that a crash leaves either the old or the
// new content: a temporary file beside it, then a rename. Only a file that could be opened
// for writing is replaced (a read-only file keeps its content although its folder would
// take the rename); a missing one is created. False when nothing was written.
bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Creates the file with `bytes` when no file of that name exists, so that a crash leaves no
// half-written file. An existing file, readable or not, is left as it is. False when
// nothing was written.
bool CreateFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes);

// True when nothing of that name exists (a dangling link is something).
bool IsAbsent(const std::string& path);

// True when this process can make a new file in `folder`.
bool FolderTakesNewFiles(const std::string& folder);

// `name` in `folder`, joined by the system's separator.
std::string JoinPath(const std::string& folder, std::string_view name);

// The file system path of a UTF-8 path, for std::filesystem and the file streams: on
// Windows paths are UTF-16, and a path given as bytes would be read in the ANSI code
// page. Bytes that are not UTF-8 name no file there (an empty path).
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The UTF-8 spelling of a file system path.
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace platform
