#include "qt_text_box.h"

#include <QScrollBar>
#include <QTest>

using namespace kestrune;

class TestTextBoxes : public QObject {
    Q_OBJECT

private slots:
    void multiLineKeepsTheTextAsSet_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF after every line") << "x\r\ny\r\n"
                                                << "x\ny\n";
        QTest::newRow("bare CR and LF") << "a\rb\nc"
                                        << "a\nb\nc";
        QTest::newRow("empty") << ""
                               << "";
    }
    void multiLineKeepsTheTextAsSet()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QtMultiLineTextBox box;
        box.setText(text);
        QCOMPARE(box.Text(), text);
        QCOMPARE(box.toPlainText(), shown);
    }

    void multiLineIsReadOnlyWithVerticalScrollBar()
    {
        QtMultiLineTextBox box;
        box.setText(QStringLiteral("x\r\n"));
        QVERIFY(box.isReadOnly());
        QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        box.setFocus();
        QTest::keyClicks(&box, "typed");
        QCOMPARE(box.Text(), QStringLiteral("x\r\n"));
    }

    void multiLineSelectionCountsLineEndsAsSet()
    {
        QtMultiLineTextBox box;
        box.setText(QStringLiteral("ab\r\ncd"));
        box.setSelStart(4);  // just before "c"
        box.setSelLength(2);
        QCOMPARE(box.textCursor().selectedText(), QStringLiteral("cd"));
    }

    void singleLineSelectsFromTheStart()
    {
        QtTextBox box;
        box.setText(QStringLiteral("新規ディレクトリ"));
        box.setSelStart(0);
        box.setSelLength(static_cast<int>(box.Text().size()));
        QCOMPARE(box.selectedText(), QStringLiteral("新規ディレクトリ"));
        box.setSelStart(2);
        QVERIFY(box.selectedText().isEmpty());
        box.setSelLength(99);
        QCOMPARE(box.selectedText(), QStringLiteral("ディレクトリ"));
    }
};

QTEST_MAIN(TestTextBoxes)
#include "test_text_boxes.moc"
