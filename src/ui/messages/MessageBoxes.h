#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace kvl::ui {

// Answers in place of a message box (for runs without a user, such as tests): it is given the
// caption and the text that the box would show.
using BoxStandIn = std::function<void(const QString& caption, const QString& text)>;

// The executable's file name without its extension: the caption of every message box.
QString ApplicationTitle();

// A modal box with `icon`, one OK button, the application title as caption and `text`; when
// `standIn` is set, it answers instead.
void ShowOkBox(QMessageBox::Icon icon, const QString& text, const BoxStandIn& standIn);

// When set, answers in place of the information box.
extern BoxStandIn InformationBoxStandIn;

// A modal box with the information icon, one OK button and the application title as caption.
void ShowInformation(const QString& text);

// When set, answers in place of the warning box.
extern BoxStandIn WarningBoxStandIn;

// The same with the warning icon: the user asked for something that cannot be done as asked.
void ShowWarning(const QString& text);

}  // namespace kvl::ui
