#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

namespace kvl::ui {

// A link that opens its address through the desktop's URL handler when clicked, and turns
// purple once it has been opened. A failure to open is silent.
class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& caption, QWidget* parent);

  QUrl URL;
  // Opens an address; true on success. The desktop's handler unless replaced.
  std::function<bool(const QUrl&)> Open;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void ShowColour(const QColor& colour);
};

}  // namespace kvl::ui
