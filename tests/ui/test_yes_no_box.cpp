// The yes/no box: はい is the default, Esc and closing answer いいえ.

#include "yes_no_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kestrune;

class YesNoBoxTest : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("click はい") << "はい" << true;
        QTest::newRow("click いいえ") << "いいえ" << false;
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("close") << "close" << false;
    }
    void answers()
    {
        QFETCH(QString, action);
        QFETCH(bool, yes);
        QStringList buttons;
        // Answers once the box is up; a box left open fails the test instead of hanging it.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            for (QAbstractButton* button : box->buttons())
                buttons.append(button->text());
            if (action == "Enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (action == "Esc")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (action == "close")
                box->close();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == action)
                    button->click();
        });
        QTimer::singleShot(2000, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });

        QCOMPARE(askYesNo(nullptr, QStringLiteral("作成の取り消し"), QStringLiteral("削除しますか？")), yes);
        QCOMPARE(buttons, (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    }
};

QTEST_MAIN(YesNoBoxTest)
#include "test_yes_no_box.moc"
