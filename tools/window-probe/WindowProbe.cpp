// A Qt plugin that looks at an installed program from inside: loaded into it through
// QT_QPA_GENERIC_PLUGINS, it waits until the event loop runs and has done the work that the
// program queued while starting (such as opening a report named on its command line), writes to
// standard output one line per visible window (its title and the rows of each list in it), then
// closes those windows, so that the program ends the way it does when the user closes it.

#include <QAbstractItemView>
#include <QApplication>
#include <QGenericPlugin>
#include <QHeaderView>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void Report(const QWidget& window) {
  QString line = QStringLiteral("window: ") + window.windowTitle();
  for (const QAbstractItemView* list : window.findChildren<QAbstractItemView*>()) {
    // A list's header is a view of the same model.
    if (list->model() == nullptr || qobject_cast<const QHeaderView*>(list) != nullptr) continue;
    line += QStringLiteral(" | rows: %1").arg(list->model()->rowCount());
  }
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

void InspectAndClose() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    Report(*window);
    window->close();
  }
}

}  // namespace

class WindowProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window-probe.json")

 public:
  QObject* create(const QString& /*key*/, const QString& /*specification*/) override {
    auto* probe = new QObject;
    // A zero timer fires once the program's event loop has started, after its window is shown.
    // It was queued while the application object was built, before anything the program queues
    // while starting; a second one, queued from the first, comes after all of that.
    QTimer::singleShot(0, probe, [probe] { QTimer::singleShot(0, probe, &InspectAndClose); });
    return probe;
  }
};

#include "WindowProbe.moc"
