// Writes the tests' view of the window (build/<preset>/tests/form.json): the
// window's description the page is built from, and what the window scripts
// and the browser tests look up in it besides: the result and input fields,
// the option of each system, each control's tab index, the zero, every box by
// its name, the paste limit and its box.
//   form_json OUTPUT.json
#include <cstdio>
#include <string>
#include <utility>

#include "calc/numbers.h"
#include "form/commands.h"
#include "form/controls.h"
#include "form/description.h"
#include "form/json.h"
#include "form/texts.h"

namespace {

using form::json::Quoted;

std::string Field(int number) { return Quoted(form::FieldRow(number)->name); }

std::string TestMembers() {
    std::string json = ",\"resultFields\":[";
    for (std::size_t i = 0; i < calc::kResultCount; ++i)
        json += (i ? "," : "") + Field(form::kFirstResultField + static_cast<int>(i));
    json += "],\"inputFields\":{\"hectares\":" + Field(form::kHectaresField) +
            ",\"distance\":" + Field(form::kDistanceField) + ",\"length\":" + Field(form::kLengthField) +
            ",\"width\":" + Field(form::kWidthField) + "}";
    // The option button of each planting system, by the system's name.
    const char* systems[] = {"square", "rectangular", "triangular"};
    json += ",\"options\":{";
    for (const form::ControlRow& row : form::WindowControls())
        if (row.kind == form::Kind::Option)
            json += (json.back() == '{' ? "" : ",") +
                    Quoted(systems[static_cast<int>(form::SystemOfOption(row.name))]) + ":" + Quoted(row.name);
    json += "},\"tabIndices\":{";
    for (const form::ControlRow& row : form::WindowControls())
        json += (json.back() == '{' ? "" : ",") + Quoted(row.name) + ":" + std::to_string(row.tabIndex);
    json += "},\"zero\":" + Quoted(calc::FormatNumber(0));
    json += ",\"boxes\":{\"about\":" + form::BoxJson(form::kAboutBox) + ",\"help\":" + form::BoxJson(form::kHelpBox) +
            ",\"varieties\":" + form::BoxJson(form::kVarietiesBox) + "}";
    // Each refusal's box by its name, with the number calc::Refusal gives it
    // (the identity table's).
    const std::pair<calc::Refusal, const char*> refusals[] = {{calc::Refusal::ZeroDistance, "ZeroDistance"},
                                                              {calc::Refusal::ZeroLengthOrWidth, "ZeroLengthOrWidth"},
                                                              {calc::Refusal::TinyDistance, "TinyDistance"},
                                                              {calc::Refusal::TinyLengthOrWidth, "TinyLengthOrWidth"},
                                                              {calc::Refusal::OutOfRange, "OutOfRange"}};
    json += ",\"refusals\":{";
    for (const auto& [refusal, name] : refusals) {
        const form::Box box = form::RefusalBox(refusal);
        json += (json.back() == '{' ? "" : ",") + Quoted(name) +
                ":{\"number\":" + std::to_string(static_cast<int>(refusal)) + ",\"title\":" + Quoted(box.title) +
                ",\"message\":" + Quoted(box.message) + "}";
    }
    json += "},\"longestPaste\":" + std::to_string(form::kLongestPastedField);
    return json + ",\"pasteRefusal\":" + form::BoxJson(form::kPasteRefusalBox);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && form::json::WriteFile(argv[1], form::DescriptionJson(TestMembers()))) return 0;
    std::fprintf(stderr, "usage: form_json OUTPUT.json; could not write %s\n", argc == 2 ? argv[1] : "(none given)");
    return 1;
}
