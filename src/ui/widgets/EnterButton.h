#pragma once

#include <QPushButton>

namespace kvl::ui {

// A push button that Enter and the keypad's Enter press, as Space does. Qt's own buttons take
// Enter only inside a dialog.
class EnterButton : public QPushButton {
 public:
  EnterButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kvl::ui
