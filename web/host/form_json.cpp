// Writes the window as the page needs it, as one JSON object: the controls
// with their places in twips, the texts, the commands and both pictures as
// pixels. The page is built from this and nothing else, so the window is
// still written down in one place only.

#include <cstdio>
#include <string>

#include "calc/numbers.h"
#include "form/controls.h"
#include "form/pictures.h"
#include "form/texts.h"
#include "answer_json.h"
#include "form/window.h"
#include "json.h"
#include "web/page_limits.h"

namespace {

using web::Quoted;

const char* KindName(form::Kind kind) {
    switch (kind) {
        case form::Kind::Frame: return "frame";
        case form::Kind::Command: return "command";
        case form::Kind::Option: return "option";
        case form::Kind::Text: return "text";
        case form::Kind::Combo: return "combo";
        case form::Kind::Label: return "label";
        case form::Kind::Picture: return "picture";
    }
    return "";
}

const char* AlignName(form::Align align) {
    switch (align) {
        case form::Align::Centre: return "center";
        case form::Align::Right: return "right";
        case form::Align::Left: break;
    }
    return "left";
}

const char* CommandName(form::Command command) {
    switch (command) {
        case form::Command::Calculate: return "calculate";
        case form::Command::Reset: return "reset";
        case form::Command::About: return "about";
        case form::Command::Help: return "help";
        case form::Command::Varieties: return "varieties";
        case form::Command::Quit: return "quit";
    }
    return "";
}

std::string Colour(form::Colour colour) {
    if (colour == form::kSystemColour) return "null";
    char text[16];
    std::snprintf(text, sizeof text, "\"#%06x\"", colour & 0xFFFFFFu);
    return text;
}

std::string BoxJson(const form::Box& box) {
    return "{\"title\":" + Quoted(box.title) + ",\"message\":" + Quoted(box.message) + "}";
}

std::string PictureJson(form::Xpm xpm) {
    const form::Pixels pixels = form::DecodeXpm(xpm);
    std::string out = "{\"width\":" + std::to_string(pixels.width) + ",\"height\":" + std::to_string(pixels.height) +
                      ",\"argb\":[";
    for (std::size_t i = 0; i < pixels.argb.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(pixels.argb[i]);
    }
    return out + "]}";
}

std::string ControlJson(const form::ControlRow& row) {
    std::string out = "{\"name\":" + Quoted(row.name) + ",\"kind\":" + Quoted(KindName(row.kind)) +
                      ",\"container\":" + Quoted(row.container);
    out += ",\"left\":" + std::to_string(row.left) + ",\"top\":" + std::to_string(row.top) +
           ",\"width\":" + std::to_string(row.width) + ",\"height\":" + std::to_string(row.height);
    out += ",\"caption\":" + Quoted(row.caption);
    if (row.type != form::Type::None) {
        char size[16];
        std::snprintf(size, sizeof size, "%.2f", form::PointSize(row.type));
        out += std::string(",\"pointSize\":") + size + ",\"bold\":" + (form::IsBold(row.type) ? "true" : "false");
    }
    out += ",\"colour\":" + Colour(row.textColour) + ",\"align\":" + Quoted(AlignName(row.align)) +
           ",\"tabIndex\":" + std::to_string(row.tabIndex) + ",\"labels\":" + Quoted(row.labels);
    if (row.kind == form::Kind::Option)
        out += ",\"system\":" + std::to_string(static_cast<int>(form::SystemOfOption(row.name)));
    return out + "}";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
        return 2;
    }
    std::string json = "{\"title\":" + Quoted(form::kWindowTitle);
    json += ",\"twipsPerPixel\":" + std::to_string(form::kTwipsPerPixel);
    json += ",\"clientWidth\":" + std::to_string(form::kClientWidthTwips);
    json += ",\"clientHeight\":" + std::to_string(form::kClientHeightTwips);
    json += ",\"classicFace\":" + Quoted(form::kClassicFace);
    json += ",\"controls\":[";
    bool first = true;
    for (const form::ControlRow& row : form::WindowControls()) {
        json += (first ? "" : ",\n") + ControlJson(row);
        first = false;
    }
    json += "],\"diameters\":[";
    first = true;
    for (const std::string& entry : form::DiameterEntries()) {
        json += (first ? "" : ",") + Quoted(entry);
        first = false;
    }
    json += "],\"fields\":{\"hectares\":" + std::to_string(form::kHectaresField) +
            ",\"distance\":" + std::to_string(form::kDistanceField) + ",\"length\":" + std::to_string(form::kLengthField) +
            ",\"width\":" + std::to_string(form::kWidthField) +
            ",\"firstResult\":" + std::to_string(form::kFirstResultField) +
            ",\"resultCount\":" + std::to_string(calc::kResultCount) + ",\"count\":" + std::to_string(form::kFieldCount) +
            "}";
    json += ",\"zero\":" + Quoted(calc::FormatNumber(0));
    json += ",\"commands\":{";
    first = true;
    for (const form::CommandRow& row : form::kCommands) {
        json += std::string(first ? "" : ",") + Quoted(row.button) + ":" + Quoted(CommandName(row.command));
        first = false;
    }
    json += "},\"boxes\":{\"about\":" + BoxJson(form::InformationBox(form::Command::About)) +
            ",\"help\":" + BoxJson(form::InformationBox(form::Command::Help)) +
            ",\"varieties\":" + BoxJson(form::InformationBox(form::Command::Varieties)) + "}";
    // Keyed by the number of each calc::Refusal the page's binding returns.
    json += ",\"refusals\":{";
    const calc::Refusal refusals[] = {calc::Refusal::None,         calc::Refusal::ZeroDistance,
                                      calc::Refusal::ZeroLengthOrWidth, calc::Refusal::TinyDistance,
                                      calc::Refusal::TinyLengthOrWidth, calc::Refusal::OutOfRange};
    for (const calc::Refusal refusal : refusals) {
        if (refusal == calc::Refusal::None) continue;
        json += std::string(refusal == calc::Refusal::ZeroDistance ? "\"" : ",\"") +
                std::to_string(static_cast<int>(refusal)) + "\":" + BoxJson(form::RefusalBox(refusal));
    }
    json += "},\"okButton\":" + Quoted(form::kOkButton);
    json += ",\"arrowName\":" + Quoted(form::kArrowPictureName);
    json += ",\"pageEnded\":" + Quoted(form::kPageEnded) + ",\"startAgain\":" + Quoted(form::kStartAgain);
    // What the page shows before its module has started: the model's start.
    json += ",\"start\":";
    form::WindowModel model;
    web::AppendAnswerJson(model.Start(), json);
    json += ",\"pageNotStarted\":" + Quoted(form::kPageNotStarted) +
            ",\"pageNotStartedBox\":" + BoxJson(form::kPageNotStartedBox);
    json += ",\"longestPaste\":" + std::to_string(web::kPageLongestPaste) +
            ",\"pasteRefusal\":" + BoxJson(form::WindowModel(web::kPageLongestPaste).PasteRefusal());
    json += ",\"arrow\":" + PictureJson(form::ArrowPicture());
    json += ",\"calculator\":" + PictureJson(form::CalculatorPicture());
    json += "}\n";
    if (!web::WriteFile(argv[1], json)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
