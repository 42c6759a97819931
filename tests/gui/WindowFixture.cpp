#include "WindowFixture.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <ui/mainwindow/LoadedReport.h>

#include "ReportText.h"

using namespace kvl::core;
using namespace kvl::ui;

WindowFixture::WindowFixture() {
  const QString settings = QString::fromStdString(settingsFolder_.Path().string());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
  form_ = std::make_unique<MainWindow>();
  openDialog_ = std::make_unique<FileDialogUser>(form_->OpenDialog(), Folder());
  saveDialog_ = std::make_unique<FileDialogUser>(form_->SaveDialog(), Folder());
  form_->show();
  if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("window not exposed");
}

WindowFixture::~WindowFixture() = default;

QString WindowFixture::Folder() const {
  return QString::fromStdString(folder_.Path().string());
}

QString WindowFixture::Path(const QString& name) const {
  return QDir(Folder()).filePath(name);
}

QString WindowFixture::WriteFile(const QString& name, const std::string& bytes) const {
  return QString::fromStdString(folder_.Write(name.toStdString(), bytes));
}

QString WindowFixture::WriteReport(const QString& name,
                                   const std::vector<GeneratedPass>& passes) const {
  return WriteFile(name, ReportText(passes));
}

std::string WindowFixture::ReadFile(const QString& name) const {
  return ReadBytes((folder_.Path() / name.toStdString()).string());
}

void WindowFixture::LoadThroughButton(const QString& report) {
  openDialog_->Confirm(report);
  QTest::mouseClick(ControlOf<QPushButton>(*form_, "RzButton1"), Qt::LeftButton);
}

std::vector<GeneratedPass> NumberedPasses(const std::vector<std::vector<std::string>>& figures) {
  std::vector<GeneratedPass> passes;
  for (const auto& row : figures) {
    const std::size_t k = passes.size() + 1;
    passes.push_back({std::to_string(k),
                      "P=" + std::to_string(k) + "; Q=" + std::to_string(k * 10) + "; ", row.at(0),
                      row.at(1), row.at(2), row.at(3), row.at(4), row.at(5)});
  }
  return passes;
}
