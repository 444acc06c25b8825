#include "notation.h"

#include "date_codes.h"
#include "folder_names.h"
#include "saturated.h"

#include <QStringView>

#include <array>
#include <limits>
#include <optional>
#include <vector>

namespace kestrune {

namespace {

// More digits than this could overflow a sequence's size.
constexpr qsizetype longestSequenceNumber = 18;
constexpr char16_t fiscalYear[] = u"年度";
constexpr char16_t fiscalYearCodes[] = u"年度:";
// The first month of a fiscal year.
constexpr int fiscalYearStart = 4;

bool holdsLevelSeparator(QStringView text)
{
    for (const QChar c : text) {
        if (isLevelSeparator(c))
            return true;
    }
    return false;
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

void appendNumber(QString& out, qint64 value, int width)
{
    // Written by hand: a QString per number would dominate a long expansion.
    std::array<char16_t, 24> digits{};
    size_t used = 0;
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[used++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int padding = width - int(used) - (value < 0 ? 1 : 0);
    if (value < 0)
        out += u'-';
    for (; padding > 0; --padding)
        out += u'0';
    while (used > 0)
        out += QChar(digits[--used]);
}

// One run of a group's items: one piece of text, or a sequence of numbers or
// letters, up or down.
struct Run {
    enum class Kind : quint8 { Text, Numbers, Letters };
    Kind kind = Kind::Text;
    bool addsLevel = false;  // the text is a substituted value holding a level separator
    int width = 0;           // numbers are zero-padded to this many characters
    qint64 first = 0;
    qint64 last = 0;
    QStringView piece;  // Text: a piece of the line...
    QString made;       // ...or, when not null, a text made for it (a null value reads as empty either way)

    static Run text(QStringView piece, bool addsLevel = false)
    {
        Run run;
        run.piece = piece;
        run.addsLevel = addsLevel;
        return run;
    }
    static Run madeText(const QString& text, bool addsLevel = false)
    {
        Run run;
        run.made = text;
        run.addsLevel = addsLevel;
        return run;
    }

    qint64 size() const { return kind == Kind::Text ? 1 : (last >= first ? last - first : first - last) + 1; }

    void appendItem(QString& out, qint64 index) const
    {
        const qint64 item = first <= last ? first + index : first - index;
        switch (kind) {
        case Kind::Text:
            out += made.isNull() ? piece : QStringView(made);
            break;
        case Kind::Numbers:
            appendNumber(out, item, width);
            break;
        case Kind::Letters:
            out += QChar(char16_t(item));
            break;
        }
    }
};

struct SequenceEnd {
    qint64 number = 0;
    char16_t letter = 0;  // a letter end; 0 for a number
    bool leadingZero = false;
    int length = 0;
};

std::optional<SequenceEnd> readSequenceEnd(QStringView text)
{
    if (text.size() == 1 && isAsciiLetter(text.front()))
        return SequenceEnd{0, text.front().unicode(), false, 1};
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.sliced(1) : text;
    if (digits.isEmpty() || digits.size() > longestSequenceNumber)
        return std::nullopt;
    qint64 number = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        number = number * 10 + (c.unicode() - u'0');
    }
    return SequenceEnd{negative ? -number : number, 0, digits.size() > 1 && digits.front() == u'0', int(text.size())};
}

// `text` as a sequence "a..b" of numbers or of letters of one case.
std::optional<Run> readSequence(QStringView text)
{
    const qsizetype dots = text.indexOf(u"..");
    if (dots < 0)
        return std::nullopt;
    const auto from = readSequenceEnd(text.first(dots));
    const auto to = readSequenceEnd(text.sliced(dots + 2));
    if (!from || !to)
        return std::nullopt;
    Run run;
    if (from->letter == 0 && to->letter == 0) {
        run.kind = Run::Kind::Numbers;
        run.first = from->number;
        run.last = to->number;
        run.width = from->leadingZero || to->leadingZero ? std::max(from->length, to->length) : 0;
        return run;
    }
    if (from->letter != 0 && to->letter != 0 && QChar(from->letter).isUpper() == QChar(to->letter).isUpper()) {
        run.kind = Run::Kind::Letters;
        run.first = from->letter;
        run.last = to->letter;
        return run;
    }
    return std::nullopt;
}

enum class GroupKind : quint8 { Asked, FiscalYear, FiscalDate, List, Sequence, Date, Unknown };

GroupKind classify(QStringView content)
{
    if (content.size() > 1 && content.front() == u'?')
        return GroupKind::Asked;
    if (content == QStringView(fiscalYear))
        return GroupKind::FiscalYear;
    if (content.startsWith(QStringView(fiscalYearCodes)) &&
        isDateCodes(content.sliced(QStringView(fiscalYearCodes).size())))
        return GroupKind::FiscalDate;
    if (content.contains(u','))
        return GroupKind::List;
    if (readSequence(content))
        return GroupKind::Sequence;
    if (isDateCodes(content))
        return GroupKind::Date;
    return GroupKind::Unknown;
}

// Walks `text` left to right and hands each part to `visitor`:
// literal(text) for text as written, escape(brace) for "{{" or "}}",
// group(content, whole) for each closed group, and stray() for a brace that
// opens or closes nothing (it stays in the literal text).
template <typename Visitor> void scanNotation(QStringView text, Visitor& visitor)
{
    const qsizetype length = text.size();
    qsizetype literalFrom = 0;
    const auto literalUpTo = [&](qsizetype end) {
        if (end > literalFrom)
            visitor.literal(text.sliced(literalFrom, end - literalFrom));
    };
    qsizetype at = 0;
    while (at < length) {
        const QChar c = text[at];
        if (c != u'{' && c != u'}') {
            ++at;
            continue;
        }
        if (at + 1 < length && text[at + 1] == c) {
            literalUpTo(at);
            visitor.escape(text.sliced(at, 1));
            at += 2;
            literalFrom = at;
            continue;
        }
        if (c == u'{') {
            // A group ends at the next "}"; another "{" first leaves this one unclosed.
            qsizetype close = at + 1;
            while (close < length && text[close] != u'{' && text[close] != u'}')
                ++close;
            if (close < length && text[close] == u'}') {
                literalUpTo(at);
                visitor.group(text.sliced(at + 1, close - at - 1), text.sliced(at, close - at + 1));
                at = close + 1;
                literalFrom = at;
                continue;
            }
        }
        visitor.stray();
        ++at;
    }
    literalUpTo(length);
}

// Gathers a text's groups as slots of runs, ready to be multiplied out.
class Expander {
public:
    explicit Expander(const NotationValues& values) : values_(values) { expansion.count = 1; }

    void literal(QStringView text) { addSlot({Run::text(text)}); }

    void escape(QStringView brace)
    {
        expansion.usesNotation = true;
        literal(brace);
    }

    void stray() { expansion.unknownGroup = true; }

    void group(QStringView content, QStringView whole)
    {
        switch (classify(content)) {
        case GroupKind::Asked:
            return asked(content.sliced(1));
        case GroupKind::FiscalYear:
            if (!values_.date.isValid())
                return unknown(whole);
            return recognised({Run::madeText(QString::number(fiscalYearOf(values_.date)))});
        case GroupKind::FiscalDate:
            return dated(content.sliced(QStringView(fiscalYearCodes).size()),
                         values_.date.isValid() ? QDate(fiscalYearOf(values_.date), fiscalYearStart, 1) : QDate(),
                         whole);
        case GroupKind::Date:
            return dated(content, values_.date, whole);
        case GroupKind::Sequence:
            return recognised({*readSequence(content)});
        case GroupKind::List:
            return list(content);
        case GroupKind::Unknown:
            return unknown(whole);
        }
    }

    // The results, one per combination of the slots' items, the last slot
    // varying fastest.
    QList<NotationResult> materialise(qsizetype lengthHint) const
    {
        QList<NotationResult> results;
        results.reserve(expansion.count);
        struct Place {
            size_t run;
            qint64 offset;
        };
        std::vector<Place> places;
        places.reserve(slots_.size());
        for (const Slot& slot : slots_)
            places.push_back({slot.firstRun, 0});
        for (qint64 n = 0; n < expansion.count; ++n) {
            NotationResult result;
            result.text.reserve(lengthHint);
            for (const Place& place : places) {
                const Run& run = runs_[place.run];
                run.appendItem(result.text, place.offset);
                result.valueAddsLevel = result.valueAddsLevel || run.addsLevel;
            }
            lengthHint = result.text.size();
            results.append(std::move(result));
            for (size_t i = places.size(); i-- > 0;) {
                Place& place = places[i];
                if (++place.offset < runs_[place.run].size())
                    break;
                place.offset = 0;
                if (++place.run < slots_[i].endRun)
                    break;
                place.run = slots_[i].firstRun;
            }
        }
        return results;
    }

    Expansion expansion;

private:
    // One place of the text: literal text or a group, offering its runs' items in turn.
    struct Slot {
        size_t firstRun;
        size_t endRun;
    };

    static int fiscalYearOf(QDate date) { return date.month() >= fiscalYearStart ? date.year() : date.year() - 1; }

    void addSlot(std::initializer_list<Run> runs)
    {
        qint64 size = 0;
        const size_t firstRun = runs_.size();
        for (const Run& run : runs) {
            size = saturatedSum(size, run.size());
            runs_.push_back(run);
        }
        slots_.push_back({firstRun, runs_.size()});
        expansion.count = saturatedProduct(expansion.count, size);
    }

    void recognised(std::initializer_list<Run> runs)
    {
        expansion.usesNotation = true;
        addSlot(runs);
    }

    void unknown(QStringView whole)
    {
        expansion.unknownGroup = true;
        literal(whole);
    }

    void dated(QStringView codes, QDate date, QStringView whole)
    {
        const std::optional<QString> text = formatDate(codes, date);
        if (!text)
            return unknown(whole);
        recognised({Run::madeText(*text)});
    }

    void asked(QStringView name)
    {
        const QString key = name.toString();
        const auto value = values_.asked.constFind(key);
        if (value == values_.asked.cend()) {
            if (!expansion.missingValues.contains(key))
                expansion.missingValues.append(key);
            return recognised({Run::text({})});
        }
        recognised({Run::madeText(*value, holdsLevelSeparator(*value))});
    }

    void list(QStringView content)
    {
        expansion.usesNotation = true;
        qint64 size = 0;
        const size_t firstRun = runs_.size();
        for (const QStringView item : content.tokenize(u',')) {
            std::optional<Run> sequence = readSequence(item);
            runs_.push_back(sequence ? *sequence : Run::text(item, holdsLevelSeparator(item)));
            size = saturatedSum(size, runs_.back().size());
        }
        slots_.push_back({firstRun, runs_.size()});
        expansion.count = saturatedProduct(expansion.count, size);
    }

    const NotationValues& values_;
    std::vector<Run> runs_;
    std::vector<Slot> slots_;
};

// Collects what askedNames and usesDates look for, reading groups exactly as
// the expansion does.
struct GroupFinder {
    void literal(QStringView /*text*/) {}
    void escape(QStringView /*brace*/) {}
    void stray() {}
    void group(QStringView content, QStringView /*whole*/)
    {
        switch (classify(content)) {
        case GroupKind::Asked:
            if (const QString name = content.sliced(1).toString(); !askedNames.contains(name))
                askedNames.append(name);
            break;
        case GroupKind::FiscalYear:
        case GroupKind::FiscalDate:
        case GroupKind::Date:
            dates = true;
            break;
        default:
            break;
        }
    }

    QStringList askedNames;
    bool dates = false;
};

bool mayHoldNotation(const QString& text)
{
    return text.contains(u'{') || text.contains(u'}');
}

}  // namespace

Expansion expandNotation(const QString& text, const NotationValues& values, qint64 mostResults)
{
    if (!mayHoldNotation(text)) {
        Expansion expansion;
        expansion.count = 1;
        if (mostResults >= 1)
            expansion.results.append({text, false});
        return expansion;
    }
    Expander expander(values);
    scanNotation(text, expander);
    if (expander.expansion.count <= mostResults && expander.expansion.missingValues.isEmpty())
        expander.expansion.results = expander.materialise(text.size());
    return std::move(expander.expansion);
}

QStringList askedNames(const QString& text)
{
    if (!mayHoldNotation(text))
        return {};
    GroupFinder finder;
    scanNotation(text, finder);
    return finder.askedNames;
}

bool usesDates(const QString& text)
{
    if (!mayHoldNotation(text))
        return false;
    GroupFinder finder;
    scanNotation(text, finder);
    return finder.dates;
}

}  // namespace kestrune
