#include "qt_text_field.h"

#include <QScrollBar>
#include <QTest>

using namespace kestrune;

class TextFieldsTest : public QObject {
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
        QtTextArea box;
        box.setText(text);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.toPlainText(), shown);
    }

    void multiLineIsReadOnlyWithVerticalScrollBar()
    {
        QtTextArea box;
        box.setText(QStringLiteral("x\r\n"));
        QVERIFY(box.isReadOnly());
        QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        box.setFocus();
        QTest::keyClicks(&box, "typed");
        QCOMPARE(box.text(), QStringLiteral("x\r\n"));
    }

    void multiLineSelectionCountsLineEndsAsSet()
    {
        QtTextArea box;
        box.setText(QStringLiteral("ab\r\ncd"));
        box.setSelectionStart(4);  // just before "c"
        box.setSelectionLength(2);
        QCOMPARE(box.textCursor().selectedText(), QStringLiteral("cd"));
    }

    void singleLineSelectsFromTheStart()
    {
        QtTextField box;
        box.setText(QStringLiteral("新規ディレクトリ"));
        box.setSelectionStart(0);
        box.setSelectionLength(static_cast<int>(box.text().size()));
        QCOMPARE(box.selectedText(), QStringLiteral("新規ディレクトリ"));
        box.setSelectionStart(2);
        QVERIFY(box.selectedText().isEmpty());
        box.setSelectionLength(99);
        QCOMPARE(box.selectedText(), QStringLiteral("ディレクトリ"));
    }
};

QTEST_MAIN(TextFieldsTest)
#include "test_text_fields.moc"
