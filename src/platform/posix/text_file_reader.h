#pragma once

#include "list_limits.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <array>
#include <optional>

namespace kestrune {

// One open text file: a read-only descriptor, a fixed buffer and the encoding
// chosen for the file: UTF-16 when it starts with a UTF-16 byte-order mark (as
// Notepad's "Unicode" writes it), else UTF-8 when it is valid UTF-8, else code
// page 932. Closes the descriptor when destroyed. Text already in memory (a
// list piped in) is read the same way, through the same decoding.
class TextFileReader {
public:
    // Throws RuntimeError when the file cannot be opened or is not a plain file.
    // `limits` bound how far the encoding is looked for: no further than a
    // file within them reaches.
    TextFileReader(const QString& path, const TextLimits& limits);
    // Reads `contents` as a file's; `name` stands for the path in messages.
    TextFileReader(QByteArray contents, const QString& name, const TextLimits& limits);
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    bool atEnd();
    // The next line without its terminator (empty at the end); lines whose
    // text would exceed maxLength code units fail with error 59.
    QString readLine(qsizetype maxLength);
    // All the lines, handed over at once, when the text was decoded whole;
    // none when it is read a line at a time. The first of them past
    // `limits` fails as readLine would; the lines past the last one
    // `limits` takes are not looked at.
    std::optional<QStringList> takeWholeLines(const TextLimits& limits);

private:
    void chooseEncoding();
    bool fill();
    bool startsWithUtf16Mark();
    void rewindAfterProbe();
    bool probeUtf8();
    bool isWhollyRead();
    void decodeWhole();
    QString readUtf16Line(qsizetype maxLength);
    std::optional<char16_t> nextUtf16Unit();

    QString path_;
    qint64 probeLimit_;
    int fd_ = -1;  // none when reading from memory
    // Not cleared: only bytes that read() filled are used. Clearing 64 KiB for
    // every list opened took a sixth of the list-reader fuzz target's time.
    std::array<char, 65536> buffer_;
    QByteArray contents_;  // the text, when read from memory
    bool contentsServed_ = false;
    const char* chunk_ = buffer_.data();  // the bytes at hand: the buffer, or all of contents_
    qsizetype pos_ = 0;
    qsizetype len_ = 0;
    enum class Encoding { Utf8, Cp932, Utf16LE, Utf16BE };
    Encoding encoding_ = Encoding::Utf8;
    std::optional<char16_t> pendingUnit_;  // a UTF-16 unit read ahead after a CR
    // A text that fits the buffer, or is in memory, is decoded whole and
    // its lines handed out one at a time; a longer file is read a line at a time.
    bool wholeText_ = false;
    QStringList wholeLines_;
    qsizetype nextWholeLine_ = 0;
    // Keeps every U+FEFF, so that exactly one is dropped at a line's start.
    QStringDecoder utf8Decoder_{QStringDecoder::Utf8,
                                QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    QStringDecoder cp932_;
};

// Everything `fd` gives up to its end, for a list that can be read only once
// (a pipe). `name` stands for the source in messages. Fails with error 59
// past the size no file within `limits` has.
QByteArray readWholeInput(int fd, const QString& name, const TextLimits& limits);

// True when `bytes` (the whole input) is well-formed UTF-8: no overlong forms,
// no surrogates, nothing above U+10FFFF, no sequence cut short at the end.
class Utf8Validator {
public:
    void feed(const char* data, qsizetype size);
    bool valid() const { return !failed_ && pending_ == 0; }

private:
    bool failed_ = false;
    int pending_ = 0;             // continuation bytes still expected
    unsigned char lower_ = 0x80;  // allowed range of the next continuation byte
    unsigned char upper_ = 0xBF;
};

}  // namespace kestrune
