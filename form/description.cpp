#include "form/description.h"

#include <cstdio>

#include "form/commands.h"
#include "form/controls.h"
#include "form/pictures.h"
#include "form/texts.h"

namespace form {

namespace {

using json::Quoted;

// What `write` makes of each item of `items`, with `comma` between.
template <typename Items, typename Write>
std::string Joined(const Items& items, Write write, std::string_view comma = ",") {
    std::string out;
    for (const auto& item : items) {
        if (!out.empty()) out += comma;
        out += write(item);
    }
    return out;
}

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Frame: return "frame";
        case Kind::Command: return "command";
        case Kind::Option: return "option";
        case Kind::Text: return "text";
        case Kind::Combo: return "combo";
        case Kind::Label: return "label";
        case Kind::Picture: return "picture";
    }
    return "";
}

const char* AlignName(Align align) {
    switch (align) {
        case Align::Centre: return "center";
        case Align::Right: return "right";
        case Align::Left: break;
    }
    return "left";
}

const char* CommandName(Command command) {
    switch (command) {
        case Command::Calculate: return "calculate";
        case Command::Reset: return "reset";
        case Command::About: return "about";
        case Command::Help: return "help";
        case Command::Varieties: return "varieties";
        case Command::Quit: return "quit";
    }
    return "";
}

std::string ColourJson(Colour colour) {
    if (colour == kSystemColour) return "null";
    char text[16];
    std::snprintf(text, sizeof text, "\"#%06x\"", colour & 0xFFFFFFu);
    return text;
}

std::string PictureJson(Xpm xpm) {
    const Pixels pixels = DecodeXpm(xpm);
    std::string out =
        "{\"width\":" + std::to_string(pixels.width) + ",\"height\":" + std::to_string(pixels.height) + ",\"argb\":[";
    for (std::size_t i = 0; i < pixels.argb.size(); ++i) {
        if (i) out += ',';
        out += std::to_string(pixels.argb[i]);
    }
    return out + "]}";
}

std::string ControlJson(const ControlRow& row) {
    std::string out = "{\"name\":" + Quoted(row.name) + ",\"kind\":" + Quoted(KindName(row.kind)) +
                      ",\"container\":" + Quoted(row.container);
    out += ",\"left\":" + std::to_string(row.left) + ",\"top\":" + std::to_string(row.top) +
           ",\"width\":" + std::to_string(row.width) + ",\"height\":" + std::to_string(row.height);
    out += ",\"caption\":" + Quoted(row.caption);
    if (row.type != Type::None) {
        char size[16];
        std::snprintf(size, sizeof size, "%.2f", PointSize(row.type));
        out += std::string(",\"pointSize\":") + size + ",\"bold\":" + (IsBold(row.type) ? "true" : "false");
    }
    out += ",\"colour\":" + ColourJson(row.textColour) + ",\"align\":" + Quoted(AlignName(row.align)) +
           ",\"labels\":" + Quoted(row.labels);
    const TwipsRect place = InWindow(row);
    out += ",\"inWindow\":[" + std::to_string(place.left) + "," + std::to_string(place.top) + "," +
           std::to_string(place.width) + "," + std::to_string(place.height) + "]";
    // The frame drawn round the control, which it is seen and announced in
    // (not always the container it was created in); null: none.
    const ControlRow* frame = FrameDrawnRound(row);
    out += ",\"drawnIn\":" + (frame ? Quoted(frame->name) : std::string("null"));
    if (row.kind == Kind::Option) out += ",\"system\":" + std::to_string(static_cast<int>(SystemOfOption(row.name)));
    return out + "}";
}

}  // namespace

std::string DescriptionJson(std::string_view moreMembers) {
    std::string json = "{\"title\":" + Quoted(kWindowTitle);
    json += ",\"twipsPerPixel\":" + std::to_string(kTwipsPerPixel);
    json += ",\"clientWidth\":" + std::to_string(kClientWidthTwips);
    json += ",\"clientHeight\":" + std::to_string(kClientHeightTwips);
    json += ",\"controls\":[" + Joined(WindowControls(), ControlJson, ",\n");
    json += "],\"diameters\":[" + Joined(DiameterEntries(), [](const std::string& entry) { return Quoted(entry); });
    json += "],\"commands\":{" + Joined(kCommands, [](const CommandRow& row) {
                return Quoted(row.button) + ":" + Quoted(CommandName(row.command));
            });
    json += "},\"okButton\":" + Quoted(kOkButton);
    json += ",\"arrowName\":" + Quoted(kArrowPictureName);
    json += ",\"arrow\":" + PictureJson(ArrowPicture());
    json += ",\"calculator\":" + PictureJson(CalculatorPicture());
    json += moreMembers;
    json += "}\n";
    return json;
}

}  // namespace form
