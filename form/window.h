#pragma once
// What the window does, decided once for every front end. A front end builds
// its controls from the description (controls.h), tells this model what the
// user did (typed, chose a system, pressed a button or a key, pasted) and
// shows what the model answers: the texts to write, the option to select, the
// control to focus, the box to open, whether the program ends. Nothing a user
// can see happen is decided anywhere else. No toolkit.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/controls.h"
#include "form/texts.h"

namespace form {

// "Text8" for 8; "" for a number that names no field.
std::string FieldName(int number);
// 8 for "Text8"; 0 for a name that is no text field.
int FieldNumber(std::string_view name);

// A control's place in the window's client area, in twips: the sum of the
// places along its chain of containers.
struct TwipsRect {
    int left, top, width, height;
    bool Holds(const TwipsRect& other) const {
        return other.left >= left && other.top >= top && other.left + other.width <= left + width &&
               other.top + other.height <= top + height;
    }
};
TwipsRect InWindow(const ControlRow& row);

// The frame drawn round a control: the smallest frame whose area holds the
// control's, whatever container the control was created in (the option
// buttons belong to "Datos de entrada" but stand in "Sistema de Plantación",
// and are seen and announced there). nullptr: none, the control stands on
// the window.
const ControlRow* FrameDrawnRound(const ControlRow& row);

// Frames and labels take no focus; every other control does.
inline bool TakesFocus(Kind kind) { return kind != Kind::Frame && kind != Kind::Label; }

// The controls that take the focus, by tab index; the option buttons among
// them stand together (they are one group, one stop in the tab chain).
std::vector<const ControlRow*> FocusOrder();

// The texts of the diameter list, in their order: "3" to "19".
std::vector<std::string> DiameterEntries();

// A key the option group answers.
enum class Arrow { Up, Down, Left, Right };

// What the front end shows after something the user did.
struct Answer {
    // Texts to write, in this order, each replacing a control's whole text and
    // shown from its first character (a number wider than its field is read
    // from its leading digits).
    std::vector<std::pair<std::string_view, std::string>> writes;
    std::string_view select;  // the option button to select, if any
    std::string_view focus;   // the control to give the focus to, if any
    bool leave = false;       // the focus leaves the window's tab chain (a page
                              // hands it on to the browser); `focus` is empty
    std::optional<Box> box;   // a modal box to open, after the writes
    bool quit = false;        // the program ends
};

class WindowModel {
public:
    // `longestPaste`: the most bytes of UTF-8 a paste or drop may make a field
    // hold; each front end sets it to what its fields lay out without a stall.
    explicit WindowModel(std::size_t longestPaste = kLongestPastedField);

    // The text of Text1 to Text10 or Combo1, as the user or a command left it;
    // empty for any other name.
    const std::string& Text(std::string_view control) const;
    // The user changed the text of a field or of the diameter list. False,
    // and nothing kept, for a name that holds no text.
    bool Edit(std::string_view control, std::string text);

    // The selected option button ("Option1" at start); exactly one is.
    std::string_view Selected() const { return selected_; }
    calc::PlantingSystem System() const { return SystemOfOption(selected_); }
    // The user selected an option button; false for another name.
    bool Select(std::string_view option);

    // The start state: every field "0", the list "3", "Marco Real" selected
    // and focused. Everything the window shows at start, written out.
    Answer Start();

    // A command button was clicked (by mouse, Space or Enter). Results and
    // refusals are read and written with `decimalSeparator`, the user's.
    Answer Press(std::string_view button, std::string_view decimalSeparator);
    Answer Run(Command command, std::string_view decimalSeparator);

    // Tab (forward) or Shift+Tab from `from`. The option group is one stop,
    // entered on its selected button. From the last stop the chain starts
    // again at the first (and backwards): the answer says so with `leave`,
    // for a front end that hands the focus on instead of wrapping round. From
    // a control outside the chain (or none), Tab goes to the first stop and
    // Shift+Tab to the last.
    Answer Tab(std::string_view from, bool forward) const;
    // The stops of the tab chain, in order, the group's being its selected button.
    std::vector<std::string_view> TabChain() const;

    // An arrow key on an option button: to the nearest button that lies wholly
    // in the arrow's direction, selecting it; at the end of the group nothing
    // moves (an empty answer).
    Answer Key(std::string_view option, Arrow arrow);

    // A paste or drop of `pastedBytes` (UTF-8) into `control`, in place of
    // `replacedBytes` of its text. An empty answer: take it. Otherwise the
    // box that refuses it, the field staying exactly as it was. Typing is
    // never limited.
    Answer Paste(std::string_view control, std::size_t replacedBytes, std::size_t pastedBytes) const;
    std::size_t LongestPaste() const { return longestPaste_; }
    Box PasteRefusal() const { return {kPasteRefusalTitle, pasteMessage_}; }

private:
    // Where the text of `control` is kept: Text1..Text10, then Combo1.
    static std::optional<std::size_t> SlotOf(std::string_view control);
    Answer WriteAll(std::string_view text);

    std::array<std::string, kFieldCount + 1> texts_;  // Text1..Text10, then Combo1
    std::string_view selected_;
    std::size_t longestPaste_;
    std::string pasteMessage_;
};

}  // namespace form
