// The window's behaviour as the page asks for it: a C interface over one
// form::WindowModel, exported from the WebAssembly module. The page tells it
// what the user did and shows what it answers; nothing of the behaviour is
// decided in the page.
//
// Controls are named by their row in form::WindowControls() (the order of
// the description's "controls"). A text goes in as UTF-8 through the buffer
// that ruro_buffer returns. Each answer comes back as one JSON text (see
// host/answer_json.h): the functions that answer return its size in bytes,
// and ruro_output where it starts.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form/window.h"
#include "host/answer_json.h"

// The model keeps no copy of the fields' texts: when a command or a paste
// needs one, the page puts the text of the control in `row` as it is now into
// the buffer (ruro_buffer) and returns its size in bytes.
extern "C" __attribute__((import_module("page"), import_name("field_text"))) std::uint32_t PageFieldText(
    std::int32_t row);

namespace {

// A buffer that held more than this is given back after use, so a long text
// leaves no lasting growth.
constexpr std::size_t kKeptBuffer = 65'536;

form::WindowModel& Model() {
    static form::WindowModel model;
    return model;
}

std::vector<char> input;
std::string output;

std::string_view Input(std::size_t from, std::size_t size) {
    if (from > input.size()) from = input.size();
    return std::string_view(input.data() + from, std::min(size, input.size() - from));
}

// The page's fields, read from the page each time the model asks.
class PageFields final : public form::FieldTexts {
public:
    std::string Text(const form::ControlRow& control) const override {
        return std::string(Input(0, PageFieldText(static_cast<std::int32_t>(form::RowIndex(control)))));
    }
};

std::uint32_t Answered(const form::Answer& answer) {
    if (input.size() > kKeptBuffer) std::vector<char>().swap(input);
    output.clear();
    if (output.capacity() > kKeptBuffer) std::string().swap(output);
    web::AppendAnswerJson(answer, output);
    return static_cast<std::uint32_t>(output.size());
}

}  // namespace

extern "C" {

// A buffer of at least `size` bytes for the next text; what it holds already
// is kept.
__attribute__((export_name("ruro_buffer"))) char* ruro_buffer(std::uint32_t size) {
    if (input.size() < size) input.resize(size);
    return input.data();
}

// The user selected an option button. 1, or 0 for another control.
__attribute__((export_name("ruro_select"))) std::int32_t ruro_select(std::int32_t row) {
    return Model().Select(form::RowAt(row)) ? 1 : 0;
}

// The start state, written out.
__attribute__((export_name("ruro_start"))) std::uint32_t ruro_start() { return Answered(Model().Start()); }

// A button was pressed; the `separatorSize` bytes in the buffer are the
// user's decimal separator.
__attribute__((export_name("ruro_press"))) std::uint32_t ruro_press(std::int32_t row, std::uint32_t separatorSize) {
    // Copied first: reading a field reuses the buffer.
    const std::string separator(Input(0, separatorSize));
    return Answered(Model().Press(form::RowAt(row), PageFields(), separator));
}

// Tab (forward 1) or Shift+Tab (0) from a control; -1: from outside the window.
__attribute__((export_name("ruro_tab"))) std::uint32_t ruro_tab(std::int32_t row, std::int32_t forward) {
    return Answered(Model().Tab(form::RowAt(row), forward != 0));
}

// An arrow key on an option button, by its number in form::Arrow.
__attribute__((export_name("ruro_key"))) std::uint32_t ruro_key(std::int32_t row, std::int32_t arrow) {
    if (arrow < 0 || arrow >= form::kArrows) return Answered({});
    return Answered(Model().Key(form::RowAt(row), static_cast<form::Arrow>(arrow)));
}

// A text arriving in one piece (a paste, a drop, a keyboard's suggestion) into
// a control in place of its selected text: the buffer holds the
// `replacedSize` bytes of the selection, then the `insertedSize` bytes of the
// text, as a browser's field inserts it (line breaks left out). An answer
// with no box takes it.
__attribute__((export_name("ruro_paste"))) std::uint32_t ruro_paste(std::int32_t row, std::uint32_t replacedSize,
                                                                    std::uint32_t insertedSize) {
    // Copied first: reading the field reuses the buffer.
    const std::string replaced(Input(0, replacedSize));
    const std::string inserted(Input(replacedSize, insertedSize));
    return Answered(Model().Paste(form::RowAt(row), PageFields(), replaced, inserted, form::LineBreaks::Removed));
}

// Where the last answer starts.
__attribute__((export_name("ruro_output"))) const char* ruro_output() { return output.data(); }

}  // extern "C"
