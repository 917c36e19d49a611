#include "form/window.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "calc/numbers.h"

namespace form {

namespace {

constexpr std::string_view kDiameterList = "Combo1";
constexpr std::string_view kFirstOption = "Option1";

bool IsOption(const ControlRow* row) { return row && row->kind == Kind::Option; }

bool IsLineBreak(char32_t c) { return c == u'\r' || c == u'\n'; }

// Bytes of UTF-8 for a unit of UTF-16 (a surrogate pair: 2 + 2) or of UTF-8.
std::size_t Utf8Bytes(char16_t unit) {
    return unit < 0x80 ? 1 : (unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF)) ? 2 : 3;
}
std::size_t Utf8Bytes(char) { return 1; }
// Whether a unit starts a character: not the second half of a surrogate
// pair, not a UTF-8 continuation byte.
bool StartsCharacter(char16_t unit) { return unit < 0xDC00 || unit > 0xDFFF; }
bool StartsCharacter(char unit) { return (static_cast<unsigned char>(unit) & 0xC0) != 0x80; }

template <typename Char>
std::size_t Utf8Size(std::basic_string_view<Char> text) {
    std::size_t bytes = 0;
    for (const Char unit : text) bytes += Utf8Bytes(unit);
    return bytes;
}

Answer WriteAll(std::string_view text) {
    Answer answer;
    for (int n = 1; n <= kFieldCount; ++n) answer.writes.emplace_back(FieldRow(n), text);
    return answer;
}

template <typename Char>
Answer PasteOf(const ControlRow* control, const FieldTexts& fields, std::basic_string_view<Char> replaced,
               std::basic_string_view<Char> inserted, LineBreaks breaks) {
    // The units the platform inserts, in order, until `take` says to stop.
    const auto each = [&](auto take) {
        for (const Char unit : inserted) {
            if (IsLineBreak(static_cast<char32_t>(unit))) {
                if (breaks == LineBreaks::CutAtFirst) return;
                if (breaks == LineBreaks::Removed) continue;
            }
            if (!take(unit)) return;
        }
    };
    // A key typed: taken without reading the field.
    std::size_t characters = 0;
    each([&](Char unit) { return (characters += StartsCharacter(unit) ? 1 : 0) < 2; });
    if (characters < 2) return {};

    const std::size_t now = control && HoldsText(control->kind) ? fields.Text(*control).size() : 0;
    const std::size_t kept = now - std::min(Utf8Size(replaced), now);
    const std::size_t room = kept < kLongestPastedField ? kLongestPastedField - kept : 0;
    // Counted only as far as needed: a text of a hundred megabytes costs no
    // more than the limit.
    std::size_t bytes = 0;
    each([&](Char unit) { return (bytes += Utf8Bytes(unit)) <= room; });
    if (bytes <= room) return {};
    return {.box = kPasteRefusalBox};
}

}  // namespace

WindowModel::WindowModel() : selected_(FindControl(kFirstOption)) {}

bool WindowModel::Select(const ControlRow* option) {
    if (!IsOption(option)) return false;
    selected_ = option;
    return true;
}

Answer WindowModel::Start() {
    Answer answer = WriteAll(FieldRow(1)->caption);
    const ControlRow* list = FindControl(kDiameterList);
    answer.writes.emplace_back(list, list->caption);
    selected_ = FindControl(kFirstOption);
    answer.select = selected_;
    answer.focus = selected_;
    return answer;
}

Answer WindowModel::Press(const ControlRow* button, const FieldTexts& fields, std::string_view decimalSeparator) {
    const auto row = std::find_if(std::begin(kCommands), std::end(kCommands), [&](const CommandRow& command) {
        return button && std::string_view(button->name) == command.button;
    });
    if (row == std::end(kCommands)) return {};
    switch (row->command) {
        case Command::Calculate: {
            const auto text = [&](int field) { return fields.Text(*FieldRow(field)); };
            const calc::FertiliserInputs inputs{SystemOfOption(selected_->name),
                                                text(kHectaresField),
                                                text(kDistanceField),
                                                text(kLengthField),
                                                text(kWidthField),
                                                fields.Text(*FindControl(kDiameterList))};
            calc::FertiliserResults results = calc::ComputeFertiliser(inputs, decimalSeparator);
            // A refusal leaves every input as typed and empties the six
            // results (its texts are empty): they belong to no calculation.
            Answer answer;
            for (std::size_t i = 0; i < results.texts.size(); ++i)
                answer.writes.emplace_back(FieldRow(kFirstResultField + static_cast<int>(i)),
                                           std::move(results.texts[i]));
            if (!results.ok()) answer.box = RefusalBox(results.refusal);
            return answer;
        }
        case Command::Reset: return WriteAll(calc::FormatNumber(0));
        case Command::About:
        case Command::Help:
        case Command::Varieties: return {.box = InformationBox(row->command)};
        case Command::Quit: return {.quit = true};
    }
    return {};
}

std::vector<const ControlRow*> WindowModel::TabChain() const {
    std::vector<const ControlRow*> chain;
    bool groupPlaced = false;
    for (const ControlRow* row : FocusOrder()) {
        if (row->kind == Kind::Option) {
            if (groupPlaced) continue;
            groupPlaced = true;
            chain.push_back(selected_);
        } else {
            chain.push_back(row);
        }
    }
    return chain;
}

Answer WindowModel::Tab(const ControlRow* from, bool forward) const {
    const std::vector<const ControlRow*> chain = TabChain();
    const auto at = std::find(chain.begin(), chain.end(), IsOption(from) ? selected_ : from);
    const std::size_t count = chain.size();
    Answer answer;
    if (at == chain.end()) {
        answer.focus = forward ? chain.front() : chain.back();
    } else {
        const auto index = static_cast<std::size_t>(at - chain.begin());
        answer.leave = forward ? index + 1 == count : index == 0;
        answer.focus = chain[(index + (forward ? 1 : count - 1)) % count];
    }
    answer.selectText = HoldsText(answer.focus->kind);
    return answer;
}

Answer WindowModel::Key(const ControlRow* option, Arrow arrow) {
    if (!IsOption(option)) return {};
    const TwipsRect a = InWindow(*option);
    const ControlRow* nearest = nullptr;
    double nearestDistance = 0;
    for (const ControlRow& row : WindowControls()) {
        if (row.kind != Kind::Option || &row == option) continue;
        const TwipsRect b = InWindow(row);
        const bool lies = arrow == Arrow::Down    ? b.top >= a.top + a.height
                          : arrow == Arrow::Up    ? b.top + b.height <= a.top
                          : arrow == Arrow::Right ? b.left >= a.left + a.width
                                                  : b.left + b.width <= a.left;
        if (!lies) continue;
        const double distance = std::hypot((b.left + b.width / 2.0) - (a.left + a.width / 2.0),
                                           (b.top + b.height / 2.0) - (a.top + a.height / 2.0));
        if (!nearest || distance < nearestDistance) {
            nearest = &row;
            nearestDistance = distance;
        }
    }
    if (!nearest) return {};
    selected_ = nearest;
    return {.select = selected_, .focus = selected_};
}

Answer WindowModel::Paste(const ControlRow* control, const FieldTexts& fields, std::u16string_view replaced,
                          std::u16string_view inserted, LineBreaks breaks) const {
    return PasteOf(control, fields, replaced, inserted, breaks);
}

Answer WindowModel::Paste(const ControlRow* control, const FieldTexts& fields, std::string_view replaced,
                          std::string_view inserted, LineBreaks breaks) const {
    return PasteOf(control, fields, replaced, inserted, breaks);
}

}  // namespace form
