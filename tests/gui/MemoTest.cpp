#include <QPlainTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "WindowTest.h"

using namespace kvl::ui;

namespace {

const QString kLongLine =
    QStringLiteral("TakeProfitDistance=150 StopLossDistance=300 TrailingStart=40 TrailingStep=10");

// Lines as the panel draws them: every block's laid-out lines, an empty last block not counted.
int DrawnLineCount(ParameterPanel& memo) {
  QTextDocument* document = memo.document();
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
  int lines = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    layout->ensureBlockLayout(block);
    lines += block.layout()->lineCount();
  }
  if (document->lastBlock().text().isEmpty()) --lines;
  return lines;
}

}  // namespace

class MemoTest : public WindowTest {
  Q_OBJECT

 private slots:
  void countsDisplayedLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("one line") << "a" << 1;
    QTest::newRow("final break not counted") << "a\r\nb\r\n" << 2;
    QTest::newRow("empty line inside") << "a\r\n\r\nb" << 3;
    QTest::newRow("only a break") << "\r\n" << 1;
  }
  void countsDisplayedLines() {
    QFETCH(QString, text);
    QFETCH(int, count);
    ParameterPanel& memo = *ControlOf<ParameterPanel>(window_->Form(), "RzMemo1");
    memo.SetText(text);
    QCOMPARE(memo.Lines.Count(), count);
    QCOMPARE(memo.Lines.Count(), DrawnLineCount(memo));
  }

  void aLongLineWrapsButStaysOneLineOfText() {
    ParameterPanel& memo = *ControlOf<ParameterPanel>(window_->Form(), "RzMemo1");
    memo.SetText(kLongLine);
    QVERIFY(memo.Lines.Count() > 1);
    QCOMPARE(memo.Lines.Count(), DrawnLineCount(memo));
    QCOMPARE(memo.Text(), kLongLine);
  }

  void deletingAWrappedLastLineTakesOnlyItsLastPiece() {
    ParameterPanel& memo = *ControlOf<ParameterPanel>(window_->Form(), "RzMemo1");
    memo.SetText("A=1\r\n" + kLongLine);
    const int count = memo.Lines.Count();
    QTextBlock last = memo.document()->lastBlock();
    const QTextLine lastLine = last.layout()->lineAt(last.layout()->lineCount() - 1);
    const QString kept = "A=1\r\n" + kLongLine.left(lastLine.textStart());

    memo.Lines.DeleteLastLine();

    QCOMPARE(memo.Text(), kept);
    QCOMPARE(memo.Lines.Count(), count - 1);
  }

  void saveToFileWritesAnsiWithCrLf() {
    ParameterPanel& memo = *ControlOf<ParameterPanel>(window_->Form(), "RzMemo1");
    memo.SetText(QStringLiteral(u"Имя=значение\r\nB=2"));
    memo.Lines.SaveToFile(window_->Path("out.set"));
    QCOMPARE(window_->ReadFile("out.set"),
             std::string("\xC8\xEC\xFF=\xE7\xED\xE0\xF7\xE5\xED\xE8\xE5\r\nB=2"));
  }

  // A no-break space is a character of its own in the code page; it must not become a blank.
  void textKeepsEveryCharacter() {
    ParameterPanel& memo = *ControlOf<ParameterPanel>(window_->Form(), "RzMemo1");
    memo.SetText(QStringLiteral(u"A=1\u00A02\r\nB=2"));
    QCOMPARE(memo.Text(), QStringLiteral(u"A=1\u00A02\r\nB=2"));
    memo.Lines.SaveToFile(window_->Path("nbsp.set"));
    QCOMPARE(window_->ReadFile("nbsp.set"), std::string("A=1\xA0"
                                                        "2\r\nB=2"));
  }
};

QTEST_MAIN(MemoTest)
#include "MemoTest.moc"
