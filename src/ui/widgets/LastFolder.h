#pragma once

#include <QString>

namespace kvl::ui {

// The folder of the file last chosen in one of the file dialogs, kept across runs in the
// user's settings; empty when none has been chosen or the folder is gone.
QString LastFolder();
void RememberLastFolder(const QString& folder);

}  // namespace kvl::ui
