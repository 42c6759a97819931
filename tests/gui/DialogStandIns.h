#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include <ui/messages/MessageBoxes.h>

namespace kvl::ui {
class FileDialog;
}

// Stands in for the user of one of the window's file dialogs, which shows `folder`. Each answer
// given beforehand serves one showing, in order; a showing that finds no answer left is
// cancelled and counted.
class FileDialogUser {
 public:
  FileDialogUser(kvl::ui::FileDialog& dialog, QString folder);
  ~FileDialogUser();
  FileDialogUser(const FileDialogUser&) = delete;
  FileDialogUser& operator=(const FileDialogUser&) = delete;

  // Confirms `name`: a full path or a name in the folder; a null name confirms the name that
  // the window proposed.
  void Confirm(const QString& name = QString());
  void Cancel();

  // The file name that the window proposed, one per showing, oldest first.
  const QStringList& Proposed() const { return proposed_; }
  int UnusedAnswers() const { return static_cast<int>(answers_.size()); }
  int ShowingsWithoutAnswer() const { return withoutAnswer_; }

 private:
  bool Answer(kvl::ui::FileDialog& shown);

  kvl::ui::FileDialog& dialog_;
  QString folder_;
  std::deque<std::optional<QString>> answers_;
  QStringList proposed_;
  int withoutAnswer_ = 0;
};

// What a message box would have shown.
struct ShownBox {
  QString caption;
  QString text;
  bool operator==(const ShownBox&) const = default;
};
char* toString(const ShownBox& box);

// Stands in for one kind of message box, through its seam, while it lives and keeps what each
// box would have shown.
class ShownBoxes {
 public:
  explicit ShownBoxes(kvl::ui::BoxStandIn& seam);
  ~ShownBoxes();
  ShownBoxes(const ShownBoxes&) = delete;
  ShownBoxes& operator=(const ShownBoxes&) = delete;

  // The boxes shown since the last call, oldest first.
  QList<ShownBox> Take();
  // The texts of those boxes.
  QStringList TakeTexts();

 private:
  kvl::ui::BoxStandIn& seam_;
  QList<ShownBox> shown_;
};
