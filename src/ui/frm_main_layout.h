#pragma once

#include <QStringView>

#include <array>
#include <stdexcept>

// The main window's layout as data: the window itself and its eleven controls
// in twips, in the order in which they are created (a container before what
// it holds).
namespace kestrune::layout {

enum class ControlClass {
    Frame,
    CommandButton,
    TextBox,
    FileListBox,
    ListBox,
    DirListBox,
    DriveListBox,
    Label,
};

struct FormLayout {
    QStringView name;
    QStringView caption;  // replaced at load; never seen
    int clientWidth;
    int clientHeight;
    QStringView linkTopic;  // kept for what it names; nothing uses it
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

inline constexpr FormLayout frmMain{
    .name = u"frmMain",
    .caption = u"Kestrune　Ver.0.02",
    .clientWidth = 5985,
    .clientHeight = 4455,
    .linkTopic = u"Form1",
};

// clang-format off
using C = ControlClass;
inline constexpr std::array<ControlLayout, 11> controls{{
    // name        class             inside      Left  Top   Width Height TabIndex  caption or text
    {u"Frame1",   C::Frame,         u"frmMain",    0,    0, 6015, 4455,  8},
    {u"Command1", C::CommandButton, u"Frame1",  2280, 4080, 1455,  255, 10, u"OK"},
    {u"Text2",    C::TextBox,       u"Frame1",     0,    0, 6015, 3975,  9, u"Text2", {}, {}, /*multiLine*/ true},
    {u"Text1",    C::TextBox,       u"frmMain", 2880, 3000, 3015,  270,  6, u"Text1"},
    {u"File1",    C::FileListBox,   u"frmMain",    0, 2520, 2775, 1890,  5, {},
     u"作成するフォルダー名が記述してあるファイルを選択して下さい。", /*pattern*/ u"*.txt"},
    {u"Command3", C::CommandButton, u"frmMain", 4920, 3600,  975,  735,  4, u"終了"},
    {u"Command2", C::CommandButton, u"frmMain", 2880, 3600, 1815,  735,  3, u"フォルダー作成"},
    {u"List1",    C::ListBox,       u"frmMain", 2880,  120, 3015, 2400,  2},
    {u"Dir1",     C::DirListBox,    u"frmMain",    0,  480, 2775, 1980,  1, {},
     u"フォルダー名の記述してあるファイルがある、フォルダーを選択して下さい。"},
    {u"Drive1",   C::DriveListBox,  u"frmMain",    0,  120, 2775,  300,  0},
    {u"Label1",   C::Label,         u"frmMain", 2880, 2760, 1215,  180,  7, u"親ディレクトリ名"},
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
