#pragma once
// Whole-file reads and writes for files that must survive a crash or a power cut at any
// moment: content is written beside its final name, flushed to the disk, and only then
// renamed into place, so a reader always finds either the old or the new file whole.

#include "file_memory.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <sys/types.h>
#include <vector>

namespace nudgery {

using FileBytes = std::vector<std::uint8_t>;
// Bytes read from a file, in memory fit for big files.
using ReadBytes = std::vector<std::uint8_t, FileMemoryAllocator<std::uint8_t>>;

struct FileRead {
    enum class Outcome {
        Read,       // bytes holds the whole file
        Missing,    // no file of that name
        Unreadable, // a file that could not be opened or read to its end
        NotAFile,   // the name is taken by a folder or another kind of entry
    };
    Outcome outcome = Outcome::Missing;
    // Whatever was read, also the part before a read error.
    ReadBytes bytes;
};

// A path through a file that is not a folder counts as missing, as it cannot exist.
FileRead ReadWholeFile(const QString& path);

// The permission bits of a file that exists.
std::optional<mode_t> ExistingFileMode(const QString& path);

enum class FileWriteOutcome { Written, CannotCreate, WriteFailed };

// Creates the file anew (replacing one of that name), writes the bytes and flushes them
// to the disk. The file gets `mode` when given, else it is readable and writable by its
// owner alone (0600, less what the umask takes). On failure the part written is removed
// again.
FileWriteOutcome WriteFileFlushed(const QString& path, std::span<const std::uint8_t> bytes,
                                  std::optional<mode_t> mode);

// Puts `from` in the place of `to` in one step: a reader sees the old or the new `to`.
bool RenameOver(const QString& from, const QString& to);

// Flushes the folder's entries, so that renames made in it survive a power cut.
void FlushFolderOf(const QString& path);

bool FileExists(const QString& path);

// Removes a file if it is there; a missing file is no failure.
void RemoveFileIfPresent(const QString& path);

} // namespace nudgery
