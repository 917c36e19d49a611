#include "form/window.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "calc/numbers.h"

namespace form {

namespace {

constexpr std::string_view kFieldPrefix = "Text";
constexpr std::string_view kDiameterList = "Combo1";
constexpr std::string_view kFirstOption = "Option1";

const std::string kNoText;

bool IsOption(std::string_view name) {
    const ControlRow* row = FindControl(name);
    return row && row->kind == Kind::Option;
}

// The name as the table spells it, so that an answer may keep it.
std::string_view Canonical(std::string_view name) {
    const ControlRow* row = FindControl(name);
    return row ? std::string_view(row->name) : std::string_view();
}

}  // namespace

std::string FieldName(int number) {
    if (number < 1 || number > kFieldCount) return {};
    return std::string(kFieldPrefix) + std::to_string(number);
}

int FieldNumber(std::string_view name) {
    if (!name.starts_with(kFieldPrefix)) return 0;
    const std::string_view digits = name.substr(kFieldPrefix.size());
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.starts_with('0')) return 0;
    return number >= 1 && number <= kFieldCount ? number : 0;
}

TwipsRect InWindow(const ControlRow& row) {
    TwipsRect rect{row.left, row.top, row.width, row.height};
    for (const ControlRow* c = FindControl(row.container ? row.container : ""); c;
         c = c->container ? FindControl(c->container) : nullptr) {
        rect.left += c->left;
        rect.top += c->top;
    }
    return rect;
}

const ControlRow* FrameDrawnRound(const ControlRow& row) {
    const TwipsRect place = InWindow(row);
    const ControlRow* smallest = nullptr;
    long long smallestArea = std::numeric_limits<long long>::max();
    for (const ControlRow& frame : WindowControls()) {
        if (frame.kind != Kind::Frame || &frame == &row) continue;
        const TwipsRect area = InWindow(frame);
        const long long size = static_cast<long long>(area.width) * area.height;
        if (area.Holds(place) && size < smallestArea) {
            smallest = &frame;
            smallestArea = size;
        }
    }
    return smallest;
}

std::vector<const ControlRow*> FocusOrder() {
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : WindowControls())
        if (TakesFocus(row.kind)) order.push_back(&row);
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

std::vector<std::string> DiameterEntries() {
    std::vector<std::string> entries;
    for (int inches = kFirstDiameter; inches <= kLastDiameter; ++inches) entries.push_back(std::to_string(inches));
    return entries;
}

// ---- the model ----

WindowModel::WindowModel(std::size_t longestPaste)
    : selected_(kFirstOption), longestPaste_(longestPaste), pasteMessage_(PasteRefusalMessage(longestPaste)) {
    Start();
}

std::optional<std::size_t> WindowModel::SlotOf(std::string_view control) {
    if (control == kDiameterList) return kFieldCount;
    const int number = FieldNumber(control);
    if (!number) return std::nullopt;
    return static_cast<std::size_t>(number - 1);
}

const std::string& WindowModel::Text(std::string_view control) const {
    const auto slot = SlotOf(control);
    return slot ? texts_[*slot] : kNoText;
}

bool WindowModel::Edit(std::string_view control, std::string text) {
    const auto slot = SlotOf(control);
    if (!slot) return false;
    texts_[*slot] = std::move(text);
    return true;
}

bool WindowModel::Select(std::string_view option) {
    if (!IsOption(option)) return false;
    selected_ = Canonical(option);
    return true;
}

Answer WindowModel::WriteAll(std::string_view text) {
    Answer answer;
    for (int n = 1; n <= kFieldCount; ++n) {
        const ControlRow* row = FindControl(FieldName(n));
        Edit(row->name, std::string(text));
        answer.writes.emplace_back(row->name, text);
    }
    return answer;
}

Answer WindowModel::Start() {
    Answer answer = WriteAll(FindControl(FieldName(1))->caption);
    const ControlRow* list = FindControl(kDiameterList);
    Edit(list->name, list->caption);
    answer.writes.emplace_back(list->name, list->caption);
    selected_ = Canonical(kFirstOption);
    answer.select = selected_;
    answer.focus = selected_;
    return answer;
}

Answer WindowModel::Press(std::string_view button, std::string_view decimalSeparator) {
    for (const CommandRow& row : kCommands)
        if (button == row.button) return Run(row.command, decimalSeparator);
    return {};
}

Answer WindowModel::Run(Command command, std::string_view decimalSeparator) {
    switch (command) {
        case Command::Calculate: {
            const calc::FertiliserInputs inputs{System(),
                                                Text(FieldName(kHectaresField)),
                                                Text(FieldName(kDistanceField)),
                                                Text(FieldName(kLengthField)),
                                                Text(FieldName(kWidthField)),
                                                Text(kDiameterList)};
            calc::FertiliserResults results = calc::ComputeFertiliser(inputs, decimalSeparator);
            // A refusal leaves every input as typed and empties the six
            // results (its texts are empty): they belong to no calculation.
            Answer answer;
            for (std::size_t i = 0; i < results.texts.size(); ++i) {
                const ControlRow* row = FindControl(FieldName(kFirstResultField + static_cast<int>(i)));
                Edit(row->name, results.texts[i]);
                answer.writes.emplace_back(row->name, std::move(results.texts[i]));
            }
            if (!results.ok()) answer.box = RefusalBox(results.refusal);
            return answer;
        }
        case Command::Reset: return WriteAll(calc::FormatNumber(0));
        case Command::About:
        case Command::Help:
        case Command::Varieties: {
            Answer answer;
            answer.box = InformationBox(command);
            return answer;
        }
        case Command::Quit: {
            Answer answer;
            answer.quit = true;
            return answer;
        }
    }
    return {};
}

std::vector<std::string_view> WindowModel::TabChain() const {
    std::vector<std::string_view> chain;
    bool groupPlaced = false;
    for (const ControlRow* row : FocusOrder()) {
        if (row->kind == Kind::Option) {
            if (groupPlaced) continue;
            groupPlaced = true;
            chain.push_back(selected_);
        } else {
            chain.push_back(row->name);
        }
    }
    return chain;
}

Answer WindowModel::Tab(std::string_view from, bool forward) const {
    const std::vector<std::string_view> chain = TabChain();
    const std::string_view stop = IsOption(from) ? selected_ : from;
    const auto at = std::find(chain.begin(), chain.end(), stop);
    const std::size_t count = chain.size();
    Answer answer;
    if (at == chain.end()) {
        answer.focus = forward ? chain.front() : chain.back();
        return answer;
    }
    const auto index = static_cast<std::size_t>(at - chain.begin());
    answer.leave = forward ? index + 1 == count : index == 0;
    answer.focus = chain[(index + (forward ? 1 : count - 1)) % count];
    return answer;
}

Answer WindowModel::Key(std::string_view option, Arrow arrow) {
    const ControlRow* from = FindControl(option);
    if (!from || from->kind != Kind::Option) return {};
    const TwipsRect a = InWindow(*from);
    const ControlRow* nearest = nullptr;
    double nearestDistance = 0;
    for (const ControlRow& row : WindowControls()) {
        if (row.kind != Kind::Option || &row == from) continue;
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
    selected_ = nearest->name;
    Answer answer;
    answer.select = selected_;
    answer.focus = selected_;
    return answer;
}

Answer WindowModel::Paste(std::string_view control, std::size_t replacedBytes, std::size_t pastedBytes) const {
    const std::size_t now = Text(control).size();
    const std::size_t kept = now - std::min(replacedBytes, now);
    // Compared without adding, so no size can wrap round.
    if (pastedBytes <= longestPaste_ && kept <= longestPaste_ - pastedBytes) return {};
    Answer answer;
    answer.box = PasteRefusal();
    return answer;
}

}  // namespace form
