// Any bytes a person could pick as a list file, read the way the file click
// reads them, then put through the checks the create button makes on names.
// Checks the load against a plain re-reading of the same bytes. The bytes are
// read from memory, through the file reader's own decoding, so that no file
// is written and read back for each input.

#include "folder_names.h"
#include "fuzz_support.h"
#include "line_preview.h"
#include "list_limits.h"
#include "memory_list_reader.h"
#include "native_path.h"
#include "table_reading.h"
#include "workflow_fixture.h"
#include "workflow_texts.h"

#include <QDir>
#include <QSet>
#include <QSettings>
#include <QStringBuilder>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <optional>

using namespace kestrune;
using fuzz::require;

namespace {

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
    // Opened once: stateless, it keeps nothing from one input to the next.
    static QStringDecoder cp932("windows-31j", QStringDecoder::Flag::Stateless);
    require(cp932.isValid(), "code page 932 decoder");
    // A lead byte at the very end has nothing after it to show it is cut off.
    QString text = cp932.decode(bytes + '\n');
    text.chop(1);
    return splitLines(text);
}

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t unit = c.unicode();
        return unit <= 0x1F || (unit >= 0x7F && unit <= 0x9F);
    });
}

// What the preview promises about one line, and about the same text typed as
// the parent name: whatever it lets through stays inside the new parent.
void checkNameRules(const QString& name)
{
    const QString parent = QStringLiteral("/base/parent");
    const LinePreview line =
        previewLines({name}, PreviewTarget{QStringLiteral("/base/"), QStringLiteral("parent")}).first();
    if (name.contains(QChar(u'\0')))
        require(line.status == LineStatus::Refused, "a line with NUL is refused");
    if (line.status == LineStatus::Blank)
        require(line.folder.isEmpty(), "a blank line makes nothing");
    if (line.status == LineStatus::Ok || line.status == LineStatus::Unsafe || line.status == LineStatus::Repeat) {
        require(!hasControlCharacter(line.folder), "a made folder has no control character");
        for (const QString& level : line.folder.split(u'/')) {
            require(!level.isEmpty() && level != u"." && level != u"..", "no empty, \".\" or \"..\" level");
            require(!level.contains(u'\\'), "a level holds no separator");
        }
        const QString path = parent % u'/' % line.folder;
        const QString clean = QDir::cleanPath(path);
        require(clean == path, "a made folder is already in its clean form");
        require(clean.startsWith(parent) && clean.at(parent.size()) == u'/', "a made folder stays in the parent");
        const QByteArray native = '/' % nativePath(path) % '/';
        require(!native.contains("/../"), "no \"..\" level reaches the OS");
    }
    const QString visible = withVisibleControls(name);
    require(visible.size() == name.size() && !hasControlCharacter(visible), "a refused name can be shown");

    // The same text typed as the parent name.
    const QString parentName = parentNameFrom(name);
    if (previewParentName({QStringLiteral("/base/"), parentName}).status != LineStatus::Refused) {
        require(!parentName.contains(u'/') && !parentName.contains(u'\\'), "a parent name is one level");
        require(parentName != u".." && parentName != u"." && !hasControlCharacter(parentName),
                "a parent name is a plain name");
        const QString path = QStringLiteral("/base/") + parentName;
        require(QDir::cleanPath(path) == path, "a parent name stays in the base folder");
    }
}

// One set of settings for the whole run: a set made and dropped for each
// input would be written to disk each time, a tenth of the rate.
QSettings& settings()
{
    static QTemporaryDir folder;
    static QSettings kept(folder.filePath(QStringLiteral("kestrune.conf")), QSettings::IniFormat);
    return kept;
}

// The shared fixture's doubles, with a workflow that reads every file from
// memory. Not the fixture itself: its own workflow, with a table of a
// thousand names, would be made and torn down for nothing on every input.
struct MemoryFixture {
    test::FakeItemList namesList;
    test::FakeNameBox parentNameEdit;
    test::FakeTextViewer readmeViewer;
    test::FakeDriveList driveList;
    test::FakeFolderList folderList;
    test::FakeFileList fileList;
    test::FakeDesktop desktop;
    fuzz::MemoryListReader lists;
    PosixListWriter writer;
    test::FakeFolders folders;
    test::FakeMountTable mounts;
    test::FakeClock clock;
    RecentLists recentLists{settings()};
    RememberedValues rememberedValues{settings()};
    ShelfSettings shelves{settings(), settings()};  // none: no shelf list is read
    // Nothing is pressed here: the history is never written.
    PosixHistoryFolder records{QStringLiteral("/nonexistent/kestrune-history")};
    PressHistory history{records, folders, clock, QStringLiteral("fuzz")};
    test::FakeHistoryBox historyBox;
    WorkflowState state;
    FolderListWorkflow workflow{
        state, WorkflowControls{namesList, parentNameEdit, readmeViewer, driveList, folderList, fileList},
        WorkflowHost{desktop, lists, writer, folders, mounts, recentLists, rememberedValues, clock, shelves, lists,
                     history, historyBox}};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input outlives the call's every use of it: no copy is needed.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    MemoryFixture f;
    f.lists.contents = bytes;
    WorkflowState& state = f.state;
    f.readmeViewer.visible = false;
    f.parentNameEdit.contents = QStringLiteral("typed");
    // As the file click leaves it for the reading.
    state.listState = ListState::NotReady;
    state.listFilePath = QStringLiteral("/lists/list.txt");
    state.baseFolder = QStringLiteral("/lists/");
    f.workflow.readListFile();
    const test::FakeItemList& namesList = f.namesList;
    const test::FakeNameBox& parentNameEdit = f.parentNameEdit;
    const test::FakeDesktop& desktop = f.desktop;
    const test::FakeFolders& folders = f.folders;

    require(folders.made.isEmpty(), "reading makes no folder");
    require(desktop.pointer == NormalPointer, "the pointer is untouched");

    const std::optional<QStringList> decoded = expectedNames(bytes);
    const QStringList expected = decoded.value_or(QStringList());
    const bool tooLong = std::any_of(expected.cbegin(), expected.cend(),
                                     [](const QString& line) { return line.size() > longestListLine; });
    const bool fits = decoded && expected.size() <= mostListLines && !tooLong;

    if (fits) {
        require(state.listState == ListState::Ready, "a list that fits loads");
        require(desktop.boxes.isEmpty() && desktop.beeps == 0, "a good load is silent");
        require(state.lines == linesFromTable(expected),
                "the lines are the file's, read as a table when it holds a tab");
        QStringList shownLines;
        for (qsizetype row = 0; row < namesList.items.size(); ++row) {
            if (namesList.indents.at(row) == 0)
                shownLines.append(namesList.items.at(row));
        }
        require(shownLines == state.lines, "each line has its row, in order, its results beneath it");
        require(parentNameEdit.contents == texts::defaultParentName && parentNameEdit.allSelected &&
                    parentNameEdit.focused,
                "the parent name is preset and selected");

    } else {
        require(state.listState == ListState::NotReady, "a list that does not fit is refused");
        require(desktop.boxes.size() == 1 && desktop.beeps == 1, "one message and its beep");
        require(desktop.boxes.first().prompt == texts::errorOccurred && desktop.boxes.first().title.isEmpty(),
                "the error message");
        require(namesList.items.isEmpty(), "nothing is listed");
        require(parentNameEdit.contents == QStringLiteral("typed"), "the parent name is untouched");
    }
    require(!f.readmeViewer.visible, "a list is not shown as text");

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
    for (const QString& line : raw.split(u'\n')) {
        if (!checked.contains(line)) {
            checked.insert(line);
            checkNameRules(line);
        }
    }
    return 0;
}
