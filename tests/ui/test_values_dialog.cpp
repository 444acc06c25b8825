// The box that asks for a list's values: presets and recent values offered,
// typing replaces the preset, Enter accepts, Esc and closing leave it.

#include "qt_desktop.h"
#include "values_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

        ValuesDialog dialog(asked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels.append(label->text());
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

    // Through the window's desktop: modal, with the arrow over a busy pointer.
    void askedThroughTheDesktop()
    {
        QtDesktop desktop(QStringLiteral("Kestrune"));
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
