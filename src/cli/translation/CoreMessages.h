#pragma once

#include <string>
#include <string_view>

namespace kvl::cli {

// A message of the core, which the window shows in its own wording, in the user's language: a
// file that cannot be opened, created or written, a cell that does not convert, memory that ran
// out. The system's reason inside it comes from the system in the user's language already. Any
// other message stays as it is.
std::string TranslatedCoreMessage(std::string_view message);

}  // namespace kvl::cli
