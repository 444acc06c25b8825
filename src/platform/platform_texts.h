#pragma once

#include "translatable_text.h"

// Every word the host-neutral part of the platform shows a person.
namespace kestrune::texts {

// A list on a shelf that did not answer: the limit in seconds, then its path.
inline constexpr Text shelfListNotAnswering = KESTRUNE_TEXT("Shelves", "棚の一覧が %1 秒以内に応答しません: %2");

}  // namespace kestrune::texts
