// Any bytes a person could pick as a list file, read the way the file click
// reads them, then put through the checks the create button makes on names.
// Checks the load against a plain re-reading of the same bytes. The bytes are
// read from memory, through the file reader's own decoding, so that no file
// is written and read back for each input.

#include "folder_names.h"
#include "fuzz_support.h"
#include "memory_line_reader.h"
#include "native_path.h"
#include "posix_line_reader.h"
#include "text.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>

using namespace kestrune;
using fuzz::require;

namespace {

constexpr std::int16_t earlierCount = 7;  // nameCount left by an earlier load

// The text split at CR, LF and CR LF; a final line end adds no empty line.
QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] != u'\r' && text[at] != u'\n') {
            ++at;
            continue;
        }
        lines.append(text.mid(start, at - start));
        if (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
            ++at;
        start = ++at;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QStringList withoutLeadingMarks(QStringList lines)
{
    for (QString& line : lines) {
        if (line.startsWith(QChar::ByteOrderMark))
            line.remove(0, 1);
    }
    return lines;
}

// Half a surrogate pair, or U+FFFF, which is no character: a UTF-16 line
// holding either fails to read.
bool isBrokenUtf16(const QString& text)
{
    if (text.contains(QChar(u'\uFFFF')))
        return true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// The whole file decoded at once, then split: no byte of code page 932 can be
// CR or LF inside a character, so this is what line-by-line reading must give.
// None for a UTF-16 file that some line of cannot be read from.
std::optional<QStringList> expectedNames(QByteArray bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        const QStringList lines = splitLines(decoder.decode(bytes.mid(2)));
        if (bytes.size() % 2 != 0 || std::any_of(lines.begin(), lines.end(), isBrokenUtf16))
            return std::nullopt;
        return withoutLeadingMarks(lines);
    }
    const bool utf8 = isUtf8(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (utf8) {
        // Every U+FEFF decoded, so that the one at a line's start can be dropped as the reader does.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return withoutLeadingMarks(splitLines(decoder.decode(bytes)));
    }
    QStringDecoder cp932("windows-31j", QStringDecoder::Flag::Stateless);
    require(cp932.isValid(), "code page 932 decoder");
    // A lead byte at the very end has nothing after it to show it is cut off.
    QString text = cp932.decode(bytes + '\n');
    text.chop(1);
    return splitLines(text);
}

// What the create button's checks promise about one name.
void checkNameRules(const QString& name)
{
    const QStringList levels = folderLevels(name);
    for (const QString& level : levels) {
        require(!level.isEmpty() && level != u".", "no empty or \".\" level");
        require(!level.contains(u'/') && !level.contains(u'\\'), "a level holds no separator");
    }
    const bool makeable = isMakeableName(name);
    if (name.contains(QChar(u'\0')))
        require(!makeable, "a name with NUL is refused");
    if (makeable) {
        require(!hasControlCharacter(name), "a makeable name has no control character");
        const QString parent = QStringLiteral("/base/parent");
        QString path = parent;
        path.reserve(parent.size() + name.size() + 1);
        for (const QString& level : levels) {
            path += u'/';
            path += level;
        }
        const QString clean = QDir::cleanPath(path);
        require(clean == path, "a makeable name is already in its clean form");
        require(levels.isEmpty() || (clean.startsWith(parent) && clean.at(parent.size()) == u'/'),
                "a makeable name stays in the parent");
        const QByteArray native = '/' + nativePath(path) + '/';
        require(!native.contains("/../"), "no \"..\" level reaches the OS");
    }
    const QString visible = withVisibleControls(name);
    require(visible.size() == name.size() && !hasControlCharacter(visible), "a refused name can be shown");

    // The same text typed as the parent name.
    const QString parentName = trimSpaces(name);
    if (isValidParentName(parentName)) {
        require(levels.size() <= 1 && folderLevels(parentName) == QStringList{parentName},
                "a parent name is one level");
        require(parentName != u".." && parentName != u"." && !hasControlCharacter(parentName),
                "a parent name is a plain name");
        const QString path = QStringLiteral("/base/") + parentName;
        require(QDir::cleanPath(path) == path, "a parent name stays in the base folder");
    }
}

// The shared fixture's doubles, with a workflow that reads every file from
// memory. Not the fixture itself: its own workflow, with a table of a
// thousand names, would be made and torn down for nothing on every input.
struct MemoryFixture {
    test::FakeItemList namesList;
    test::FakeTextField parentNameEdit{QStringLiteral("parentNameEdit")};
    test::FakeOverlay readmePanel;
    test::FakeTextField readmeText{QStringLiteral("readmeText")};
    test::FakeDriveList driveList;
    test::FakeFolderList folderList;
    test::FakeFileList fileList;
    test::FakeDesktop desktop;
    fuzz::MemoryLineReader files;
    test::FakeFolders folders;
    test::FakeMountTable mounts;
    FolderListWorkflow workflow{
        WorkflowControls{namesList, parentNameEdit, readmePanel, readmeText, driveList, folderList, fileList}, desktop,
        files, folders, mounts};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input outlives the call's every use of it: no copy is needed.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    MemoryFixture f;
    f.files.contents = bytes;
    WorkflowState& state = f.workflow.state();
    f.readmePanel.visible = false;
    state.nameCount = earlierCount;
    // As the file click leaves it for the reading.
    state.listState = ListState::NotReady;
    state.listFilePath = QStringLiteral("/lists/list.txt");
    state.baseFolder = QStringLiteral("/lists/");
    f.workflow.readListFile();
    const test::FakeItemList& namesList = f.namesList;
    const test::FakeTextField& parentNameEdit = f.parentNameEdit;
    const test::FakeOverlay& readmePanel = f.readmePanel;
    const test::FakeDesktop& desktop = f.desktop;
    fuzz::MemoryLineReader& files = f.files;
    const test::FakeFolders& folders = f.folders;

    require(files.freeHandle() == 1, "no file number stays in use");
    require(folders.made.isEmpty(), "reading makes no folder");
    require(desktop.pointer == NormalPointer, "the pointer is untouched");

    const std::optional<QStringList> decoded = expectedNames(bytes);
    const QStringList expected = decoded.value_or(QStringList());
    bool tooLong = false;
    for (qsizetype k = 0; k < expected.size() && k <= FolderNameTable::UpperBound; ++k)
        tooLong = tooLong || expected.at(k).size() > PosixLineReader::MaxLineLength;
    const bool fits = decoded && expected.size() <= FolderNameTable::UpperBound && !tooLong;

    if (fits) {
        require(state.listState == ListState::Ready, "a list that fits loads");
        require(desktop.boxes.isEmpty() && desktop.beeps == 0, "a good load is silent");
        require(state.nameCount == expected.size(), "nameCount is the number of lines");
        require(namesList.items == expected, "the listed names are the lines, in order");
        for (std::int32_t k = 1; k <= state.nameCount; ++k)
            require(state.names(k) == expected.at(k - 1), "slot k holds line k");
        require(parentNameEdit.contents == texts::defaultParentName && parentNameEdit.selStart == 0 &&
                    parentNameEdit.selLength == parentNameEdit.contents.size() && parentNameEdit.focused,
                "the parent name is preset and selected");
        require(firstUnmakeableLine(expected) == 0 || !isMakeableName(expected.at(firstUnmakeableLine(expected) - 1)),
                "the first refused line is refused");
    } else {
        require(state.listState == ListState::NotReady, "a list that does not fit is refused");
        require(!desktop.boxes.isEmpty() && desktop.boxes.size() <= 2, "one or two messages");
        if (!tooLong)
            require(desktop.boxes.size() == 1, "too many lines: exactly one message");
        require(desktop.beeps == desktop.boxes.size(), "each message has its beep");
        for (const auto& box : desktop.boxes)
            require(box.prompt == texts::errorOccurred && box.title.isEmpty(), "the error message");
        require(namesList.items.isEmpty(), "nothing is listed");
        require(state.nameCount == earlierCount, "nameCount keeps its earlier value");
        require(parentNameEdit.contents == QStringLiteral("parentNameEdit"), "the parent name is untouched");
    }
    require(!readmePanel.visible, "a list is not shown as text");

    // Each name once: a list repeats names (blank lines above all), and the
    // checks depend on nothing else.
    QSet<QString> checked;
    for (qsizetype k = 0; k < expected.size() && k < 1000; ++k) {
        if (const QString& name = expected.at(k); !checked.contains(name)) {
            checked.insert(name);
            checkNameRules(name);
        }
    }

    // The raw bytes as UTF-16 reach the name checks too: lone surrogates and
    // characters no decoder would produce.
    QString raw(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(raw.data(), data, (size / 2) * 2);
    for (const QString& line : raw.split(u'\n'))
        checkNameRules(line);
    return 0;
}
