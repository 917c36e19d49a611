// The window's behaviour as the page asks for it: a C interface over one
// form::WindowModel, exported from the WebAssembly module. The page tells it
// what the user did and shows what it answers; nothing of the behaviour is
// decided in the page.
//
// Controls are named by their row in form::WindowControls() (the order of
// form.json's "controls"). A text goes in as UTF-8 through the buffer that
// ruro_buffer returns. Each answer comes back as one JSON text (see
// host/answer_json.h): the functions that answer return its size in bytes, and
// ruro_output where it starts.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/window.h"
#include "host/answer_json.h"
#include "page_limits.h"

namespace {

// A buffer that held more than this is given back after use, so a long text
// leaves no lasting growth beyond the texts the model keeps.
constexpr std::size_t kKeptBuffer = 65'536;

form::WindowModel& Model() {
    static form::WindowModel model;
    return model;
}

// The fields' texts as the page last handed them over.
class PageTexts final : public form::FieldTexts {
public:
    void Write(const form::Answer& answer) {
        for (const auto& [name, text] : answer.writes) texts[std::string(name)] = text;
    }
    std::string Text(std::string_view control) const override {
        const auto found = texts.find(std::string(control));
        return found == texts.end() ? std::string() : found->second;
    }
    std::map<std::string, std::string, std::less<>> texts;
};
PageTexts& Texts() {
    static PageTexts texts = [] {
        PageTexts start;
        start.Write(form::WindowModel().Start());
        return start;
    }();
    return texts;
}
bool HoldsText(std::string_view name) { return name == "Combo1" || name.starts_with("Text"); }

std::vector<char> input;
std::string output;

std::string_view NameOf(std::int32_t row) {
    const auto rows = form::WindowControls();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return rows[static_cast<std::size_t>(row)].name;
}

std::string_view Input(std::uint32_t size) {
    return std::string_view(input.data(), size <= input.size() ? size : input.size());
}

void ReleaseInput() {
    if (input.size() > kKeptBuffer) std::vector<char>().swap(input);
}

std::uint32_t Answered(const form::Answer& answer) {
    output.clear();
    if (output.capacity() > kKeptBuffer) std::string().swap(output);
    web::AppendAnswerJson(answer, output);
    return static_cast<std::uint32_t>(output.size());
}

}  // namespace

extern "C" {

// A buffer of at least `size` bytes for the next text.
__attribute__((export_name("ruro_buffer"))) char* ruro_buffer(std::uint32_t size) {
    if (input.size() < size) input.resize(size);
    return input.data();
}

// The user changed the text of a field or of the diameter list to the `size`
// bytes in the buffer. 1, or 0 for a control that holds no text.
__attribute__((export_name("ruro_edit"))) std::int32_t ruro_edit(std::int32_t row, std::uint32_t size) {
    const std::string_view name = NameOf(row);
    const bool kept = HoldsText(name);
    if (kept) Texts().texts[std::string(name)] = std::string(Input(size));
    ReleaseInput();
    return kept ? 1 : 0;
}

// The user selected an option button. 1, or 0 for another control.
__attribute__((export_name("ruro_select"))) std::int32_t ruro_select(std::int32_t row) {
    return Model().Select(NameOf(row)) ? 1 : 0;
}

// The start state, written out.
__attribute__((export_name("ruro_start"))) std::uint32_t ruro_start() {
    const form::Answer answer = Model().Start();
    Texts().Write(answer);
    return Answered(answer);
}

// A button was pressed; the `separatorSize` bytes in the buffer are the
// user's decimal separator.
__attribute__((export_name("ruro_press"))) std::uint32_t ruro_press(std::int32_t row, std::uint32_t separatorSize) {
    const std::string separator(Input(separatorSize));
    ReleaseInput();
    const form::Answer answer = Model().Press(NameOf(row), Texts(), separator);
    Texts().Write(answer);
    return Answered(answer);
}

// Tab (forward 1) or Shift+Tab (0) from a control; -1: from outside the window.
__attribute__((export_name("ruro_tab"))) std::uint32_t ruro_tab(std::int32_t row, std::int32_t forward) {
    return Answered(Model().Tab(NameOf(row), forward != 0));
}

// An arrow key on an option button: 0 up, 1 down, 2 left, 3 right.
__attribute__((export_name("ruro_key"))) std::uint32_t ruro_key(std::int32_t row, std::int32_t arrow) {
    if (arrow < 0 || arrow > 3) return Answered({});
    return Answered(Model().Key(NameOf(row), static_cast<form::Arrow>(arrow)));
}

// A paste or drop of `pastedBytes` into a control in place of `replacedBytes`
// of its text: an answer with no box takes it.
__attribute__((export_name("ruro_paste"))) std::uint32_t ruro_paste(std::int32_t row, std::uint32_t replacedBytes,
                                                                    std::uint32_t pastedBytes) {
    // Only the counts matter to the limit: texts of as many bytes stand in.
    const std::uint32_t most = static_cast<std::uint32_t>(web::kPageLongestPaste) + 1;
    const std::string replaced(std::min(replacedBytes, most), '0');
    const std::string pasted(std::min(pastedBytes, most), '0');
    return Answered(Model().Paste(NameOf(row), Texts(), replaced, pasted, form::LineBreaks::Removed));
}

// Where the last answer starts.
__attribute__((export_name("ruro_output"))) const char* ruro_output() { return output.data(); }

}  // extern "C"
