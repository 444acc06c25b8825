// The start-up floor: the least a Qt Widgets program does to show the same
// window, the same twelve controls with the same texts at the same places,
// built from stock widgets with nothing behind them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

// Twips to pixels at 96 dots per inch.
QRect area(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Kestrune　0.03"));
    QFont small = window.font();
    small.setPointSize(9);
    window.setFont(small);
    window.setFixedSize(5985 / 15, 4455 / 15);

    auto* drive = new QComboBox(&window);
    drive->setGeometry(area(0, 120, 2775, 300));
    auto* dir = new QListWidget(&window);
    dir->setGeometry(area(0, 480, 2775, 1980));
    dir->setToolTip(QStringLiteral("フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。"));
    auto* list = new QListWidget(&window);
    list->setGeometry(area(2880, 120, 3015, 2400));
    auto* create = new QPushButton(QStringLiteral("フォルダー作成"), &window);
    create->setGeometry(area(2880, 3600, 1815, 735));
    auto* exit = new QPushButton(QStringLiteral("終了"), &window);
    exit->setGeometry(area(4920, 3600, 975, 735));
    auto* files = new QListWidget(&window);
    files->setGeometry(area(0, 2520, 2775, 1890));
    files->setToolTip(QStringLiteral("作成するフォルダー名が記述してあるファイルを選択して下さい。"));
    auto* parentName = new QLineEdit(&window);
    parentName->setGeometry(area(2880, 3000, 3015, 270));
    auto* label = new QLabel(QStringLiteral("親ディレクトリ名"), &window);
    label->setGeometry(area(2880, 2760, 1215, 180));
    auto* fillIn = new QCheckBox(QStringLiteral("既存のフォルダーに追加(&A)"), &window);
    fillIn->setGeometry(area(2880, 3270, 3015, 330));
    auto* frame = new QFrame(&window);
    frame->setGeometry(area(0, 0, 6015, 4455));
    auto* viewer = new QPlainTextEdit(QStringLiteral("readmeText"), frame);
    viewer->setGeometry(area(0, 0, 6015, 3975));
    auto* ok = new QPushButton(QStringLiteral("OK"), frame);
    ok->setGeometry(area(2280, 4080, 1455, 255));
    frame->hide();

    window.show();
    return QApplication::exec();
}
