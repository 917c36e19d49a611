#pragma once
// The page's own limits, shared by its module and the description the page
// and its tests are built from.

#include <cstddef>

namespace web {

// The most bytes of UTF-8 a paste or drop may make a field of the page hold.
// A page's field takes 256 KiB in about a tenth of a second, a few MB freeze
// the tab for seconds and every key after them (README, "The web page").
inline constexpr std::size_t kPageLongestPaste = 262'144;

}  // namespace web
