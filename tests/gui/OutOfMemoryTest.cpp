#include <QTest>

#include <app/Application.h>

#include "AllocationLimit.h"
#include "GeneratedPasses.h"
#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::app;
using namespace kvl::ui;

namespace {

constexpr std::size_t kRefusedFrom = 1 << 20;

}  // namespace

class OutOfMemoryTest : public WindowTest {
  Q_OBJECT

 private slots:
  void aLoadThatRunsOutOfMemoryLeavesTheLoadedPassesUsable() {
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    window_->LoadThroughButton(window_->WriteReport(
        "small.htm",
        NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}, {"2.00", "2", "2", "2", "2", "2"}})));
    // Far more than any one allocation may take, so that reading it runs out of memory.
    const QString large = window_->WriteReport("large.htm", GeneratePasses(20000, 9));
    {
      const AllocationLimit limit(kRefusedFrom);
      window_->LoadThroughButton(large);
    }
    QCOMPARE(window_->ErrorBoxes().TakeTexts(), QStringList("Out of memory."));

    QCOMPARE(ColumnTexts(list, 1), QStringList({"1.00", "2.00"}));
    ClickHeader(list, 1);
    QCOMPARE(ColumnTexts(list, 0), QStringList({"2", "1"}));
    ClickRow(list, 0);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("P=2\r\nQ=20\r\n"));
  }
};

int main(int argc, char** argv) {
  Application application(argc, argv);
  OutOfMemoryTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "OutOfMemoryTest.moc"
