#pragma once
// A form::Answer as the page reads it, one JSON object naming each control by
// its row in form::WindowControls() (the order of the description's "controls"):
//   {"writes":[[row,"text"],...],"select":row,"focus":row,"selectText":true,
//    "leave":true,"box":{"title":"...","message":"..."},"quit":true}
// Members with nothing to say are left out. Written by the WebAssembly
// binding for every answer, and by page_description for the start state.

#include <string>
#include <string_view>

#include "form/json.h"
#include "form/window.h"

namespace web {

using form::json::Quoted;

// The row of `name` in form::WindowControls(); -1 for none.
inline int RowOf(std::string_view name) {
    const auto rows = form::WindowControls();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (name == rows[i].name) return static_cast<int>(i);
    return -1;
}

// Appends the answer to `out` (kept by the caller, so its room is reused).
inline void AppendAnswerJson(const form::Answer& answer, std::string& out) {
    out += "{\"writes\":[";
    for (std::size_t i = 0; i < answer.writes.size(); ++i) {
        out += i ? ",[" : "[";
        out += std::to_string(RowOf(answer.writes[i].first));
        out += ',';
        out += Quoted(answer.writes[i].second);
        out += ']';
    }
    out += ']';
    if (!answer.select.empty()) out += ",\"select\":" + std::to_string(RowOf(answer.select));
    if (!answer.focus.empty()) out += ",\"focus\":" + std::to_string(RowOf(answer.focus));
    if (answer.selectText) out += ",\"selectText\":true";
    if (answer.leave) out += ",\"leave\":true";
    if (answer.box)
        out += ",\"box\":{\"title\":" + Quoted(answer.box->title) + ",\"message\":" + Quoted(answer.box->message) + "}";
    if (answer.quit) out += ",\"quit\":true";
    out += '}';
}

}  // namespace web
