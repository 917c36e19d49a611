#pragma once
// The window's description as one JSON object, for what is built outside C++
// (the page): the controls with their places in twips (and in the window's
// client area), the texts, the commands and both pictures as pixels. Written
// from the tables, never by hand.

#include <string>
#include <string_view>

#include "form/json.h"
#include "form/texts.h"

namespace form {

// The description; `moreMembers` (",\"name\":value..." ) is added at its end.
std::string DescriptionJson(std::string_view moreMembers = {});

// {"title":...,"message":...}
inline std::string BoxJson(const Box& box) {
    return "{\"title\":" + json::Quoted(box.title) + ",\"message\":" + json::Quoted(box.message) + "}";
}

}  // namespace form
