#include "translatable_text.h"
#include "text_language.h"

#include <algorithm>
#include <atomic>
#include <climits>

namespace kestrune {

namespace {

// Set before the first text is read and cleared after the last; only read between.
std::atomic<const QTranslator*> inUse{nullptr};

}  // namespace

QString wordsOf(const char* context, const char* source, int count)
{
    if (const QTranslator* translation = inUse.load(std::memory_order_acquire)) {
        QString words = translation->translate(context, source, nullptr, count);
        if (!words.isEmpty())
            return words;
    }
    return QString::fromUtf8(source);
}

QString CountedText::withCount(qsizetype count) const
{
    const int form = static_cast<int>(std::clamp<qsizetype>(count, 0, INT_MAX));
    return wordsOf(context_, source_, form).replace(QStringLiteral("%n"), QString::number(count));
}

TextLanguage::TextLanguage(Language language)
{
    if (language == Language::Japanese)
        return;
    loaded_ = translation_.load(QStringLiteral(":/i18n/kestrune_en.qm"));  // translations/CMakeLists.txt
    if (loaded_)
        inUse.store(&translation_, std::memory_order_release);
}

TextLanguage::~TextLanguage()
{
    const QTranslator* mine = &translation_;
    inUse.compare_exchange_strong(mine, nullptr, std::memory_order_acq_rel);
}

}  // namespace kestrune
