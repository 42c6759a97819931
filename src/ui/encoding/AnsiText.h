#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kvl::ui {

// Pass texts and set files are in the ANSI code page; Qt shows UTF-16.
QString AnsiToQString(std::string_view ansi);
std::string QStringToAnsi(const QString& text);

}  // namespace kvl::ui
