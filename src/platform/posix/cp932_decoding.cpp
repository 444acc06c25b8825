#include "cp932_decoding.h"

#include <QByteArray>
#include <QList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace kestrune {

namespace {

// No code page 932 decoder gives U+FFFF, a noncharacter: in the table of
// pairs it marks a lead byte that the decoder takes alone, before the byte
// after it is read afresh.
constexpr char16_t takenAlone = 0xFFFF;

struct Cp932Table {
    bool usable = false;
    std::array<char16_t, 256> single{};  // what a byte gives on its own
    std::array<bool, 256> lead{};        // the byte starts a two-byte character with some byte
    std::vector<char16_t> pairs;         // [first << 8 | second]: the character both give, or takenAlone
};

bool isPlainUnit(char16_t unit)
{
    return unit != takenAlone && !QChar::isSurrogate(unit);
}

// The decoder's answers to a probe that puts a line end after each question:
// no character of code page 932 holds a line-end byte, so the answers come
// apart there. Read in place: a string for each of thousands of answers
// would cost more than all the rest of filling the table.
class Answers {
public:
    Answers(QStringDecoder& decoder, const QByteArray& probe) : text_(decoder.decode(probe)) {}

    // The next answer; none past the last.
    std::optional<QStringView> next()
    {
        const qsizetype end = text_.indexOf(u'\n', at_);
        if (end < 0)
            return std::nullopt;
        const QStringView answer = QStringView(text_).sliced(at_, end - at_);
        at_ = end + 1;
        return answer;
    }
    bool allRead() const { return at_ == text_.size(); }

private:
    QString text_;
    qsizetype at_ = 0;
};

// Asks the decoder what each byte gives on its own, then what each byte that
// gives no character so (a lead byte, or a byte that is no character) gives
// with each byte after it. A byte that gives a character is one whatever
// follows it, as in every code page of single and double bytes. Unusable
// when any answer is not what a table of bytes and pairs can give.
Cp932Table filledTable()
{
    Cp932Table table;
    QStringDecoder decoder = makeCp932Decoder();
    if (!decoder.isValid())
        return table;
    QByteArray probe;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\n')
            probe.append(char(byte)).append('\n');
    }
    Answers singles(decoder, probe);
    table.single.at('\n') = u'\n';
    QList<int> unclear;  // bytes that give no character on their own
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == '\n')
            continue;
        const std::optional<QStringView> given = singles.next();
        if (!given || given->size() != 1 || !isPlainUnit(given->front().unicode()))
            return table;
        table.single.at(static_cast<std::size_t>(byte)) = given->front().unicode();
        if (given->front() == QChar::ReplacementCharacter || given->front() == u'\x1A')
            unclear.append(byte);
    }
    if (!singles.allRead())
        return table;

    probe.clear();
    for (const int first : std::as_const(unclear)) {
        for (int second = 0; second < 256; ++second) {
            if (second != '\n')
                probe.append(char(first)).append(char(second)).append('\n');
        }
    }
    Answers pairs(decoder, probe);
    table.pairs.assign(std::size_t{256} * 256, takenAlone);
    for (const int first : std::as_const(unclear)) {
        const auto lead = static_cast<std::size_t>(first);
        for (std::size_t second = 0; second < 256; ++second) {
            if (second == '\n')
                continue;
            const std::optional<QStringView> given = pairs.next();
            if (!given)
                return table;
            if (given->size() == 2 && given->at(0) == table.single.at(lead) && given->at(1) == table.single.at(second))
                continue;  // the first alone, then the second afresh
            if (given->size() != 1 || !isPlainUnit(given->front().unicode()))
                return table;
            table.pairs.at(lead << 8 | second) = given->front().unicode();
            table.lead.at(lead) = true;
        }
    }
    if (!pairs.allRead())
        return table;
    table.usable = true;
    return table;
}

}  // namespace

QStringDecoder makeCp932Decoder()
{
    // Both names give code page 932 with ICU; the first is the precise one.
    QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        decoder = QStringDecoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    return decoder;
}

char16_t* decodeCp932Into(QByteArrayView bytes, char16_t* out)
{
    static const Cp932Table table = filledTable();
    if (!table.usable)
        return nullptr;
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        const unsigned char first = *at;
        // Only a lead byte looks at the pairs: the other rows of that 128 KiB
        // table would crowd out the cache for nothing.
        if (table.lead[first]) {
            if (at + 1 == end)
                return nullptr;  // what the decoder makes of a lead byte cut off by the end is not in the table
            const char16_t both = table.pairs[std::size_t{first} << 8 | at[1]];
            if (both != takenAlone) {
                *out++ = both;
                at += 2;
                continue;
            }
        }
        *out++ = table.single[first];
        ++at;
    }
    return out;
}

QString decodeCp932(QByteArrayView bytes, QStringDecoder& decoder)
{
    QString text(bytes.size(), Qt::Uninitialized);  // never more characters than bytes
    auto* const begin = reinterpret_cast<char16_t*>(text.data());
    const char16_t* const end = decodeCp932Into(bytes, begin);
    if (end == nullptr)
        return decoder.decode(bytes);
    text.truncate(end - begin);
    return text;
}

}  // namespace kestrune
