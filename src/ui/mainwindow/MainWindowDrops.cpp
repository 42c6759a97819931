#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "MainWindow.h"

namespace kvl::ui {

namespace {

// The local file that `data` carries, when it carries exactly one and nothing else.
QString DroppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
  return urls.first().toLocalFile();
}

}  // namespace

// A report file dropped anywhere on the window loads as a confirmed open does; the panel, which
// would take the file's name as text, does not see it. Anything else goes its usual way. The
// load waits until the drop is over, so the file manager is not held by a message box.
bool MainWindow::RouteDrop(QDropEvent* event) {
  const QString file = DroppedFile(event->mimeData());
  if (file.isEmpty()) return false;
  event->acceptProposedAction();
  if (event->type() == QEvent::Drop) OpenReportLater(file);
  return true;
}

}  // namespace kvl::ui
