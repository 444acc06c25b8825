#include "date_codes.h"

#include "era_table.h"

#include <array>
#include <string_view>

namespace kestrune {

namespace {

enum class DateCode : quint8 {
    Year4,
    Year2,
    Month,
    Month2,
    Day,
    Day2,
    Weekday,
    WeekdayLong,
    EraInitial,
    EraShort,
    EraName,
    EraYear,
    EraYear2,
};

struct Spelling {
    std::u16string_view letters;
    DateCode code;
};

// Longest first, so that "yyyy" is never read as "yy" twice.
constexpr std::array spellings{
    Spelling{u"yyyy", DateCode::Year4},  Spelling{u"aaaa", DateCode::WeekdayLong},
    Spelling{u"ggg", DateCode::EraName}, Spelling{u"aaa", DateCode::Weekday},
    Spelling{u"yy", DateCode::Year2},    Spelling{u"mm", DateCode::Month2},
    Spelling{u"dd", DateCode::Day2},     Spelling{u"gg", DateCode::EraShort},
    Spelling{u"ee", DateCode::EraYear2}, Spelling{u"m", DateCode::Month},
    Spelling{u"d", DateCode::Day},       Spelling{u"g", DateCode::EraInitial},
    Spelling{u"e", DateCode::EraYear},
};

// Monday first, as QDate::dayOfWeek counts.
constexpr std::array<const char16_t*, 7> weekdayNames{u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
constexpr char16_t weekdaySuffix[] = u"曜日";
constexpr char16_t firstEraYear[] = u"元";

bool isJoiner(QChar c)
{
    return c == u'-' || c == u'_' || c == u'.' || c == u' ';
}

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// The code spelled at the start of `text`, and its length; 0 when none is.
qsizetype matchCode(QStringView text, DateCode& code)
{
    for (const Spelling& spelling : spellings) {
        const auto length = qsizetype(spelling.letters.size());
        if (text.size() < length)
            continue;
        bool same = true;
        for (qsizetype i = 0; i < length && same; ++i)
            same = asciiLower(text[i].unicode()) == spelling.letters[size_t(i)];
        if (same) {
            code = spelling.code;
            return length;
        }
    }
    return 0;
}

bool isEraCode(DateCode code)
{
    return code >= DateCode::EraInitial;
}

bool namesEra(DateCode code)
{
    return code == DateCode::EraInitial || code == DateCode::EraShort || code == DateCode::EraName;
}

// Calls `onCode(code)` for each code and `onJoiner(c)` for each joiner of
// `codes`, left to right; false at the first character that is neither.
template <typename OnCode, typename OnJoiner> bool scanCodes(QStringView codes, OnCode onCode, OnJoiner onJoiner)
{
    qsizetype position = 0;
    while (position < codes.size()) {
        DateCode code{};
        if (const qsizetype length = matchCode(codes.sliced(position), code)) {
            onCode(code);
            position += length;
        } else if (isJoiner(codes[position])) {
            onJoiner(codes[position]);
            ++position;
        } else {
            return false;
        }
    }
    return true;
}

const Era* eraOf(QDate date)
{
    const Era* found = nullptr;
    for (const Era& era : eras) {
        if (date >= QDate(era.firstYear, era.firstMonth, era.firstDay))
            found = &era;
    }
    return found;
}

void appendPadded(QString& out, int value, int width)
{
    out += QString::number(value).rightJustified(width, u'0');
}

}  // namespace

bool isDateCodes(QStringView codes)
{
    bool anyCode = false;
    return scanCodes(
               codes, [&](DateCode) { anyCode = true; }, [](QChar) {}) &&
           anyCode;
}

std::optional<QString> formatDate(QStringView codes, QDate date)
{
    bool anyCode = false;
    bool usesEra = false;
    bool eraNamed = false;
    const bool known = scanCodes(
        codes,
        [&](DateCode code) {
            anyCode = true;
            usesEra = usesEra || isEraCode(code);
            eraNamed = eraNamed || namesEra(code);
        },
        [](QChar) {});
    if (!known || !anyCode || !date.isValid())
        return std::nullopt;
    const Era* era = usesEra ? eraOf(date) : nullptr;
    if (usesEra && era == nullptr)
        return std::nullopt;
    const int eraYear = era != nullptr ? date.year() - era->firstYear + 1 : 0;

    QString out;
    scanCodes(
        codes,
        [&](DateCode code) {
            switch (code) {
            case DateCode::Year4:
                appendPadded(out, date.year(), 4);
                break;
            case DateCode::Year2:
                appendPadded(out, date.year() % 100, 2);
                break;
            case DateCode::Month:
                appendPadded(out, date.month(), 1);
                break;
            case DateCode::Month2:
                appendPadded(out, date.month(), 2);
                break;
            case DateCode::Day:
                appendPadded(out, date.day(), 1);
                break;
            case DateCode::Day2:
                appendPadded(out, date.day(), 2);
                break;
            case DateCode::Weekday:
                out += QStringView(weekdayNames[size_t(date.dayOfWeek() - 1)]);
                break;
            case DateCode::WeekdayLong:
                out += QStringView(weekdayNames[size_t(date.dayOfWeek() - 1)]);
                out += QStringView(weekdaySuffix);
                break;
            case DateCode::EraInitial:
                out += QChar(era->initial);
                break;
            case DateCode::EraShort:
                out += QStringView(era->shortName);
                break;
            case DateCode::EraName:
                out += QStringView(era->name);
                break;
            case DateCode::EraYear:
                if (eraYear == 1 && eraNamed)
                    out += QStringView(firstEraYear);
                else
                    appendPadded(out, eraYear, 1);
                break;
            case DateCode::EraYear2:
                appendPadded(out, eraYear, 2);
                break;
            }
        },
        [&](QChar joiner) { out += joiner; });
    return out;
}

}  // namespace kestrune
