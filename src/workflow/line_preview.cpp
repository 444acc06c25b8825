#include "line_preview.h"

#include "folder_names.h"
#include "text.h"
#include "unicode_names.h"
#include "workflow_texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace kestrune {

namespace {

// Windows' own limits in UTF-16 code units: one level, and a folder's whole
// path as CreateDirectory takes it (MAX_PATH less room for a short file name).
constexpr qsizetype windowsLongestName = 255;
constexpr qsizetype windowsLongestPath = 248;

constexpr qsizetype mostRefusedLinesShown = 10;
// A refused line shows at most this many characters of itself, so that one
// overlong line cannot push the refusal box off the screen.
constexpr qsizetype longestShownName = 40;

// What is wrong with a line, most important first: a line shows the first
// that applies. Everything before WindowsReserved is refused anywhere.
enum Fault : std::size_t {
    LeavesParent,
    ControlCharacter,
    NameTooLong,
    PathTooLong,
    WindowsReserved,
    WindowsCharacter,
    WindowsTrailing,
    WindowsNameTooLong,
    WindowsPathTooLong,
    NoFault,
};

// What the line checks ask of a code unit, in one byte: its UTF-8 length
// (the low two bits) and what it is. Every unit from U+0100 up in a block of
// 256 is of one kind, so a table of the units below U+0100 and of the blocks
// above answers for all. Looked up rather than tested: a Japanese name
// switches between ASCII and kanji within a few units, and each wrong guess
// of a branch costs more than all of a unit's checks.
enum UnitKind : std::uint8_t {
    utf8LengthBits = 3,
    controlUnit = 4,
    windowsCharacterUnit = 8,
    separatorUnit = 16,
    surrogateUnit = 32,  // its length alone is not its share of the name's (see utf8Length)
    // NFC may change it or what precedes it; true of no unit below U+0100.
    // Blocks of kana are held to stay: their few combining marks are looked
    // for apart (isCombiningCjkMark).
    composingUnit = 64,
};

constexpr std::array<std::uint8_t, 512> unitKinds = [] {
    std::array<std::uint8_t, 512> kinds{};
    for (char16_t unit = 0; unit < 0x100; ++unit) {
        auto kind = static_cast<std::uint8_t>(unit < 0x80 ? 1 : 2);
        if (isControlCharacter(unit))
            kind |= controlUnit;
        if (isLevelSeparator(QChar(unit)))
            kind |= separatorUnit;
        for (const char16_t refused : {u'<', u'>', u':', u'"', u'|', u'?', u'*'}) {
            if (unit == refused)
                kind |= windowsCharacterUnit;
        }
        kinds.at(unit) = kind;
    }
    for (unsigned block = 1; block < 0x100; ++block) {
        const bool surrogates = block >= 0xD8 && block <= 0xDF;
        bool stays = true;
        for (unsigned low = 0; low < 0x100; ++low) {
            const auto unit = static_cast<char16_t>(block << 8U | low);
            stays = stays && (staysComposed(unit) || isCombiningCjkMark(unit));
        }
        kinds.at(0x100 + block) = static_cast<std::uint8_t>((block < 0x08 ? 2 : 3) | (surrogates ? surrogateUnit : 0) |
                                                            (stays ? 0 : composingUnit));
    }
    return kinds;
}();

std::uint8_t kindOf(char16_t unit)
{
    // The index picked with masks, not a branch (see above).
    const std::uint32_t block = unit >> 8U;
    const std::uint32_t below100 = 0U - static_cast<std::uint32_t>(block == 0);
    return unitKinds[(unit & below100) | ((0x100U + block) & ~below100)];
}

// What the rules ask of a level's code units.
struct LevelFacts {
    qsizetype utf8Bytes = 0;
    bool control = false;
    bool windowsCharacter = false;
};

// The facts of `level` from the kinds of its units OR-ed together and their
// lengths summed.
LevelFacts factsFrom(QStringView level, std::uint8_t kinds, qsizetype lengths)
{
    // A surrogate pair is four bytes, not twice three.
    return {(kinds & surrogateUnit) != 0 ? utf8Length(level) : lengths, (kinds & controlUnit) != 0,
            (kinds & windowsCharacterUnit) != 0};
}

LevelFacts factsOf(QStringView level)
{
    std::uint8_t kinds = 0;
    qsizetype lengths = 0;
    for (const QChar unit : level) {
        const std::uint8_t kind = kindOf(unit.unicode());
        kinds |= kind;
        lengths += kind & utf8LengthBits;
    }
    return factsFrom(level, kinds, lengths);
}

// Windows keeps these names for devices whatever follows the first "."
// ("con.txt" is CON too) and drops spaces before that dot ("CON .txt"). COM
// and LPT with a superscript one to three are devices as well.
bool isReservedOnWindows(QStringView level)
{
    // Most names fail on the first letter; the rest of the test need not run.
    switch (level.front().unicode() | 0x20) {
    case u'a':
    case u'c':
    case u'l':
    case u'n':
    case u'p':
        break;
    default:
        return false;
    }
    const qsizetype dot = level.indexOf(u'.');
    QStringView stem = dot < 0 ? level : level.first(dot);
    while (stem.endsWith(u' '))
        stem.chop(1);
    const auto is = [](QStringView text, QStringView name) { return text.compare(name, Qt::CaseInsensitive) == 0; };
    if (stem.size() == 3)
        return is(stem, u"CON") || is(stem, u"PRN") || is(stem, u"AUX") || is(stem, u"NUL");
    if (stem.size() != 4)
        return false;
    const char16_t digit = stem.at(3).unicode();
    const bool deviceDigit = (digit >= u'1' && digit <= u'9') || digit == u'¹' || digit == u'²' || digit == u'³';
    return deviceDigit && (is(stem.first(3), u"COM") || is(stem.first(3), u"LPT"));
}

// The faults of one level that do not depend on the rest of the line.
Fault levelFault(QStringView level, const LevelFacts& facts, const PreviewTarget& target)
{
    if (level.size() == 2 && level[0] == u'.' && level[1] == u'.')
        return LeavesParent;
    if (facts.control)
        return ControlCharacter;
    // Windows file systems store names as UTF-16: their limit is counted in
    // code units by the Windows rule below, not in UTF-8 bytes.
    if (!target.volume.windowsFileSystem && facts.utf8Bytes > target.longestNameBytes)
        return NameTooLong;
    if (isReservedOnWindows(level))
        return WindowsReserved;
    if (facts.windowsCharacter)
        return WindowsCharacter;
    // A trailing ideographic space (U+3000) is kept by Windows and so is fine.
    if (level.endsWith(u' ') || level.endsWith(u'.'))
        return WindowsTrailing;
    if (level.size() > windowsLongestName)
        return WindowsNameTooLong;
    return NoFault;
}

QString joinedLevels(QStringView line)
{
    QString folder;
    folder.reserve(line.size());
    qsizetype position = 0;
    for (QStringView level = nextFolderLevel(line, position); !level.isEmpty();
         level = nextFolderLevel(line, position)) {
        if (!folder.isEmpty())
            folder += u'/';
        folder += level;
    }
    return folder;
}

QString shownName(const QString& line)
{
    QString name = withVisibleControls(line);
    if (name.size() <= longestShownName)
        return name;
    qsizetype keep = longestShownName;
    if (name.at(keep - 1).isHighSurrogate())
        --keep;  // never split a character in two
    name.truncate(keep);
    return name + u'…';
}

// A folder's hash, built a code unit at a time as its line is read (FNV-1a,
// then mixed, since the table keys on the low bits).
class FolderHash {
public:
    void add(char16_t unit) { value_ = (value_ ^ unit) * 0x100000001b3ULL; }
    std::size_t value() const
    {
        std::uint64_t mixed = value_ ^ (value_ >> 33);
        mixed *= 0xff51afd7ed558ccdULL;
        return static_cast<std::size_t>(mixed ^ (mixed >> 33));
    }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

std::size_t hashOf(QStringView folder)
{
    FolderHash hash;
    for (const QChar unit : folder)
        hash.add(unit.unicode());
    return hash.value();
}

// One line read in a single walk over its code units: its levels, their
// faults, its folder's length and hash, and whether NFC may change it.
// Separate passes for the levels, their bytes and their characters cost most
// of the line checks, which run at every load and key typed.
struct LineWalk {
    Fault fault = NoFault;
    qsizetype levelCount = 0;
    qsizetype folderBytes = 0;  // levels joined by single "/"
    qsizetype folderUnits = 0;
    // The line's levels are joined by single "/" already (no "\", no empty
    // or "." level), so the folder is the line's text.
    bool asWritten = true;
    // A unit may change in NFC: the line is to be composed and walked again.
    bool mayCompose = false;
    std::size_t hash = 0;  // of the folder, levels joined by "/"
};

LineWalk walkLine(QStringView line, const PreviewTarget& target)
{
    LineWalk walk;
    FolderHash hash;
    FolderHash beforeLevel;
    const auto endLevel = [&](QStringView level, std::uint8_t kinds, qsizetype lengths) {
        if (level.isEmpty() || (level.size() == 1 && level.front() == u'.')) {
            walk.asWritten = false;  // skipped, as nextFolderLevel skips it, and so not in the hash
            hash = beforeLevel;
            return;
        }
        walk.fault = std::min(walk.fault, levelFault(level, factsFrom(level, kinds, lengths), target));
        const qsizetype joiner = walk.levelCount > 0 ? 1 : 0;
        walk.folderBytes += joiner + ((kinds & surrogateUnit) != 0 ? utf8Length(level) : lengths);
        walk.folderUnits += joiner + level.size();
        walk.mayCompose = walk.mayCompose || (kinds & composingUnit) != 0;
        ++walk.levelCount;
    };
    // The level's kinds and lengths in locals: a struct's fields would be a
    // load and a store at every unit.
    std::uint8_t kinds = 0;
    qsizetype lengths = 0;
    bool kanaMark = false;
    const char16_t* const units = line.utf16();
    const qsizetype size = line.size();
    qsizetype start = 0;
    for (qsizetype at = 0; at < size; ++at) {
        const std::uint8_t kind = kindOf(units[at]);
        if ((kind & separatorUnit) != 0) [[unlikely]] {
            endLevel(QStringView(units + start, at - start), kinds, lengths);
            walk.asWritten = walk.asWritten && units[at] == u'/';
            beforeLevel = hash;
            if (walk.levelCount > 0)
                hash.add(u'/');
            kinds = 0;
            lengths = 0;
            start = at + 1;
            continue;
        }
        kinds |= kind;
        lengths += kind & utf8LengthBits;
        kanaMark = kanaMark | isCombiningCjkMark(units[at]);
        hash.add(units[at]);
    }
    endLevel(QStringView(units + start, size - start), kinds, lengths);
    walk.mayCompose = walk.mayCompose || kanaMark;
    walk.hash = hash.value();
    return walk;
}

// Folder -> the first line (counted from 1) that makes it. Open addressing
// over slots of a line number and its folder's hash, the folders read where
// they are held: QHash's spans and nodes cost more per line than all of a
// line's other checks, and the preview runs at every key typed.
class RepeatTable {
public:
    explicit RepeatTable(qsizetype folders)
    {
        std::size_t size = 16;
        while (size < static_cast<std::size_t>(folders) * 2)
            size *= 2;
        slots_.resize(size);
    }

    // The first line that made `folder`, whose hash is `hash`; 0 when none
    // did, and `line` is then remembered as its maker. `folderOf` gives the
    // folder of a line given.
    template <typename FolderOf>
    int firstLineOf(QStringView folder, std::size_t hash, int line, const FolderOf& folderOf)
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (slot.line == 0) {
                slot = {hash, line};
                return 0;
            }
            if (slot.hash == hash && folderOf(slot.line) == folder)
                return slot.line;
        }
    }

private:
    struct Slot {
        std::size_t hash = 0;
        int line = 0;  // 0: free
    };
    std::vector<Slot> slots_;
};

// The words of one fault, worded only when a line has it: most lines have
// none, and a list's lines share few.
QString reasonFor(Fault fault, const PreviewTarget& target)
{
    switch (fault) {
    case LeavesParent:
        return texts::reasonLeavesParent;
    case ControlCharacter:
        return texts::reasonControlCharacter;
    case NameTooLong:
        return texts::reasonNameTooLong.arg(target.longestNameBytes);
    case PathTooLong:
        return texts::reasonPathTooLong.arg(target.longestPathBytes);
    case WindowsReserved:
        return texts::reasonWindowsReservedName;
    case WindowsCharacter:
        return texts::reasonWindowsCharacter;
    case WindowsTrailing:
        return texts::reasonWindowsTrailing;
    case WindowsNameTooLong:
        return texts::reasonWindowsNameTooLong.arg(windowsLongestName);
    case WindowsPathTooLong:
        return texts::reasonWindowsPathTooLong.arg(windowsLongestPath);
    case NoFault:
        break;
    }
    return {};
}

// Refused anywhere, or refused where Windows' rules hold.
bool refuses(Fault fault, const PreviewTarget& target)
{
    return fault < WindowsReserved || (fault != NoFault && target.volume.windowsFileSystem);
}

QString parentNameOf(const PreviewTarget& target)
{
    return target.parentName.isEmpty() ? texts::defaultParentName : target.parentName;
}

// The path up to the parent's own name: the base and its separator.
qsizetype baseBytes(const PreviewTarget& target)
{
    return utf8Length(target.baseFolder) + (target.baseFolder.endsWith(u'/') ? 0 : 1);
}

}  // namespace

LinePreview previewParentName(const PreviewTarget& target)
{
    const QString name = parentNameOf(target);
    LinePreview parent;
    parent.folder = name;
    // A "\" separates levels in every name a person gives, as in a list's lines.
    if (name.contains(u'\\') || entryNameFault(name) == EntryNameFault::NotOne) {
        parent.status = LineStatus::Refused;
        parent.reason = texts::reasonNotOneFolder;
        return parent;
    }
    const LevelFacts facts = factsOf(name);
    Fault fault = levelFault(name, facts, target);
    if (baseBytes(target) + facts.utf8Bytes > target.longestPathBytes)
        fault = std::min(fault, PathTooLong);
    if (target.volume.windowsPathLength + name.size() > windowsLongestPath)
        fault = std::min(fault, WindowsPathTooLong);
    if (fault != NoFault) {
        parent.status = refuses(fault, target) ? LineStatus::Refused : LineStatus::Unsafe;
        parent.reason = reasonFor(fault, target);
        return parent;
    }
    parent.status = LineStatus::Ok;
    return parent;
}

QList<LinePreview> previewLines(const QStringList& lines, const PreviewTarget& target)
{
    QList<LinePreview> preview = previewLines(
        lines.size(), [&lines](qsizetype index) -> const QString& { return lines.at(index); }, target);
    for (qsizetype index = 0; index < preview.size(); ++index) {
        LinePreview& line = preview[index];
        if (std::exchange(line.folderAsGiven, false))
            line.folder = lines.at(index);
    }
    return preview;
}

QList<LinePreview> previewLines(qsizetype count, const std::function<const QString&(qsizetype)>& lineAt,
                                const PreviewTarget& target)
{
    // Each fault worded once, when a line first has it: most lists have none.
    std::array<QString, NoFault> reasons;
    const auto reasonOf = [&](Fault fault) -> const QString& {
        QString& reason = reasons[fault];
        if (reason.isNull())
            reason = reasonFor(fault, target);
        return reason;
    };

    // Every line's path starts with "base/parent/". The "#" that the make
    // may add to a taken parent name is not known yet and not counted.
    const QString parentName = parentNameOf(target);
    const qsizetype prefixBytes = baseBytes(target) + utf8Length(parentName) + 1;
    const qsizetype prefixUnits = target.volume.windowsPathLength + parentName.size() + 1;

    QList<LinePreview> preview(count);
    // Windows matches names in any letter case, so there the key is
    // case-folded: "Abc" then "abc" is one folder. Keys are read where they
    // are held, in `preview` or `foldedKeys`: a copied key cost two atomic
    // counts a line. A lone line repeats nothing and needs no table.
    const bool folded = target.volume.windowsFileSystem;
    std::optional<RepeatTable> repeats;
    if (count > 1)
        repeats.emplace(count);
    QStringList foldedKeys;
    if (folded)
        foldedKeys.resize(count);
    const auto folderOf = [&](qsizetype index) -> const QString& {
        const LinePreview& row = preview.at(index);
        return row.folderAsGiven ? lineAt(index) : row.folder;
    };
    const auto keyOf = [&](int line) -> QStringView { return folded ? foldedKeys.at(line - 1) : folderOf(line - 1); };

    for (qsizetype index = 0; index < count; ++index) {
        const QString& given = lineAt(index);
        LinePreview& row = preview[index];

        LineWalk walk = walkLine(given, target);
        if (walk.levelCount == 0)
            continue;  // blank
        // Checked and made in NFC: a decomposed twin of a line is the same folder.
        QString composed;
        if (walk.mayCompose) [[unlikely]] {
            composed = given.normalized(QString::NormalizationForm_C);
            row.composed = composed != given;
            if (row.composed)
                walk = walkLine(composed, target);
        }
        const QString& line = row.composed ? composed : given;
        Fault fault = walk.fault;
        if (prefixBytes + walk.folderBytes > target.longestPathBytes)
            fault = std::min(fault, PathTooLong);
        if (prefixUnits + walk.folderUnits > windowsLongestPath)
            fault = std::min(fault, WindowsPathTooLong);

        if (refuses(fault, target)) {
            row.status = LineStatus::Refused;
            row.reason = reasonOf(fault);
            continue;
        }
        if (walk.asWritten && !row.composed)
            row.folderAsGiven = true;
        else
            row.folder = walk.asWritten ? line : joinedLevels(line);
        const int lineNumber = static_cast<int>(index + 1);
        if (folded)
            foldedKeys[index] = (row.folderAsGiven ? line : row.folder).toCaseFolded();
        const QStringView key = folded ? QStringView(foldedKeys.at(index)) : row.folderAsGiven ? line : row.folder;
        const std::size_t hash = folded ? hashOf(key) : walk.hash;
        // 0 for a folder not met before.
        const int earlier = repeats ? repeats->firstLineOf(key, hash, lineNumber, keyOf) : 0;
        if (fault != NoFault) {
            row.status = LineStatus::Unsafe;
            row.reason = reasonOf(fault);
        } else if (earlier != 0) {
            row.status = LineStatus::Repeat;
            row.sameAsLine = earlier;
        } else {
            row.status = LineStatus::Ok;
        }
    }
    return preview;
}

LinePreview previewPlacedPath(const QStringList& levels, const PreviewTarget& target)
{
    LinePreview placed;
    placed.folder = levels.join(u'/');
    qsizetype bytes = baseBytes(target) + utf8Length(parentNameOf(target));
    qsizetype units = target.volume.windowsPathLength + parentNameOf(target).size();
    Fault fault = NoFault;
    for (const QString& level : levels) {
        if (level.isEmpty() || level == u".") {
            placed.status = LineStatus::Refused;
            placed.reason = texts::reasonNotOneFolder;
            return placed;
        }
        const LevelFacts facts = factsOf(level);
        fault = std::min(fault, levelFault(level, facts, target));
        if (level.contains(u'\\'))
            fault = std::min(fault, WindowsCharacter);
        bytes += 1 + facts.utf8Bytes;
        units += 1 + level.size();
    }
    if (bytes > target.longestPathBytes)
        fault = std::min(fault, PathTooLong);
    if (units > windowsLongestPath)
        fault = std::min(fault, WindowsPathTooLong);
    if (fault == NoFault) {
        placed.status = LineStatus::Ok;
        return placed;
    }
    placed.status = refuses(fault, target) ? LineStatus::Refused : LineStatus::Unsafe;
    placed.reason = reasonFor(fault, target);
    return placed;
}

QString toolTipFor(const LinePreview& preview, const ToolTipWords& words)
{
    const QString tip = traitsOf(preview.status).toolTip(preview, words);
    return preview.composed ? tip + u'\n' + words.composed() : tip;
}

QString toolTipFor(const LinePreview& preview)
{
    return toolTipFor(preview, ToolTipWords());
}

QString refusalMessage(const QStringList& names, const QList<LinePreview>& preview, const QList<int>& lineNumbers)
{
    QString message;
    qsizetype refused = 0;
    const qsizetype count = std::min(names.size(), preview.size());
    for (qsizetype index = 0; index < count; ++index) {
        if (preview.at(index).status != LineStatus::Refused)
            continue;
        const int lineNumber = index < lineNumbers.size() ? lineNumbers.at(index) : static_cast<int>(index + 1);
        if (++refused <= mostRefusedLinesShown)
            message += u'\n' + texts::refusedLine.arg(QString::number(lineNumber), shownName(names.at(index)),
                                                      preview.at(index).reason);
    }
    if (refused == 0)
        return {};
    if (refused > mostRefusedLinesShown)
        message += u'\n' + texts::moreRefusedLines.withCount(refused - mostRefusedLinesShown);
    return texts::badFolderNames + message;
}

bool isWindowsFileSystemType(QStringView type)
{
    // fuseblk is a FUSE file system on a block device: in practice ntfs-3g or
    // exfat-fuse, both Windows formats.
    static constexpr std::array<QStringView, 9> windowsTypes = {
        u"vfat", u"msdos", u"exfat", u"ntfs", u"ntfs3", u"fuseblk", u"cifs", u"smb3", u"smbfs",
    };
    return std::find(windowsTypes.begin(), windowsTypes.end(), type) != windowsTypes.end();
}

VolumePlace volumePlaceOf(const QString& path, const MountTable& mounts)
{
    const MountPlace where = mountPlaceOf(path, mounts);
    VolumePlace place;
    place.windowsFileSystem = isWindowsFileSystemType(where.mount.type);
    // Below the volume's root, "/" and "\" are one character each alike.
    place.windowsPathLength = 3 + (where.belowRoot.isEmpty() ? 0 : where.belowRoot.size() + 1);
    return place;
}

}  // namespace kestrune
