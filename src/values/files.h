#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

#include "values/byte_set.h"
#include "values/text.h"

namespace quorvella {

// The number of a file opened by FileOpen; 0 stands for no file.
using FileNumber = int32_t;

// Opens an existing or new file by name and enters it in the table of open files.
// access: 1 read, 2 write, 3 read and write (the default) — the file must exist;
// 4 write, emptied or created; 5 write, kept or created; 6 read and write, kept or created.
// share (1 to 4) says what others may do meanwhile; this platform has no such locks, so it is
// checked and otherwise not used. Gives 0 for an empty name, a mode out of range, and any file
// that cannot be opened so (missing, a folder, marked read-only when writing is asked for).
FileNumber FileOpen(const Text& name, int32_t access = 3, int32_t share = 1);

// The text of an open file from its current position: at most `max_bytes` bytes, or as many
// as the file is long, ending before the first 0x00 or 0x1A; the position moves to that byte
// or past what was read. Empty for a number that is not open, a failed read or an empty file.
Text FileReadText(FileNumber file, std::optional<int32_t> max_bytes = {});

// The raw bytes of an open file from its current position to its end, the position moving to
// the end; nothing when the file is not open, cannot be read, or reaches 2 GiB or more.
std::optional<ByteSet> FileReadAll(FileNumber file);

// Closes one file and takes it out of the table.
void FileClose(FileNumber file);
// Closes every open file and empties the table.
void CloseAllFiles();

// Writes the byte sets, in order, as the whole new content of the file `name` (created or
// emptied). False when the name is empty, the file cannot be opened or a write fails; a file
// that failed part way keeps what was written before the failure.
bool FileWrite(const Text& name, std::initializer_list<ByteSet> parts);

}  // namespace quorvella
