#include "StartArguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

namespace kvl::app {

StartArguments ReadStartArguments(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral(u"Парсер файла оптимизации MT4: список проходов отчёта и экспорт их "
                     u"параметров в файлы *.set."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(
      QStringLiteral("REPORT"),
      QStringLiteral(u"Отчёт оптимизации (*.htm), открываемый при запуске."),
      QStringLiteral("[REPORT]"));
  parser.process(arguments);
  const QStringList reports = parser.positionalArguments();
  if (reports.size() > 1) {
    const QString mistake =
        QStringLiteral(u"Можно открыть только один отчёт, задано: %1.\n").arg(reports.size());
    std::fputs(mistake.toLocal8Bit().constData(), stderr);
    return {QString(), 1};
  }
  if (reports.isEmpty()) return {};
  return {QFileInfo(reports.first()).absoluteFilePath(), std::nullopt};
}

}  // namespace kvl::app
