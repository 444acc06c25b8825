#include "japanese_names.h"

#include <QStringEncoder>

#include <array>
#include <stdexcept>

namespace kestrune::bench {

QStringList japaneseNames(int count)
{
    static const std::array<QString, 10> subjects = {
        QStringLiteral("営業部"),       QStringLiteral("総務課"), QStringLiteral("経理資料"),
        QStringLiteral("開発チーム"),   QStringLiteral("会議室"), QStringLiteral("お客様情報"),
        QStringLiteral("見積書"),       QStringLiteral("請求書"), QStringLiteral("議事録"),
        QStringLiteral("写真アルバム"),
    };
    static const std::array<QString, 4> endings = {
        QString(),
        QStringLiteral("（控え）"),
        QStringLiteral("_最終版"),
        QStringLiteral("_令和六年度"),
    };
    QStringList names;
    names.reserve(count);
    for (int index = 0; index < count; ++index) {
        const auto subject = static_cast<std::size_t>(index % 10);
        const auto ending = static_cast<std::size_t>((index / 10) % 4);
        names.append(subjects[subject] + QStringLiteral("%1").arg(index + 1, 4, 10, QLatin1Char('0')) +
                     endings[ending]);
    }
    return names;
}

QByteArray listFileUtf8(const QStringList& names)
{
    QByteArray bytes;
    for (const QString& name : names)
        bytes += name.toUtf8() + "\r\n";
    return bytes;
}

QByteArray listFileCp932(const QStringList& names)
{
    QStringEncoder encoder("windows-31j");
    if (!encoder.isValid())
        encoder = QStringEncoder("Shift_JIS");
    if (!encoder.isValid())
        throw std::runtime_error("no code page 932 encoder");
    QByteArray bytes;
    for (const QString& name : names) {
        bytes += QByteArray(encoder.encode(name));
        bytes += "\r\n";
    }
    if (encoder.hasError())
        throw std::runtime_error("a name does not fit code page 932");
    return bytes;
}

}  // namespace kestrune::bench
