#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <array>

namespace kestrune {

// One open text file: a read-only descriptor, a fixed buffer and the decoder
// chosen for the file. Closes the descriptor when destroyed.
class TextFileReader {
public:
    // Throws RuntimeError when the file cannot be opened or is not a plain file.
    explicit TextFileReader(const QString& path);
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    bool atEnd();
    // The next line without its terminator; lines whose text would exceed
    // maxLength code units fail with error 59.
    QString readLine(qsizetype maxLength);

    bool isUtf8() const { return utf8_; }

private:
    bool fill();
    void rewindAfterProbe();
    bool probeUtf8();

    QString path_;
    int fd_ = -1;
    std::array<char, 65536> buffer_{};
    qsizetype pos_ = 0;
    qsizetype len_ = 0;
    bool utf8_ = true;
    // Keeps every U+FEFF, so that exactly one is dropped at a line's start.
    QStringDecoder utf8Decoder_{QStringDecoder::Utf8,
                                QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom};
    QStringDecoder cp932_;
};

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
