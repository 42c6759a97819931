#pragma once

namespace kvl::app {

// Gives Qt's own texts (dialog buttons and labels, message box buttons, command-line help) in
// Russian, whatever the user's locale: the program speaks Russian. Uses the translations that Qt
// installs beside itself; false, and Qt's English texts stay, when they are not there.
bool InstallRussianTranslations();

}  // namespace kvl::app
