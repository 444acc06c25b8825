#pragma once

#include <QString>

#include <type_traits>
#include <utility>

// A text of the program: the area of the program that shows it (the context
// a translator sees) and its Japanese source. lupdate reads these two as it
// reads QT_TRANSLATE_NOOP (translations/CMakeLists.txt tells it so).
#define KESTRUNE_TEXT(context, source) ::kestrune::Text(context, QT_TRANSLATE_NOOP(context, source))
// A text that counts something: "%n" in its source stands for the count, and
// English has one form for one thing and another for more.
#define KESTRUNE_COUNTED_TEXT(context, source) ::kestrune::CountedText(context, QT_TRANSLATE_N_NOOP(context, source))

namespace kestrune {

// The words of a text in the language in use (text_language.h); its source
// where that language has none. `count` picks a counted text's form.
QString wordsOf(const char* context, const char* source, int count = -1);

// Constant data until it is read, so that defining one costs nothing at
// start-up. Reading it looks its words up, so where thousands of rows share
// one text, read it once and keep the string.
class Text {
public:
    constexpr Text(const char* context, const char* source) noexcept : context_(context), source_(source) {}

    QString toString() const { return wordsOf(context_, source_); }
    operator QString() const { return toString(); }

    // QString::arg on the words; a Text among the arguments is read too.
    // Give a person's text and the values after it in one call: a chained
    // .arg would take a "%1" in a folder name for the next value's place.
    template <typename... Arguments> QString arg(Arguments&&... arguments) const
    {
        return toString().arg(read(std::forward<Arguments>(arguments))...);
    }

    const char* context() const noexcept { return context_; }
    const char* source() const noexcept { return source_; }

private:
    template <typename Argument> static decltype(auto) read(Argument&& argument)
    {
        if constexpr (std::is_same_v<std::remove_cvref_t<Argument>, Text>)
            return argument.toString();
        else
            return std::forward<Argument>(argument);
    }

    const char* context_;
    const char* source_;
};

// Joined as strings are.
inline QString operator+(const Text& text, const QString& string)
{
    return text.toString() + string;
}
inline QString operator+(const QString& string, const Text& text)
{
    return string + text.toString();
}
inline QString operator+(const Text& text, QChar character)
{
    return text.toString() + character;
}
inline QString operator+(QChar character, const Text& text)
{
    return character + text.toString();
}
inline QString operator+(const Text& left, const Text& right)
{
    return left.toString() + right.toString();
}

// A text that counts: its words for `count` things, "%n" replaced by the count.
class CountedText {
public:
    constexpr CountedText(const char* context, const char* source) noexcept : context_(context), source_(source) {}

    QString withCount(qsizetype count) const;

    const char* context() const noexcept { return context_; }
    const char* source() const noexcept { return source_; }

private:
    const char* context_;
    const char* source_;
};

}  // namespace kestrune
