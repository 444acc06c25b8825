#include "text_file_reader.h"
#include "list_limits.h"
#include "posix_texts.h"

#include "cp932_decoding.h"
#include "native_path.h"
#include "os_error.h"
#include "read_to_end.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrune {

namespace {

// Bytes a line of the longest allowed text can take: three bytes a code unit
// in UTF-8, two in code page 932.
constexpr qsizetype bytesPerUnitAtMost = 3;

// Past this many bytes no load can succeed (one line more than the limits
// allow, each of the longest length, fails anyway), so the encoding probe
// need not look further.
constexpr qint64 probeLimitOf(const TextLimits& limits)
{
    return (limits.mostLines + 1LL) * (limits.longestLine * bytesPerUnitAtMost + 2);
}

// A byte-order mark starting a line, as joining two files leaves one, would
// put an invisible character at the front of a folder name.
QString dropLeadingByteOrderMark(QString line)
{
    if (line.startsWith(QChar::ByteOrderMark))
        line.remove(0, 1);
    return line;
}

// What a byte starting a UTF-8 sequence allows: the bytes that follow it, and
// the range of the first of them (narrowed to refuse overlong forms,
// surrogates and code points above U+10FFFF). No byte follows a byte that
// cannot start a sequence: `following` is -1 for those.
struct Utf8Start {
    int following = -1;
    unsigned char lower = 0x80;
    unsigned char upper = 0xBF;
};

constexpr Utf8Start utf8Start(unsigned char byte)
{
    if (byte < 0x80)
        return {0};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {1};
    if (byte >= 0xE0 && byte <= 0xEF)
        return {2, static_cast<unsigned char>(byte == 0xE0 ? 0xA0 : 0x80),
                static_cast<unsigned char>(byte == 0xED ? 0x9F : 0xBF)};
    if (byte >= 0xF0 && byte <= 0xF4)
        return {3, static_cast<unsigned char>(byte == 0xF0 ? 0x90 : 0x80),
                static_cast<unsigned char>(byte == 0xF4 ? 0x8F : 0xBF)};
    return {};
}

// Decodes the bytes from `at` to `end` into `out` (room for a unit a byte)
// when they are well-formed UTF-8, as Utf8Validator judges them, and gives
// the end of the units written; null otherwise. Checks and decodes in one
// pass: Qt's decoder would need the validator's pass before it and takes
// three times as long on Japanese text, and a list is decoded at every load.
char16_t* decodeUtf8(const unsigned char* at, const unsigned char* const end, char16_t* out)
{
    while (at < end) {
        const unsigned char byte = *at;
        if (byte < 0x80) {
            *out++ = byte;
            ++at;
            continue;
        }
        // Kana and kanji, most of a Japanese list, take three bytes. Above
        // U+07FF and outside the surrogates is what the table's range of the
        // second byte allows.
        if ((byte & 0xF0) == 0xE0 && end - at >= 3 && (at[1] & 0xC0) == 0x80 && (at[2] & 0xC0) == 0x80) {
            const auto code = static_cast<char16_t>(((byte & 0x0F) << 12) | ((at[1] & 0x3F) << 6) | (at[2] & 0x3F));
            if (code < 0x800 || QChar::isSurrogate(code))
                return nullptr;
            *out++ = code;
            at += 3;
            continue;
        }
        const Utf8Start start = utf8Start(byte);
        if (start.following < 0 || end - at <= start.following || at[1] < start.lower || at[1] > start.upper)
            return nullptr;
        char32_t code = byte & (0x3F >> start.following);
        for (int k = 1; k <= start.following; ++k) {
            if (k > 1 && (at[k] & 0xC0) != 0x80)
                return nullptr;
            code = (code << 6) | (at[k] & 0x3F);
        }
        at += start.following + 1;
        if (QChar::requiresSurrogates(code)) {
            *out++ = QChar::highSurrogate(code);
            *out++ = QChar::lowSurrogate(code);
        } else {
            *out++ = static_cast<char16_t>(code);
        }
    }
    return out;
}

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// Where the line starting at `at` ends: its first CR or LF, or `end`. A
// name's bytes or units are far above both: a word of them at a time is
// passed over while none is below 0x0E (a lane less 0x0E borrows into its
// top bit only when below it). Qt's search looks for one character, not
// two, and a call a line would cost more than a name's few units.
template <class Unit> const Unit* lineEndOf(const Unit* at, const Unit* const end)
{
    constexpr std::ptrdiff_t perWord = sizeof(std::uint64_t) / sizeof(Unit);
    constexpr std::uint64_t lanes = ~std::uint64_t{0} / ((std::uint64_t{1} << (8 * sizeof(Unit))) - 1);
    constexpr std::uint64_t tops = lanes << (8 * sizeof(Unit) - 1);
    while (at < end) {
        if (end - at >= perWord) {
            std::uint64_t word = 0;
            std::memcpy(&word, at, sizeof word);
            if (((word - lanes * 0x0E) & ~word & tops) == 0) {
                at += perWord;
                continue;
            }
        }
        if (*at == '\r' || *at == '\n')
            return at;
        ++at;
    }
    return end;
}

// Past the line end at `stop` (CR LF is one), or `end`.
template <class Unit> const Unit* nextLineAfter(const Unit* stop, const Unit* const end)
{
    if (stop == end)
        return end;
    return stop + (*stop == '\r' && stop + 1 < end && stop[1] == '\n' ? 2 : 1);
}

// The lines of `size` bytes when all are well-formed UTF-8 (no sequence
// holds a line-end byte, so each line is judged alone); none otherwise.
// Each line is decoded straight into its own string: a text of the whole
// file between would be written and read once more at every load.
std::optional<QStringList> wellFormedUtf8Lines(const char* data, qsizetype size)
{
    QStringList lines;
    // Grown to the longest line; never empty, so that an empty line is not
    // decoded into a null pointer, which says "not UTF-8".
    std::vector<char16_t> units(256);
    const auto* at = reinterpret_cast<const unsigned char*>(data);
    const auto* const end = at + size;
    while (at < end) {
        const unsigned char* const stop = lineEndOf(at, end);
        // A byte-order mark starting a line, as joining two files leaves
        // one, would put an invisible character at the front of a name.
        const unsigned char* first = at;
        if (stop - first >= 3 && first[0] == 0xEF && first[1] == 0xBB && first[2] == 0xBF)
            first += 3;
        // Never more UTF-16 units than bytes.
        units.resize(std::max(units.size(), static_cast<std::size_t>(stop - first)));
        const char16_t* const decoded = decodeUtf8(first, stop, units.data());
        if (decoded == nullptr)
            return std::nullopt;
        lines.append(QString(reinterpret_cast<const QChar*>(units.data()), decoded - units.data()));
        at = nextLineAfter(stop, end);
    }
    return lines;
}

// The lines of `size` bytes of code page 932, each decoded straight into
// its own string through the table, as wellFormedUtf8Lines does for UTF-8;
// none where the table cannot tell. Each line is decoded with its line end:
// no character holds a line-end byte, so a lead byte cut off by one becomes
// the substitute character, as in the whole text.
std::optional<QStringList> cp932LinesByTable(const char* data, qsizetype size)
{
    QStringList lines;
    std::vector<char16_t> units(256);  // grown to the longest line; never empty, as above
    const char* at = data;
    const char* const end = data + size;
    while (at < end) {
        const char* const stop = lineEndOf(at, end);
        const qsizetype withEnd = stop - at + (stop < end ? 1 : 0);
        units.resize(std::max(units.size(), static_cast<std::size_t>(withEnd)));
        const char16_t* decoded = decodeCp932Into(QByteArrayView(at, withEnd), units.data());
        if (decoded == nullptr)
            return std::nullopt;
        if (stop < end) {
            if (decoded == units.data() || decoded[-1] != static_cast<char16_t>(*stop))
                return std::nullopt;  // the line end went into a character: not as the whole text reads
            --decoded;
        }
        lines.append(QString(reinterpret_cast<const QChar*>(units.data()), decoded - units.data()));
        at = nextLineAfter(stop, end);
    }
    return lines;
}

// The lines of a text decoded whole.
QStringList linesOf(const QString& text)
{
    QStringList lines;
    const auto* const begin = reinterpret_cast<const char16_t*>(text.constData());
    const char16_t* at = begin;
    const char16_t* const end = begin + text.size();
    while (at < end) {
        const char16_t* const stop = lineEndOf(at, end);
        lines.append(text.sliced(at - begin, stop - at));
        at = nextLineAfter(stop, end);
    }
    return lines;
}

}  // namespace

QByteArray readWholeInput(int fd, const QString& name, const TextLimits& limits)
{
    return readToEnd(fd, probeLimitOf(limits), name, RuntimeError(BadRecordLength, texts::listTooLarge.arg(name)));
}

void Utf8Validator::feed(const char* data, qsizetype size)
{
    // The state in locals: members could alias the bytes read through a char
    // pointer, and would be loaded again at every byte.
    bool failed = failed_;
    int pending = pending_;
    unsigned char lower = lower_;
    unsigned char upper = upper_;
    const auto* at = reinterpret_cast<const unsigned char*>(data);
    const auto* const end = at + size;
    while (at < end && !failed) {
        const unsigned char byte = *at++;
        if (pending > 0) {
            failed = byte < lower || byte > upper;
            lower = 0x80;
            upper = 0xBF;
            --pending;
            continue;
        }
        const Utf8Start start = utf8Start(byte);
        failed = start.following < 0;
        pending = start.following;
        lower = start.lower;
        upper = start.upper;
    }
    failed_ = failed;
    pending_ = pending;
    lower_ = lower;
    upper_ = upper;
}

TextFileReader::TextFileReader(const QString& path, const TextLimits& limits)
    : path_(path), probeLimit_(probeLimitOf(limits))
{
    const QByteArray native = nativePath(path);
    // O_NONBLOCK so that a FIFO with a .txt name cannot hang the window.
    fd_ = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0)
        throw errorFromErrno(errno, path);
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        const int error = errno;
        ::close(fd_);
        throw errorFromErrno(error, path);
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd_);
        throw RuntimeError(PathFileAccessError,
                           S_ISDIR(info.st_mode) ? texts::isAFolder.arg(path) : texts::notAPlainFile.arg(path));
    }
    try {
        chooseEncoding();
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

TextFileReader::TextFileReader(QByteArray contents, const QString& name, const TextLimits& limits)
    : path_(name), probeLimit_(probeLimitOf(limits)), contents_(std::move(contents))
{
    chooseEncoding();
}

void TextFileReader::chooseEncoding()
{
    if (startsWithUtf16Mark())
        return;
    if (isWhollyRead()) {
        decodeWhole();
        return;
    }
    encoding_ = probeUtf8() ? Encoding::Utf8 : Encoding::Cp932;
    rewindAfterProbe();
    if (encoding_ == Encoding::Cp932) {
        cp932_ = makeCp932Decoder();
        if (!cp932_.isValid())
            throw RuntimeError(InvalidProcedureCall, texts::noShiftJisDecoder.arg(path_));
    }
}

TextFileReader::~TextFileReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool TextFileReader::startsWithUtf16Mark()
{
    if (!fill() || len_ < 2)
        return false;
    const auto first = static_cast<unsigned char>(chunk_[0]);
    const auto second = static_cast<unsigned char>(chunk_[1]);
    // Neither pair can start UTF-8 or code page 932 text.
    if (first == 0xFF && second == 0xFE)
        encoding_ = Encoding::Utf16LE;
    else if (first == 0xFE && second == 0xFF)
        encoding_ = Encoding::Utf16BE;
    else
        return false;
    pos_ = 2;
    return true;
}

bool TextFileReader::isWhollyRead()
{
    if (fd_ < 0)
        return true;
    // A file that fits the buffer is decoded in one piece, without reading it twice.
    while (len_ < static_cast<qsizetype>(buffer_.size())) {
        const ssize_t got = ::read(fd_, buffer_.data() + len_, buffer_.size() - static_cast<std::size_t>(len_));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw errorFromErrno(errno, path_);
        if (got == 0)
            return true;
        len_ += got;
    }
    return false;
}

void TextFileReader::decodeWhole()
{
    wholeText_ = true;
    const char* bytes = chunk_ + pos_;
    qsizetype size = len_ - pos_;
    pos_ = len_;
    // A byte-order mark says UTF-8 and is not part of the first name.
    if (size >= 3 && std::string_view(bytes, 3) == "\xEF\xBB\xBF") {
        bytes += 3;
        size -= 3;
    }
    if (std::optional<QStringList> lines = wellFormedUtf8Lines(bytes, size)) {
        encoding_ = Encoding::Utf8;
        wholeLines_ = std::move(*lines);
        return;
    }
    encoding_ = Encoding::Cp932;
    cp932_ = makeCp932Decoder();
    if (!cp932_.isValid())
        throw RuntimeError(InvalidProcedureCall, texts::noShiftJisDecoder.arg(path_));
    if (std::optional<QStringList> lines = cp932LinesByTable(bytes, size)) {
        wholeLines_ = std::move(*lines);
        return;
    }
    // Decoded in one piece, as each line on its own: no line end can be the
    // second byte of a character, so a lead byte cut off by one becomes the
    // substitute character and the line end stays. The last line gets one too.
    QByteArray all(bytes, size);
    if (size > 0 && !isLineEnd(bytes[size - 1]))
        all.append('\n');
    wholeLines_ = linesOf(decodeCp932(all, cp932_));
}

bool TextFileReader::probeUtf8()
{
    Utf8Validator validator;
    qint64 seen = 0;
    while (seen < probeLimit_) {
        if (!fill())
            break;
        validator.feed(chunk_ + pos_, len_ - pos_);
        seen += len_ - pos_;
        pos_ = len_;
    }
    return validator.valid();
}

void TextFileReader::rewindAfterProbe()
{
    if (fd_ >= 0 && ::lseek(fd_, 0, SEEK_SET) < 0)
        throw errorFromErrno(errno, path_);
    contentsServed_ = false;
    pos_ = len_ = 0;
    // A byte-order mark says UTF-8 and is not part of the first name.
    if (fill() && len_ >= 3 && static_cast<unsigned char>(chunk_[0]) == 0xEF &&
        static_cast<unsigned char>(chunk_[1]) == 0xBB && static_cast<unsigned char>(chunk_[2]) == 0xBF)
        pos_ = 3;
}

bool TextFileReader::fill()
{
    if (pos_ < len_)
        return true;
    if (fd_ < 0) {
        // Text in memory is one chunk, read in place.
        if (contentsServed_)
            return false;
        contentsServed_ = true;
        chunk_ = contents_.constData();
        pos_ = 0;
        len_ = contents_.size();
        return len_ > 0;
    }
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data(), buffer_.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw errorFromErrno(errno, path_);
        pos_ = 0;
        len_ = got;
        return got > 0;
    }
}

bool TextFileReader::atEnd()
{
    if (wholeText_)
        return nextWholeLine_ >= wholeLines_.size();
    return !pendingUnit_ && !fill();
}

// The next UTF-16 code unit, or none at the end. A byte left over at the end
// gives U+FFFF, which no line may hold, so that the line fails to read.
std::optional<char16_t> TextFileReader::nextUtf16Unit()
{
    if (pendingUnit_)
        return std::exchange(pendingUnit_, std::nullopt);
    if (!fill())
        return std::nullopt;
    const auto first = static_cast<unsigned char>(chunk_[pos_++]);
    if (!fill())
        return u'\uFFFF';
    const auto second = static_cast<unsigned char>(chunk_[pos_++]);
    return encoding_ == Encoding::Utf16LE ? static_cast<char16_t>(first | second << 8)
                                          : static_cast<char16_t>(first << 8 | second);
}

QString TextFileReader::readUtf16Line(qsizetype maxLength)
{
    QString line;
    while (const std::optional<char16_t> unit = nextUtf16Unit()) {
        if (*unit == u'\n')
            break;
        if (*unit == u'\r') {
            // CR LF is one line end; anything else after a CR starts the next line.
            if (const std::optional<char16_t> next = nextUtf16Unit(); next && *next != u'\n')
                pendingUnit_ = next;
            break;
        }
        if (line.size() == maxLength)
            throw RuntimeError(BadRecordLength, texts::lineTooLong.arg(path_, QString::number(maxLength)));
        line.append(QChar(*unit));
    }
    // Half a surrogate pair, a cut-off byte or U+FFFF (no character) cannot
    // become a folder name.
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t unit = line.at(i).unicode();
        const bool pairStart = QChar::isHighSurrogate(unit) && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        if (pairStart)
            ++i;
        else if (QChar::isSurrogate(unit) || unit == u'\uFFFF')
            throw RuntimeError(DeviceIOError, texts::brokenUtf16.arg(path_));
    }
    return dropLeadingByteOrderMark(line);
}

std::optional<QStringList> TextFileReader::takeWholeLines(const TextLimits& limits)
{
    if (!wholeText_)
        return std::nullopt;
    const qsizetype count = std::min<qsizetype>(wholeLines_.size(), limits.mostLines);
    for (qsizetype line = nextWholeLine_; line < count; ++line) {
        if (wholeLines_.at(line).size() > limits.longestLine)
            throw RuntimeError(BadRecordLength, texts::lineTooLong.arg(path_, QString::number(limits.longestLine)));
    }
    QStringList lines = std::exchange(wholeLines_, {});
    lines.remove(0, std::exchange(nextWholeLine_, 0));
    return lines;
}

QString TextFileReader::readLine(qsizetype maxLength)
{
    if (wholeText_) {
        // Handed over: the reader is done with it.
        QString line = std::move(wholeLines_[nextWholeLine_++]);
        if (line.size() > maxLength)
            throw RuntimeError(BadRecordLength, texts::lineTooLong.arg(path_, QString::number(maxLength)));
        return line;
    }
    if (encoding_ == Encoding::Utf16LE || encoding_ == Encoding::Utf16BE)
        return readUtf16Line(maxLength);
    const qsizetype maxBytes = maxLength * bytesPerUnitAtMost;
    QByteArray bytes;
    bool endedByCr = false;
    bool ended = false;
    while (!ended && fill()) {
        const char* start = chunk_ + pos_;
        qsizetype n = 0;
        while (pos_ + n < len_ && start[n] != '\r' && start[n] != '\n')
            ++n;
        if (bytes.size() + n > maxBytes)
            throw RuntimeError(BadRecordLength, texts::lineTooLong.arg(path_, QString::number(maxLength)));
        bytes.append(start, n);
        pos_ += n;
        if (pos_ < len_) {
            endedByCr = chunk_[pos_] == '\r';
            ++pos_;
            ended = true;
        }
    }
    // CR LF is one line end, even when the LF starts the next buffer.
    if (endedByCr && fill() && chunk_[pos_] == '\n')
        ++pos_;

    QString line;
    if (encoding_ == Encoding::Utf8) {
        line = dropLeadingByteOrderMark(utf8Decoder_.decode(bytes));
    } else {
        // The decoder would hold back a lead byte that ends the line and drop
        // it, silently changing the name. Followed by a line end it becomes
        // the substitute character, as every other byte that is no character
        // does, and the name is refused where it would be made.
        bytes.append('\n');
        line = decodeCp932(bytes, cp932_);
        if (line.endsWith(u'\n'))
            line.chop(1);
    }
    if (line.size() > maxLength)
        throw RuntimeError(BadRecordLength, texts::lineTooLong.arg(path_, QString::number(maxLength)));
    return line;
}

}  // namespace kestrune
