#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include <app/Translations.h>
#include <ui/comparison/ComparisonTexts.h>
#include <ui/comparison/ComparisonWindow.h>
#include <ui/comparison/JoinedPassesModel.h>
#include <ui/messages/ErrorReport.h>
#include <ui/parametermap/ParameterMapWindow.h>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;
using namespace kvl::app;

namespace {

constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 10000;

// Polls until a visible modal widget of type T is on top, then hands it to `act`. After the
// time limit it closes whatever modal widget is open, so a test fails instead of hanging.
// The main window of the test that runs.
QWidget* WindowUnderTest() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<MainWindow*>(window) != nullptr) return window;
  }
  return nullptr;
}

template <class T>
void WhenModalOpens(std::function<void(T&)> act) {
  // Owned by the window under test, so a poll still waiting ends with the test.
  auto* timer = new QTimer(WindowUnderTest());
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
    // name typed before that could lose to the selection. The test folder holds a subfolder,
    // which every dialog lists.
    auto* files = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) > 0; })) {
      qWarning("the file dialog listed no files");
    }
    files->clearSelection();
    nameBox->setText(name);
  }
  QTest::keyClick(nameBox, Qt::Key_Return);
}

// A file dialog's settings and the name in its name box, as it was shown.
struct ShownFileDialog {
  bool shown = false;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  bool native = true;
  bool confirmsOverwrite = true;
  QStringList nameFilters;
  QString defaultSuffix;
  QString proposed;
  QString folder;
  // Captions without their mnemonic marks.
  QString acceptCaption;
  QString cancelCaption;
  QString nameLabel;
};

QString Caption(QString text) {
  return text.remove(u'&');
}

// Reads the next file dialog, then lets `answer` answer it.
std::shared_ptr<ShownFileDialog> WhenFileDialogOpens(std::function<void(QFileDialog&)> answer) {
  auto shown = std::make_shared<ShownFileDialog>();
  WhenModalOpens<QFileDialog>([shown, answer = std::move(answer)](QFileDialog& dialog) {
    shown->shown = true;
    shown->mode = dialog.acceptMode();
    shown->native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
    shown->confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
    shown->nameFilters = dialog.nameFilters();
    shown->defaultSuffix = dialog.defaultSuffix();
    shown->proposed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
    shown->folder = dialog.directory().absolutePath();
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    const QDialogButtonBox::StandardButton accept =
        shown->mode == QFileDialog::AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save;
    shown->acceptCaption = Caption(buttons->button(accept)->text());
    shown->cancelCaption = Caption(buttons->button(QDialogButtonBox::Cancel)->text());
    shown->nameLabel = Caption(dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text());
    answer(dialog);
  });
  return shown;
}

// What a message box showed, filled in when it is answered with its OK button.
struct ShownMessageBox {
  bool answered = false;
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

std::shared_ptr<ShownMessageBox> WhenMessageBoxOpens() {
  auto shown = std::make_shared<ShownMessageBox>();
  WhenModalOpens<QMessageBox>([shown](QMessageBox& box) {
    shown->caption = box.windowTitle();
    shown->text = box.text();
    shown->icon = box.icon();
    shown->buttons = box.standardButtons();
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    if (ok == nullptr) return box.reject();
    shown->answered = true;
    ok->click();
  });
  return shown;
}

}  // namespace

// The window's file dialogs and its error box as Qt shows them, in Russian as the program shows
// them. The other suites answer them through stand-ins; these show that the real ones get the
// settings and texts that the stand-ins take for granted, and give back what they are answered.
class RealDialogsTest : public WindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(InstallRussianTranslations()); }

  void theFileDialogsShowTheWindowsSettingsAndGiveTheConfirmedName() {
    MainWindow& form = window_->Form();
    form.OpenDialog().Chooser = nullptr;
    form.SaveDialog().Chooser = nullptr;
    QDir(window_->Folder()).mkdir(QStringLiteral("folder"));
    const QString report = window_->WriteReport(
        "report.htm",
        NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}, {"2.00", "2", "2", "2", "2", "2"}}));

    const auto open =
        WhenFileDialogOpens([report](QFileDialog& dialog) { ConfirmName(dialog, report); });
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzButton1"), Qt::LeftButton);
    QVERIFY(open->shown);
    QCOMPARE(open->mode, QFileDialog::AcceptOpen);
    QVERIFY(open->native);
    QCOMPARE(open->acceptCaption, QStringLiteral(u"Открыть"));
    QCOMPARE(open->cancelCaption, QStringLiteral(u"Отмена"));
    QCOMPARE(open->nameLabel, QStringLiteral(u"Имя файла:"));
    QCOMPARE(open->nameFilters, QStringList("*.htm (*.htm)"));
    QCOMPARE(open->defaultSuffix, QString("htm"));
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 2);

    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    const auto save =
        WhenFileDialogOpens([](QFileDialog& dialog) { ConfirmName(dialog, QString()); });
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QVERIFY(save->shown);
    QCOMPARE(save->mode, QFileDialog::AcceptSave);
    QVERIFY(save->native);
    QCOMPARE(save->acceptCaption, QStringLiteral(u"Сохранить"));
    // The folder of the report just chosen.
    QCOMPARE(save->folder, window_->Folder());
    QVERIFY(!save->confirmsOverwrite);
    QCOMPARE(save->nameFilters, QStringList("MT4 (*.set)"));
    QCOMPARE(save->defaultSuffix, QString("set"));
    QCOMPARE(save->proposed, QString("2"));
    QCOMPARE(window_->ReadFile("2.set"), std::string("P=2\r\nQ=20\r\n"));
  }

  void theMapsPictureDialogProposesAPngAndGivesTheConfirmedName() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(window_->WriteReport(
        "report.htm",
        NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}, {"2.00", "2", "2", "2", "2", "2"}})));
    ParameterMapWindow* map = OpenParameterMap(form, 0);
    QVERIFY(map != nullptr);
    const QString picture = window_->Path("map.png");
    const auto save =
        WhenFileDialogOpens([picture](QFileDialog& dialog) { ConfirmName(dialog, picture); });
    QTest::mouseClick(map->SaveButton, Qt::LeftButton);
    QVERIFY(save->shown);
    QCOMPARE(save->mode, QFileDialog::AcceptSave);
    QCOMPARE(save->nameFilters, QStringList("PNG (*.png)"));
    QCOMPARE(save->defaultSuffix, QString("png"));
    QCOMPARE(save->proposed, QStringLiteral(u"карта P-Q.png"));
    QVERIFY(!QImage(picture, "PNG").isNull());
  }

  void theComparisonsOpenDialogGivesTheReportToCompareWith() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(QString::fromStdString(DataPath("compare-base.htm")));
    form.OpenDialog().Chooser = nullptr;
    const QString other = QString::fromStdString(DataPath("compare-oos.htm"));
    const auto open =
        WhenFileDialogOpens([other](QFileDialog& dialog) { ConfirmName(dialog, other); });
    QVERIFY(ChooseListMenuItem(form, 0, CompareMenuText()));
    QVERIFY(open->shown);
    QCOMPARE(open->mode, QFileDialog::AcceptOpen);
    QCOMPARE(open->acceptCaption, QStringLiteral(u"Открыть"));
    QCOMPARE(open->nameFilters, QStringList("*.htm (*.htm)"));
    QVERIFY(form.Comparison() != nullptr);
    QCOMPARE(form.Comparison()->Passes->rowCount(), 5);
  }

  void theWarningBoxShowsItsTextWithTheWarningIcon() {
    WarningBoxStandIn = nullptr;
    window_->LoadThroughButton(
        window_->WriteReport("report.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}})));
    const QString empty = window_->WriteFile("empty.htm", "");
    window_->OpenDialog().Confirm(empty);
    const auto box = WhenMessageBoxOpens();
    QVERIFY(ChooseListMenuItem(window_->Form(), 0, CompareMenuText()));
    QVERIFY(box->answered);
    QCOMPARE(box->caption, QString("RealDialogsTest"));
    QCOMPARE(box->text,
             QStringLiteral(u"В файле «%1» нет таблицы результатов оптимизации.").arg(empty));
    QCOMPARE(box->icon, QMessageBox::Warning);
    QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  // As in a later run: the folder is kept in the user's settings, not in the window.
  void aNewWindowsDialogOpensInTheFolderChosenLast() {
    MainWindow& form = window_->Form();
    form.OpenDialog().Chooser = nullptr;
    QDir(window_->Folder()).mkdir(QStringLiteral("reports"));
    const QString report = window_->WriteReport(
        "reports/one.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}}));
    const auto chosen =
        WhenFileDialogOpens([report](QFileDialog& dialog) { ConfirmName(dialog, report); });
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzButton1"), Qt::LeftButton);
    QVERIFY(chosen->shown);
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 1);

    MainWindow next;
    next.show();
    const auto proposed = WhenFileDialogOpens([](QFileDialog& dialog) { dialog.reject(); });
    QTest::mouseClick(ControlOf<QPushButton>(next, "RzButton1"), Qt::LeftButton);
    QVERIFY(proposed->shown);
    QCOMPARE(proposed->folder, window_->Path("reports"));
  }

  void theErrorBoxShowsTheFailureAndClosesWithOk() {
    ErrorBoxStandIn = nullptr;
    const QString missing = window_->Path("missing.htm");
    const auto box = WhenMessageBoxOpens();
    window_->LoadThroughButton(missing);
    QVERIFY(box->answered);
    QCOMPARE(box->caption, QString("RealDialogsTest"));
    QCOMPARE(box->text,
             QString("Cannot open file \"%1\". No such file or directory.").arg(missing));
    QCOMPARE(box->icon, QMessageBox::Critical);
    QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void theInformationBoxShowsItsTextAndClosesWithOk() {
    InformationBoxStandIn = nullptr;
    const QString empty = window_->WriteFile("empty.htm", "");
    const auto box = WhenMessageBoxOpens();
    window_->LoadThroughButton(empty);
    QVERIFY(box->answered);
    QCOMPARE(box->caption, QString("RealDialogsTest"));
    QCOMPARE(box->text,
             QStringLiteral(u"В файле «%1» нет таблицы результатов оптимизации.").arg(empty));
    QCOMPARE(box->icon, QMessageBox::Information);
    QCOMPARE(box->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }
};

QTEST_MAIN(RealDialogsTest)
#include "RealDialogsTest.moc"
