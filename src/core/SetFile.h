#pragma once

#include <string>
#include <string_view>

// Creates (or replaces) the file at `path` and writes `bytes` to it. Raises EFCreateError
// ("Cannot create file "<full path>". <system text>") when it cannot be created and EWriteError
// when a write fails; the file is closed either way.
void WriteSetFile(const std::string& path, std::string_view bytes);
