#include "GuiTestSupport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "WindowPasses.h"

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 10000;

// Polls until a visible modal widget of type T is on top, then hands it to `act`. After the
// time limit it closes whatever modal widget is open, so a test fails instead of hanging.
template <class T>
void WhenModalOpens(std::function<void(T&)> act) {
  // Owned by the window under test, so a poll still waiting ends with the test; without a
  // window, by the application.
  auto* timer = new QTimer(FormMain != nullptr ? static_cast<QObject*>(FormMain) : qApp);
  auto waited = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, waited, act = std::move(act)] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (modal != nullptr && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(*modal);
      return;
    }
    *waited += kPollMs;
    if (*waited < kGiveUpMs) return;
    timer->stop();
    timer->deleteLater();
    if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
  });
  timer->start(kPollMs);
}

// Types `name` into the name box (a null name keeps what the box holds) and presses Enter.
void ConfirmName(QFileDialog& dialog, const QString& name) {
  auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!name.isNull()) {
    // The folder is listed in the background and the proposed name selected once it is; a
    // name typed before that could lose to the selection. Test folders hold a subfolder, which
    // every dialog lists.
    auto* files = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; })) {
      qWarning("the file dialog listed no files");
    }
    files->clearSelection();
    nameBox->setText(name);
  }
  QTest::keyClick(nameBox, Qt::Key_Return);
}

}  // namespace

WindowFixture::WindowFixture() {
  // A file dialog lists folders whatever its filter, so this one shows when it has listed.
  QDir(folder_.path()).mkdir(QStringLiteral("folder"));
  RowChosen = 0;
  ColumnSortFlags = {};
  form_ = std::make_unique<TFormMain>();
  FormMain = form_.get();
  form_->show();
  if (!QTest::qWaitForWindowExposed(form_.get())) qWarning("window not exposed");
}

WindowFixture::~WindowFixture() {
  FormMain = nullptr;
}

QString WindowFixture::WriteFile(const QString& name, const std::string& bytes) const {
  const QString path = Path(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size())) {
    qFatal("cannot write fixture %s", qPrintable(path));
  }
  return path;
}

void WhenFileDialogOpens(std::function<void(QFileDialog&)> answer) {
  WhenModalOpens<QFileDialog>(std::move(answer));
}

void ChooseInFileDialog(const QString& path) {
  WhenFileDialogOpens([path](QFileDialog& dialog) { ConfirmName(dialog, path); });
}

void TypeInFileDialog(const QString& folder, const QString& name) {
  WhenFileDialogOpens([folder, name](QFileDialog& dialog) {
    dialog.setDirectory(folder);
    ConfirmName(dialog, name);
  });
}

void CancelFileDialog() {
  WhenFileDialogOpens([](QFileDialog& dialog) { dialog.reject(); });
}

std::shared_ptr<ShownBox> WhenMessageBoxOpens() {
  auto shown = std::make_shared<ShownBox>();
  WhenModalOpens<QMessageBox>([shown](QMessageBox& box) {
    shown->shown = true;
    shown->title = box.windowTitle();
    shown->text = box.text();
    shown->icon = box.icon();
    shown->buttonCount = static_cast<int>(box.buttons().size());
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    shown->okButton = ok != nullptr;
    if (ok != nullptr) {
      ok->click();
    } else {
      box.reject();
    }
  });
  return shown;
}

void ClickRow(TListView& list, int row) {
  list.scrollTo(list.model()->index(row, 0));
  const QRect cell = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

void ClickBelowRows(TListView& list) {
  const QPoint point(20, list.viewport()->height() - 5);
  if (list.indexAt(point).isValid()) qFatal("the list is full to its bottom");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
}

void ClickHeader(TListView& list, int column) {
  QHeaderView* header = list.header();
  const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                     header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
}

void TypeText(QWidget& widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
  }
}

void LoadThroughButton(TFormMain& form, const QString& report) {
  ChooseInFileDialog(report);
  QTest::mouseClick(form.RzButton1, Qt::LeftButton);
}

QStringList ColumnTexts(TListView& list, int column) {
  QStringList texts;
  const QAbstractItemModel* model = list.model();
  for (int row = 0; row < model->rowCount(); ++row) {
    texts.append(model->data(model->index(row, column)).toString());
  }
  return texts;
}
