#pragma once

#include <filesystem>
#include <functional>
#include <string>

// What a write did, as a test compares it: "ok", or the failure's class and message, such as
// "EFCreateError: Cannot create file ...".
using WriteOutcome = std::string;

// Runs `write` in a child process as the owner of everything under `folder` but `othersFolder`
// and its contents. Run as root, the child first hands those to an unprivileged user and becomes
// that user, so that permissions restrict it as they restrict any user; `othersFolder` stays
// root's.
WriteOutcome RunAsFolderOwner(const std::filesystem::path& folder,
                              const std::function<void()>& write,
                              const std::filesystem::path& othersFolder = {});
