#pragma once
// What the window does, decided once for every front end. A front end builds
// its controls from the description (controls.h), tells this model what the
// user did (chose a system, pressed a button or a key, pasted) and shows
// what the model answers: the texts to write, the option to select, the
// control to focus, the box to open, whether the program ends. The model
// keeps no copy of the field texts: it reads them from the front end's
// controls, through FieldTexts, when a command or a paste needs them.
//
// Left to the toolkit, where each platform's users expect its own way: the
// Windows window moves through the option group and the tab chain with the
// dialog manager (IsDialogMessage), whose arrow keys go round the group from
// its last button to its first; both desktop windows wrap Tab round where a
// page hands the focus on (`leave`); and each toolkit draws its own boxes
// with its own OK button. No toolkit here.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/commands.h"
#include "form/controls.h"
#include "form/texts.h"

namespace form {

// The texts of the window's fields as its controls hold them now, read by the
// model when it needs them. Every front end answers from its own controls.
class FieldTexts {
public:
    // The text of a field or of the list (a row that holds text), in UTF-8.
    virtual std::string Text(const ControlRow& control) const = 0;

protected:
    ~FieldTexts() = default;
};

// A key the option group answers; kArrows of them, numbered in this order.
enum class Arrow { Up, Down, Left, Right };
inline constexpr int kArrows = static_cast<int>(Arrow::Right) + 1;

// What a platform's one-line field does with the line breaks (CR, LF) of a
// text inserted into it.
enum class LineBreaks {
    Kept,        // inserted with the rest (Qt's line edit)
    CutAtFirst,  // only the text before the first one is inserted (a Windows edit control)
    Removed,     // each one is left out (a browser's text field)
};

// What the front end shows after something the user did. Controls are named
// by their rows in WindowControls() (RowIndex gives a row's place).
struct Answer {
    // Texts to write, in this order, each replacing a control's whole text and
    // shown from its first character (a number wider than its field is read
    // from its leading digits).
    std::vector<std::pair<const ControlRow*, std::string>> writes{};
    const ControlRow* select = nullptr;  // the option button to select, if any
    const ControlRow* focus = nullptr;   // the control to give the focus to, if any
    bool selectText = false;             // the focused control's whole text is selected (a
                                         // field or the list's text reached by Tab)
    bool leave = false;                  // the focus leaves the window's tab chain (a page
                                         // hands it on to the browser)
    std::optional<Box> box{};            // a modal box to open, after the writes
    bool quit = false;                   // the program ends
};

// What the user did comes in by the rows of the controls concerned; a row
// that cannot do it (nullptr, a label for a button...) does nothing.
class WindowModel {
public:
    WindowModel();

    // The user selected an option button; false for another control.
    bool Select(const ControlRow* option);

    // The start state: every field "0", the list "3", "Marco Real" selected
    // and focused. Everything the window shows at start, written out.
    Answer Start();

    // A command button was clicked (by mouse, Space or Enter). Results and
    // refusals are read and written with `decimalSeparator`, the user's.
    Answer Press(const ControlRow* button, const FieldTexts& fields, std::string_view decimalSeparator);

    // Tab (forward) or Shift+Tab from `from`. The stops are the controls that
    // take the focus, by tab index, the option group being one stop, entered
    // on its selected button; a field or the list reached by Tab has its
    // whole text selected. From the last stop the chain starts again at the
    // first (and backwards): the answer says so with `leave`, for a front end
    // that hands the focus on instead of wrapping round. From a control
    // outside the chain (or none), Tab goes to the first stop and Shift+Tab
    // to the last.
    Answer Tab(const ControlRow* from, bool forward) const;

    // An arrow key on an option button: to the nearest button that lies wholly
    // in the arrow's direction, selecting it; at the end of the group nothing
    // moves (an empty answer).
    Answer Key(const ControlRow* option, Arrow arrow);

    // A text arriving in one piece (paste, drop, a keyboard's suggestion,
    // dictation) into `control`, in place of its `replaced` text (the
    // selection), as the platform inserts it (`breaks`). An empty answer:
    // take it. Otherwise the box that refuses it, the field staying exactly
    // as it was: the field would hold more than kLongestPastedField bytes of
    // UTF-8. One character is a key typed, never refused. UTF-16 (the
    // toolkits' own texts) or UTF-8.
    Answer Paste(const ControlRow* control, const FieldTexts& fields, std::u16string_view replaced,
                 std::u16string_view inserted, LineBreaks breaks) const;
    Answer Paste(const ControlRow* control, const FieldTexts& fields, std::string_view replaced,
                 std::string_view inserted, LineBreaks breaks) const;

private:
    std::vector<const ControlRow*> TabChain() const;

    const ControlRow* selected_;
};

}  // namespace form
