#pragma once

#include <QStringView>

#include <array>
#include <stdexcept>

// The main window's layout as data: the window itself and its eleven controls
// in twips, in the order in which they are created (a container before what
// it holds).
namespace kestrune::layout {

enum class ControlClass {
    Panel,
    Button,
    TextField,
    FileList,
    ItemList,
    FolderList,
    DriveList,
    Label,
};

struct WindowLayout {
    QStringView name;
    int clientWidth;
    int clientHeight;
};

struct ControlLayout {
    QStringView name;
    ControlClass cls;
    QStringView inside;  // the form or the frame; Left and Top count from its corner
    int left;
    int top;
    int width;
    int height;
    int tabIndex;
    QStringView text = {};  // caption or text
    QStringView toolTip = {};
    QStringView pattern = {};  // file list only
    bool multiLine = false;    // text box only
};

inline constexpr WindowLayout mainWindow{
    .name = u"mainWindow",
    .clientWidth = 5985,
    .clientHeight = 4455,
};

// The names list's context menu, and Ctrl+Z.
inline constexpr QStringView undoCaption = u"作成を取り消す";

// clang-format off
using C = ControlClass;
inline constexpr std::array<ControlLayout, 11> controls{{
    // name        class             inside      Left  Top   Width Height TabIndex  caption or text
    {u"readmePanel",   C::Panel,         u"mainWindow",    0,    0, 6015, 4455,  8},
    {u"readmeOkButton", C::Button, u"readmePanel",  2280, 4080, 1455,  255, 10, u"OK"},
    {u"readmeText",    C::TextField,       u"readmePanel",     0,    0, 6015, 3975,  9, {}, {}, {}, /*multiLine*/ true},
    {u"parentNameEdit",    C::TextField,       u"mainWindow", 2880, 3000, 3015,  270,  6},
    {u"fileList",    C::FileList,   u"mainWindow",    0, 2520, 2775, 1890,  5, {},
     u"作成するフォルダー名が記述してあるファイルを選択して下さい。", /*pattern*/ u"*.txt"},
    {u"exitButton", C::Button, u"mainWindow", 4920, 3600,  975,  735,  4, u"終了"},
    {u"createButton", C::Button, u"mainWindow", 2880, 3600, 1815,  735,  3, u"フォルダー作成"},
    {u"namesList",    C::ItemList,       u"mainWindow", 2880,  120, 3015, 2400,  2},
    {u"folderList",     C::FolderList,    u"mainWindow",    0,  480, 2775, 1980,  1, {},
     u"フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。"},
    {u"driveList",   C::DriveList,  u"mainWindow",    0,  120, 2775,  300,  0},
    {u"parentNameLabel",   C::Label,         u"mainWindow", 2880, 2760, 1215,  180,  7, u"親ディレクトリ名"},
}};
// clang-format on

// The entry of the control named `name`.
constexpr const ControlLayout& control(QStringView name)
{
    for (const ControlLayout& entry : controls) {
        if (entry.name == name)
            return entry;
    }
    throw std::logic_error("no such control in the layout");
}

// Twips are 1/1440 inch: 15 to a logical pixel, which Qt scales on dense screens.
inline constexpr int TwipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

}  // namespace kestrune::layout
