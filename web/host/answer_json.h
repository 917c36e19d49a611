#pragma once
// A form::Answer as the page reads it, one JSON object naming each control by
// its row in form::WindowControls() (the order of the description's "controls"):
//   {"writes":[[row,"text"],...],"select":row,"focus":row,"selectText":true,
//    "leave":true,"box":{"title":"...","message":"..."},"quit":true}
// Members with nothing to say are left out. Written by the WebAssembly
// binding for every answer, and by page_description for the start state.

#include <string>

#include "form/description.h"
#include "form/window.h"

namespace web {

// Appends the answer to `out` (kept by the caller, so its room is reused).
inline void AppendAnswerJson(const form::Answer& answer, std::string& out) {
    const auto row = [](const form::ControlRow* control) { return std::to_string(form::RowIndex(*control)); };
    out += "{\"writes\":[";
    for (std::size_t i = 0; i < answer.writes.size(); ++i) {
        out += i ? ",[" : "[";
        out += row(answer.writes[i].first);
        out += ',';
        out += form::json::Quoted(answer.writes[i].second);
        out += ']';
    }
    out += ']';
    if (answer.select) out += ",\"select\":" + row(answer.select);
    if (answer.focus) out += ",\"focus\":" + row(answer.focus);
    if (answer.selectText) out += ",\"selectText\":true";
    if (answer.leave) out += ",\"leave\":true";
    if (answer.box) out += ",\"box\":" + form::BoxJson(*answer.box);
    if (answer.quit) out += ",\"quit\":true";
    out += '}';
}

}  // namespace web
