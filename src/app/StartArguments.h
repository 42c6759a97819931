#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kvl::app {

// What the program's command line asks for.
struct StartArguments {
  // The report to open once the window is shown; empty for none.
  QString report;
  // Set when the command line is a mistake that has been reported: the program ends with it.
  std::optional<int> exitCode;
};

// Reads `arguments` (the program first) as `kvl-ridavu [REPORT]`. Help and version are printed
// and end the process with code 0, as a mistake with an unknown option ends it with code 1, both
// without a window. A report given by a relative name is found from the working folder.
StartArguments ReadStartArguments(const QStringList& arguments);

}  // namespace kvl::app
