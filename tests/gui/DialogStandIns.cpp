#include "DialogStandIns.h"

#include <QDir>
#include <QTest>
#include <utility>

#include <ui/widgets/FileDialog.h>

using namespace kvl::ui;

FileDialogUser::FileDialogUser(FileDialog& dialog, QString folder)
    : dialog_(dialog), folder_(std::move(folder)) {
  dialog_.Chooser = [this](FileDialog& shown) { return Answer(shown); };
}

FileDialogUser::~FileDialogUser() {
  dialog_.Chooser = nullptr;
}

void FileDialogUser::Confirm(const QString& name) {
  answers_.emplace_back(name);
}

void FileDialogUser::Cancel() {
  answers_.emplace_back(std::nullopt);
}

bool FileDialogUser::Answer(FileDialog& shown) {
  proposed_.append(shown.FileName);
  if (answers_.empty()) {
    ++withoutAnswer_;
    return false;
  }
  const std::optional<QString> answer = std::move(answers_.front());
  answers_.pop_front();
  if (!answer) return false;
  shown.FileName = QDir(folder_).filePath(answer->isNull() ? shown.FileName : *answer);
  return true;
}

char* toString(const ShownBox& box) {
  return QTest::toString(box.caption + QStringLiteral(": ") + box.text);
}

ShownBoxes::ShownBoxes(BoxStandIn& seam) : seam_(seam) {
  seam_ = [this](const QString& caption, const QString& text) { shown_.append({caption, text}); };
}

ShownBoxes::~ShownBoxes() {
  seam_ = nullptr;
}

QList<ShownBox> ShownBoxes::Take() {
  return std::exchange(shown_, {});
}

QStringList ShownBoxes::TakeTexts() {
  QStringList texts;
  for (const ShownBox& box : Take()) texts.append(box.text);
  return texts;
}
