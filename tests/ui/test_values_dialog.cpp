// The box that asks for a list's values: presets and recent values offered,
// typing replaces the preset, Enter accepts, Esc and closing leave it.

#include "posix_list_reader.h"
#include "qt_desktop.h"
#include "ui_texts.h"
#include "values_dialog.h"
#include "values_table_reading.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kestrune;
using Values = QHash<QString, QString>;

namespace {
const QString customer = QStringLiteral("顧客名");
const QString matter = QStringLiteral("案件");
const QDate preset(2026, 4, 1);

ValueQuestion question(const Values& current, const QHash<QString, QStringList>& recent, bool askDate = false)
{
    return {{customer, matter}, current, recent, askDate, preset};
}

// Tables read as the window reads them.
struct Tables {
    PosixListReader files;
    TextValuesTableReader reader{files};
};

QPushButton* buttonCaptioned(const QDialog& dialog, const QString& caption)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// Everything the box says, one label a line.
QString saidBy(const QDialog& dialog)
{
    QStringList said;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        said.append(label->text());
    return said.join(u'\n');
}
}  // namespace

class ValuesDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Keys go where the focus is: "<Tab>", "<Enter>", "<Esc>", or text;
    // "<close>" closes the box. `values` empty: the box was left.
    void answers_data()
    {
        QTest::addColumn<ValueQuestion>("asked");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("offered");  // in the first field
        QTest::addColumn<Values>("values");
        QTest::addColumn<QDate>("date");

        const QStringList recent{"Yamada", "Sato"};
        const QDate changed(2027, 4, 1);

        QTest::newRow("Enter accepts the presets")
            << question({{customer, "Kato"}, {matter, "A-1"}}, {{customer, recent}, {matter, {"A-1"}}})
            << QStringList{"<Enter>"} << recent << Values{{customer, "Kato"}, {matter, "A-1"}} << preset;
        QTest::newRow("typing replaces the preset")
            << question({{customer, "Yamada"}, {matter, "A-1"}}, {}) << QStringList{"Ito", "<Tab>", "B-2", "<Enter>"}
            << QStringList{} << Values{{customer, "Ito"}, {matter, "B-2"}} << preset;
        QTest::newRow("Enter takes what was typed, not a match")
            << question({}, {{customer, recent}}) << QStringList{"Ya", "<Enter>"} << recent
            << Values{{customer, "Ya"}, {matter, ""}} << preset;
        QTest::newRow("date asked") << question({}, {}, true) << QStringList{"<Tab>", "<Tab>", "2027", "<Enter>"}
                                    << QStringList{} << Values{{customer, ""}, {matter, ""}} << changed;
        QTest::newRow("Esc leaves") << question({}, {}, true) << QStringList{"Ito", "<Esc>"} << QStringList{}
                                    << Values{} << QDate();
        QTest::newRow("closing leaves") << question({}, {}) << QStringList{"<close>"} << QStringList{} << Values{}
                                        << QDate();
    }
    void answers()
    {
        QFETCH(ValueQuestion, asked);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, offered);
        QFETCH(Values, values);
        QFETCH(QDate, date);

        Tables tables;
        ValuesDialog dialog(asked, tables.reader);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->isHidden())  // what the box says of a table, when there is one
                labels.append(label->text());
        }
        const QStringList rows{"顧客名：", "案件："};
        QCOMPARE(labels, asked.askDate ? rows + QStringList{"基準日："} : rows);
        QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("キャンセル"));
        const auto* dateField = dialog.findChild<QDateEdit*>();
        QCOMPARE(dateField != nullptr, asked.askDate);
        if (asked.askDate)
            QCOMPARE(dateField->text(), QStringLiteral("2026/04/01"));
        QComboBox* first = dialog.findChildren<QComboBox*>().value(0);
        QVERIFY(first);
        QStringList items;
        for (int i = 0; i < first->count(); ++i)
            items.append(first->itemText(i));
        QCOMPARE(items, offered);
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(first->lineEdit()->selectedText(), first->currentText());

        for (const QString& action : actions) {
            QWidget* focus = QApplication::focusWidget();
            const QHash<QString, Qt::Key> keys{
                {"<Enter>", Qt::Key_Return}, {"<Esc>", Qt::Key_Escape}, {"<Tab>", Qt::Key_Tab}};
            if (action == "<close>")
                dialog.close();
            else if (keys.contains(action))
                QTest::keyClick(focus, keys[action]);
            else
                QTest::keyClicks(focus, action);
        }

        QVERIFY(dialog.isHidden());
        const std::optional<ValueAnswer> answer = dialog.outcome();
        QCOMPARE(answer.has_value(), !values.isEmpty());
        if (answer) {
            QCOMPARE(answer->values, values);
            QCOMPARE(answer->date, date);
        }
    }

    // A table pasted or read from a file fills the fields its columns name,
    // one tree a row; the other fields stay open, and Enter still accepts.
    // Actions: "<paste>" the clipboard holding `text`, "<file>" a file holding
    // it, "<drop>" the table dropped, "<Enter>", or text typed.
    void aTableFillsTheFieldsItsColumnsName_data()
    {
        QTest::addColumn<ValueQuestion>("asked");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QList<bool>>("open");  // each field, after the actions
        QTest::addColumn<Values>("values");
        QTest::addColumn<int>("rows");  // in the table answered
        QTest::addColumn<bool>("fromFile");

        const ValueQuestion presets = question({{customer, "Kato"}, {matter, "A-1"}}, {});
        const QString clients = QStringLiteral("顧客名\t備考\r\nA社\tx\r\nB社\ty\r\n");
        QTest::newRow("pasted: the other field typed")
            << presets << clients << QStringList{"<paste>", "B-2", "<Enter>"} << QList<bool>{false, true}
            << Values{{matter, "B-2"}} << 2 << false;
        QTest::newRow("from a file: Enter at once")
            << presets << QStringLiteral("案件,顧客名\n1,A社\n2,B社\n3,C社\n") << QStringList{"<file>", "<Enter>"}
            << QList<bool>{false, false} << Values{} << 3 << true;
        QTest::newRow("refused: as without a table")
            << presets << QStringLiteral("顧客名\t備考\r\n") << QStringList{"<paste>", "<Enter>"}
            << QList<bool>{true, true} << Values{{customer, "Kato"}, {matter, "A-1"}} << 0 << false;
        QTest::newRow("dropped: the presets are back")
            << presets << clients << QStringList{"<paste>", "<drop>", "<Enter>"} << QList<bool>{true, true}
            << Values{{customer, "Kato"}, {matter, "A-1"}} << 0 << false;
        ValueQuestion again = presets;
        again.table = valuesTableFrom({"顧客名", "A社"}).table;
        QTest::newRow("the table in use is kept") << again << QString() << QStringList{"<Enter>"}
                                                  << QList<bool>{false, true} << Values{{matter, "A-1"}} << 1 << false;
    }
    void aTableFillsTheFieldsItsColumnsName()
    {
        QFETCH(ValueQuestion, asked);
        QFETCH(QString, text);
        QFETCH(QStringList, actions);
        QFETCH(QList<bool>, open);
        QFETCH(Values, values);
        QFETCH(int, rows);
        QFETCH(bool, fromFile);

        Tables tables;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("顧客.csv"));
        ValuesDialog dialog(asked, tables.reader);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        for (const QString& action : actions) {
            if (action == "<paste>") {
                QGuiApplication::clipboard()->setText(text);
                QTest::mouseClick(buttonCaptioned(dialog, texts::pasteTableCaption), Qt::LeftButton);
            } else if (action == "<file>") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) > 0);
                file.close();
                // The file box is answered as soon as it shows.
                QTimer::singleShot(0, [&path] {
                    if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                        files->selectFile(path);
                        static_cast<QDialog*>(files)->accept();  // QFileDialog hides its accept()
                    }
                });
                QTest::mouseClick(buttonCaptioned(dialog, texts::tableFileCaption), Qt::LeftButton);
                // Back to the box, as a window manager brings it back once the file box closes.
                dialog.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
            } else if (action == "<drop>") {
                QTest::mouseClick(buttonCaptioned(dialog, texts::dropTableCaption), Qt::LeftButton);
            } else if (action == "<Enter>") {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            } else {
                QTest::keyClicks(QApplication::focusWidget(), action);
            }
            if (action != "<Enter>" && rows > 0) {
                // The table shows: its first rows, and the column it does not use named.
                QCOMPARE(dialog.findChild<QTableWidget*>()->rowCount(), rows);
                QCOMPARE(saidBy(dialog).contains(QStringLiteral("備考")), text.contains("備考"));
            }
        }
        QVERIFY(dialog.isHidden());
        const std::optional<ValueAnswer> answer = dialog.outcome();
        QVERIFY(answer.has_value());
        QCOMPARE(answer->values, values);
        QCOMPARE(answer->table.rows.size(), rows);
        QCOMPARE(answer->table.filePath, fromFile ? path : QString());
        const QList<QComboBox*> fields = dialog.findChildren<QComboBox*>();
        QCOMPARE(QList<bool>({fields.at(0)->isEnabled(), fields.at(1)->isEnabled()}), open);
    }

    // Through the window's desktop: modal, with the arrow over a busy pointer.
    void askedThroughTheDesktop()
    {
        Tables tables;
        QtDesktop desktop(QStringLiteral("Kestrune"), tables.reader);
        desktop.setPointerShape(BusyPointer);
        Qt::CursorShape pointer = Qt::WaitCursor;
        QTimer::singleShot(0, [&] {
            pointer = QGuiApplication::overrideCursor()->shape();
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyClick(box, Qt::Key_Return);
        });
        QTimer::singleShot(2000, [] {  // a box left open fails the test instead of hanging it
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });

        const std::optional<ValueAnswer> answer = desktop.askValues(question({{customer, "Kato"}}, {}));
        desktop.setPointerShape(NormalPointer);
        QVERIFY(answer.has_value());
        QCOMPARE(answer->values.value(customer), QStringLiteral("Kato"));
        QCOMPARE(pointer, Qt::ArrowCursor);
    }
};

QTEST_MAIN(ValuesDialogTest)
#include "test_values_dialog.moc"
