#include "press_record_format.h"

#include "history_texts.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <utility>

namespace kestrune::pressrecord {

namespace {

// The format's name and version, the record's first line. Another version
// is refused as a whole rather than guessed at.
constexpr char formatName[] = "kestrune-press";
constexpr int formatVersion = 1;

constexpr char startTag[] = "start";
constexpr char listTag[] = "list";
constexpr char baseTag[] = "base";
constexpr char planTag[] = "plan";
constexpr char parentTag[] = "parent";
constexpr char folderTag[] = "folder";
constexpr char fileTag[] = "file";
constexpr char endTag[] = "end";
constexpr char undoTag[] = "undo";
constexpr char completedWord[] = "completed";
constexpr char stoppedWord[] = "stopped";
// A field that holds nothing: no birth time, no handle.
constexpr char noneField[] = "-";

bool isLowerHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

bool needsEscape(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c == u'\\' || c.isSurrogate();
}

void appendHexEscape(QString& out, char16_t unit)
{
    out += QStringLiteral("\\u") + QString::number(unit, 16).rightJustified(4, u'0');
}

QByteArray escaped(const QString& field)
{
    const auto plain = [](QChar c) { return !needsEscape(c); };
    if (std::all_of(field.cbegin(), field.cend(), plain))
        return field.toUtf8();
    QString out;
    out.reserve(field.size() + 8);
    for (qsizetype index = 0; index < field.size(); ++index) {
        const QChar c = field.at(index);
        if (c.isHighSurrogate() && index + 1 < field.size() && field.at(index + 1).isLowSurrogate()) {
            out += c;
            out += field.at(++index);
        } else if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (needsEscape(c)) {
            appendHexEscape(out, c.unicode());
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

std::optional<QString> unescaped(const QByteArray& field)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(field);
    if (decoder.hasError())
        return std::nullopt;
    if (!text.contains(u'\\'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text.at(index);
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++index >= text.size())
            return std::nullopt;
        switch (text.at(index).unicode()) {
        case u'\\':
            out += u'\\';
            break;
        case u't':
            out += u'\t';
            break;
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u'u': {
            const QStringView digits = QStringView(text).mid(index + 1, 4);
            if (digits.size() != 4 || !std::all_of(digits.cbegin(), digits.cend(),
                                                   [](QChar digit) { return isLowerHexDigit(digit.unicode()); }))
                return std::nullopt;
            out += QChar(char16_t(digits.toUInt(nullptr, 16)));
            index += 4;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return out;
}

QByteArray timeField(const QDateTime& at)
{
    return at.toUTC().toString(Qt::ISODateWithMs).toLatin1();
}

// Only the form timeField writes: an edited time reads back as it was meant
// or not at all.
std::optional<QDateTime> timeFrom(const QByteArray& field)
{
    const QDateTime at = QDateTime::fromString(QString::fromLatin1(field), Qt::ISODateWithMs);
    if (!at.isValid() || timeField(at) != field)
        return std::nullopt;
    return at;
}

// Numbers written straight into the line: a record has a line for every
// folder a press makes, and a string for each of its numbers cost more than
// the rest of the line.
template <typename Number> void appendNumber(QByteArray& line, Number number, int width = 0)
{
    std::array<char, 24> digits{};
    const char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    const auto length = static_cast<int>(end - digits.data());
    if (length < width)
        line.append(width - length, '0');
    line.append(digits.data(), length);
}

// A moment of the file system as "seconds.nanoseconds", the nanoseconds in
// nine digits so that it reads as the decimal it is.
void appendStamp(QByteArray& line, qint64 seconds, quint32 nanoseconds)
{
    appendNumber(line, seconds);
    line += '.';
    appendNumber(line, nanoseconds, 9);
}

bool stampFrom(const QByteArray& field, qint64& seconds, quint32& nanoseconds)
{
    const qsizetype dot = field.indexOf('.');
    if (dot < 0 || field.size() - dot - 1 != 9)
        return false;
    bool secondsOk = false;
    bool nanosecondsOk = false;
    seconds = field.left(dot).toLongLong(&secondsOk);
    nanoseconds = field.mid(dot + 1).toUInt(&nanosecondsOk);
    return secondsOk && nanosecondsOk && nanoseconds < 1000000000;
}

// Device, inode, birth, mount and handle (hex).
void appendId(QByteArray& line, const FolderId& id)
{
    line += '\t';
    appendNumber(line, id.device);
    line += '\t';
    appendNumber(line, id.inode);
    line += '\t';
    if (id.hasBirth)
        appendStamp(line, id.bornSeconds, id.bornNanoseconds);
    else
        line += noneField;
    line += '\t';
    appendNumber(line, id.mount);
    line += '\t';
    line += id.handle.isEmpty() ? QByteArray(noneField) : id.handle.toHex();
}
constexpr qsizetype idFields = 5;

std::optional<FolderId> idFrom(const QList<QByteArray>& fields, qsizetype first)
{
    if (fields.size() < first + idFields)
        return std::nullopt;
    FolderId id;
    bool deviceOk = false;
    bool inodeOk = false;
    bool mountOk = false;
    id.device = fields.at(first).toULongLong(&deviceOk);
    id.inode = fields.at(first + 1).toULongLong(&inodeOk);
    id.mount = fields.at(first + 3).toLongLong(&mountOk);
    if (!deviceOk || !inodeOk || !mountOk)
        return std::nullopt;
    const QByteArray& birth = fields.at(first + 2);
    if (birth != noneField) {
        if (!stampFrom(birth, id.bornSeconds, id.bornNanoseconds))
            return std::nullopt;
        id.hasBirth = true;
    }
    const QByteArray& handle = fields.at(first + 4);
    if (handle != noneField) {
        const auto isHex = [](char c) { return isLowerHexDigit(char16_t(c)); };
        if (handle.isEmpty() || handle.size() % 2 != 0 || !std::all_of(handle.cbegin(), handle.cend(), isHex))
            return std::nullopt;
        id.handle = QByteArray::fromHex(handle);
    }
    return id;
}

QByteArray line(const char* tag, std::initializer_list<QByteArray> fields)
{
    QByteArray out(tag);
    for (const QByteArray& field : fields) {
        out += '\t';
        out += field;
    }
    out += '\n';
    return out;
}

// "0-4,7,9-12": the numbers, rising, as runs.
QByteArray runs(const QList<qsizetype>& numbers)
{
    QByteArray out;
    for (qsizetype index = 0; index < numbers.size();) {
        qsizetype last = index;
        while (last + 1 < numbers.size() && numbers.at(last + 1) == numbers.at(last) + 1)
            ++last;
        if (!out.isEmpty())
            out += ',';
        out += QByteArray::number(numbers.at(index));
        if (last > index)
            out += '-' + QByteArray::number(numbers.at(last));
        index = last + 1;
    }
    return out;
}

// Marks the numbers of `field` in `gone`; false for anything but runs of
// numbers below gone's size.
bool markRuns(const QByteArray& field, QList<bool>& gone)
{
    if (field.isEmpty())
        return true;
    for (const QByteArray& run : field.split(',')) {
        const qsizetype dash = run.indexOf('-');
        bool firstOk = false;
        bool lastOk = dash < 0;
        const qulonglong first = (dash < 0 ? run : run.left(dash)).toULongLong(&firstOk);
        const qulonglong last = dash < 0 ? first : run.mid(dash + 1).toULongLong(&lastOk);
        if (!firstOk || !lastOk || first > last || last >= qulonglong(gone.size()))
            return false;
        for (qulonglong number = first; number <= last; ++number)
            gone[qsizetype(number)] = true;
    }
    return true;
}

// Reads the lines after the first. Undo lines may name items listed after
// them (an undo run while the press still ran elsewhere): they are marked
// once every item is known.
class RecordReader {
public:
    QString readLine(const QList<QByteArray>& fields)
    {
        const QByteArray& tag = fields.first();
        if (tag == startTag)
            return readStart(fields);
        if (tag == listTag || tag == baseTag || tag == planTag)
            return readBeginning(fields);
        if (!started_)
            return texts::recordCutShort;
        if (tag == parentTag)
            return readParent(fields);
        if (tag == folderTag || tag == fileTag)
            return readItem(fields);
        if (tag == endTag)
            return readEnd(fields);
        if (tag == undoTag)
            return readUndo(fields);
        return bad();
    }

    QString finish()
    {
        if (!started_)
            return texts::recordCutShort;
        press_.gone = QList<bool>(press_.made.size(), false);
        for (const auto& [lineNumber, field] : std::as_const(undoRuns_)) {
            if (!markRuns(field, press_.gone))
                return texts::recordBadLine.arg(lineNumber);
        }
        return {};
    }

    void setLineNumber(qsizetype number) { lineNumber_ = number; }
    PressRecord& press() { return press_; }

private:
    QString bad() const { return texts::recordBadLine.arg(lineNumber_); }

    QString readStart(const QList<QByteArray>& fields)
    {
        const std::optional<QDateTime> at = fields.size() == 3 ? timeFrom(fields.at(1)) : std::nullopt;
        const std::optional<QString> user = fields.size() == 3 ? unescaped(fields.at(2)) : std::nullopt;
        if (seen_.start || !at || !user)
            return bad();
        press_.startedAt = *at;
        press_.user = *user;
        seen_.start = true;
        return {};
    }

    // The list, the base and the plan, each once, written with the start.
    QString readBeginning(const QList<QByteArray>& fields)
    {
        const QByteArray& tag = fields.first();
        if (tag == listTag) {
            const std::optional<QString> path = fields.size() == 2 ? unescaped(fields.at(1)) : std::nullopt;
            if (seen_.list || !path)
                return bad();
            press_.listFilePath = *path;
            seen_.list = true;
        } else if (tag == baseTag) {
            const std::optional<QString> path = fields.size() == 2 + idFields ? unescaped(fields.at(1)) : std::nullopt;
            const std::optional<FolderId> id = idFrom(fields, 2);
            if (seen_.base || !path || path->isEmpty() || !id)
                return bad();
            press_.basePath = *path;
            press_.baseId = *id;
            seen_.base = true;
        } else {
            if (seen_.plan)
                return bad();
            for (qsizetype index = 1; index < fields.size(); ++index) {
                const std::optional<QString> name = unescaped(fields.at(index));
                if (!name)
                    return bad();
                press_.plannedParents.append(*name);
            }
            seen_.plan = true;
        }
        started_ = seen_.start && seen_.list && seen_.base && seen_.plan;
        return {};
    }

    QString readParent(const QList<QByteArray>& fields)
    {
        const std::optional<QString> name = fields.size() == 3 ? unescaped(fields.at(1)) : std::nullopt;
        if (!name || name->isEmpty() || (fields.at(2) != "0" && fields.at(2) != "1"))
            return bad();
        press_.parents.append({*name, fields.at(2) == "1"});
        return {};
    }

    QString readItem(const QList<QByteArray>& fields)
    {
        MadeEntry entry;
        const bool isFile = fields.first() == fileTag;
        entry.kind = isFile ? EntryKind::Other : EntryKind::Folder;
        const qsizetype expected = 2 + idFields + (isFile ? 2 : 0);
        const std::optional<QString> path = fields.size() == expected ? unescaped(fields.at(1)) : std::nullopt;
        const std::optional<FolderId> id = idFrom(fields, 2);
        if (!path || path->isEmpty() || !id)
            return bad();
        entry.path = *path;
        entry.id = *id;
        if (isFile) {
            bool sizeOk = false;
            bool modifiedOk = false;
            entry.stamp.size = fields.at(2 + idFields).toLongLong(&sizeOk);
            entry.stamp.modifiedNanoseconds = fields.at(3 + idFields).toLongLong(&modifiedOk);
            if (!sizeOk || !modifiedOk || entry.stamp.size < 0)
                return bad();
        }
        press_.made.append(entry);
        return {};
    }

    QString readEnd(const QList<QByteArray>& fields)
    {
        if (press_.ending != PressRecord::Ending::None || fields.size() != 3 || !timeFrom(fields.at(2)))
            return bad();
        if (fields.at(1) == completedWord)
            press_.ending = PressRecord::Ending::Completed;
        else if (fields.at(1) == stoppedWord)
            press_.ending = PressRecord::Ending::Stopped;
        else
            return bad();
        return {};
    }

    QString readUndo(const QList<QByteArray>& fields)
    {
        if (fields.size() != 4 || !timeFrom(fields.at(1)) || !unescaped(fields.at(2)))
            return bad();
        undoRuns_.append({lineNumber_, fields.at(3)});
        ++press_.undos;
        return {};
    }

    PressRecord press_;
    struct {
        bool start = false;
        bool list = false;
        bool base = false;
        bool plan = false;
    } seen_;
    bool started_ = false;
    qsizetype lineNumber_ = 0;
    QList<std::pair<qsizetype, QByteArray>> undoRuns_;
};

}  // namespace

QByteArray beginning(const PressRecord& press)
{
    QByteArray out = line(formatName, {QByteArray::number(formatVersion)});
    out += line(startTag, {timeField(press.startedAt), escaped(press.user)});
    out += line(listTag, {escaped(press.listFilePath)});
    QByteArray base = QByteArray(baseTag) + '\t' + escaped(press.basePath);
    appendId(base, press.baseId);
    out += base + '\n';
    QByteArray plan(planTag);
    for (const QString& name : press.plannedParents)
        plan += '\t' + escaped(name);
    out += plan + '\n';
    return out;
}

QByteArray parentLine(const ParentOutcome& parent)
{
    return line(parentTag, {escaped(parent.name), parent.made ? QByteArray("1") : QByteArray("0")});
}

QByteArray itemLine(const MadeEntry& entry)
{
    // One for every folder a press makes: built in one buffer.
    const bool isFile = entry.kind != EntryKind::Folder;
    QByteArray out;
    out.reserve(entry.path.size() * 3 + 96 + entry.id.handle.size() * 2);
    out += isFile ? fileTag : folderTag;
    out += '\t';
    out += escaped(entry.path);
    appendId(out, entry.id);
    if (isFile) {
        out += '\t';
        appendNumber(out, entry.stamp.size);
        out += '\t';
        appendNumber(out, entry.stamp.modifiedNanoseconds);
    }
    out += '\n';
    return out;
}

QByteArray endLine(bool completed, const QDateTime& at)
{
    return line(endTag, {completed ? QByteArray(completedWord) : QByteArray(stoppedWord), timeField(at)});
}

QByteArray undoLine(const QDateTime& at, const QString& user, const QList<qsizetype>& gone)
{
    return line(undoTag, {timeField(at), escaped(user), runs(gone)});
}

Reading read(const QByteArray& contents)
{
    Reading reading;
    // A last line without its end was being written when the program
    // stopped: it is dropped, as if never written.
    const qsizetype end = contents.lastIndexOf('\n') + 1;
    const QList<QByteArray> lines = contents.left(end).split('\n');
    // split() leaves an empty piece after the last line end.
    const qsizetype count = lines.size() - 1;
    if (count < 1) {
        reading.problem = texts::recordCutShort;
        return reading;
    }
    const QList<QByteArray> header = lines.first().split('\t');
    if (header.size() != 2 || header.first() != formatName) {
        reading.problem = texts::recordNotOurs;
        return reading;
    }
    if (header.at(1) != QByteArray::number(formatVersion)) {
        reading.problem = texts::recordOtherVersion.arg(QString::fromUtf8(header.at(1)).left(16));
        return reading;
    }
    RecordReader reader;
    for (qsizetype index = 1; index < count; ++index) {
        reader.setLineNumber(index + 1);
        reading.problem = reader.readLine(lines.at(index).split('\t'));
        if (!reading.problem.isEmpty())
            return reading;
    }
    reading.problem = reader.finish();
    reading.press = std::move(reader.press());
    return reading;
}

}  // namespace kestrune::pressrecord
