#pragma once

#include <string>
#include <string_view>

// Writes `bytes` as the file at `path` (UTF-8), creating it or replacing an existing one whole or
// not at all: the bytes go to a new file in the same folder, reach the disk, and are then renamed
// over the old one, which keeps its permissions. A symlink at `path` is followed and the file it
// points to replaced. Where the folder allows no new file or no replacement but the existing file
// is writable, the file is written in place; devices and pipes are always written in place. On
// Windows the replacement keeps the old file's attributes and security, and a read-only file or
// one that another program holds open without sharing is refused.
//
// Raises EFCreateError ("Cannot create file "<full path>". <system text>") when the file cannot
// be created or replaced and EWriteError ("Cannot write file ...") when writing fails. Messages
// name `path` as given, links unresolved, and a failure leaves no temporary file behind.
void WriteSetFile(const std::string& path, std::string_view bytes);
