#pragma once

#include <array>

// The Japanese eras the date notation can name, oldest first. A new era is one
// more line at the end: its first day and its three spellings.
namespace kestrune {

struct Era {
    int firstYear;
    int firstMonth;
    int firstDay;
    char16_t initial;           // g: the Latin initial
    const char16_t* shortName;  // gg
    const char16_t* name;       // ggg
};

inline constexpr std::array eras{
    Era{1926, 12, 25, u'S', u"昭", u"昭和"},
    Era{1989, 1, 8, u'H', u"平", u"平成"},
    Era{2019, 5, 1, u'R', u"令", u"令和"},
};

}  // namespace kestrune
