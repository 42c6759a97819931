#pragma once

#include <QPushButton>

// A push button that Enter and the keypad's Enter press, as Space does. Qt's own buttons take
// Enter only inside a dialog.
class TButton : public QPushButton {
 public:
  TButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
