// The window's behaviour, as every front end shows it: commands, refusals,
// the tab chain, the option group's keys, pastes and the control names.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "form/window.h"
#include "plantations.h"

namespace {

using form::Answer;
using form::Arrow;
using form::WindowModel;
using Writes = std::vector<std::pair<std::string, std::string>>;

// The row of a control by its name; nullptr for "" or a name of none.
const form::ControlRow* Row(std::string_view name) { return form::FindControl(name); }
std::string FieldName(int number) { return form::FieldRow(number)->name; }

Writes WritesOf(const Answer& answer) {
    Writes writes;
    for (const auto& [row, text] : answer.writes) writes.emplace_back(row->name, text);
    return writes;
}

// The selected option button: the group is the tab chain's first stop,
// entered on its selected button.
std::string Selected(const WindowModel& model) { return model.Tab(nullptr, true).focus->name; }

// The window's fields as a front end holds them: what the user typed, and
// what the model's answers wrote.
struct Fields : form::FieldTexts {
    std::map<std::string, std::string, std::less<>> texts;
    std::string Text(const form::ControlRow& control) const override {
        const auto at = texts.find(control.name);
        return at == texts.end() ? std::string() : at->second;
    }
    void Apply(const Answer& answer) {
        for (const auto& [row, text] : answer.writes) texts[row->name] = text;
    }
};

// "Calcular" on every plantation of the shared table: the option of its
// system selected, its texts typed into their fields.
class Plantations : public testing::TestWithParam<cases::Plantation> {};

TEST_P(Plantations, CalcularShowsTheTableTexts) {
    const cases::Plantation& p = GetParam();
    WindowModel model;
    Fields fields;
    fields.Apply(model.Start());
    const form::ControlRow* option = nullptr;
    for (const form::ControlRow& row : form::WindowControls())
        if (row.kind == form::Kind::Option && form::SystemOfOption(row.name) == p.inputs.system) option = &row;
    ASSERT_TRUE(model.Select(option));
    fields.texts["Text7"] = "stale result";
    const std::pair<int, const std::string*> typed[] = {{form::kHectaresField, &p.inputs.hectares},
                                                        {form::kDistanceField, &p.inputs.distance},
                                                        {form::kLengthField, &p.inputs.length},
                                                        {form::kWidthField, &p.inputs.width}};
    for (const auto& [field, text] : typed) fields.texts[FieldName(field)] = *text;
    fields.texts["Combo1"] = p.inputs.diameter;

    const Answer answer = model.Press(Row("Command2"), fields, p.separator);
    Writes expected;
    for (std::size_t i = 0; i < p.results.size(); ++i)
        expected.emplace_back(FieldName(form::kFirstResultField + static_cast<int>(i)), p.results[i]);
    EXPECT_EQ(WritesOf(answer), expected);  // a refusal empties all six
    ASSERT_EQ(answer.box.has_value(), p.refusal != calc::Refusal::None);
    if (answer.box) {
        EXPECT_EQ(answer.box->message, form::RefusalMessage(p.refusal));
    }
    for (const auto& [field, text] : typed)  // no input is written
        for (const auto& written : answer.writes) EXPECT_NE(written.first, form::FieldRow(field));
}

INSTANTIATE_TEST_SUITE_P(Table, Plantations, testing::ValuesIn(cases::Plantations()),
                         [](const auto& info) { return info.param.name; });

// ---- commands: what the user typed and chose, the button, what is shown.

struct CommandCase {
    const char* name;
    const char* option;
    Writes typed;
    const char* separator;
    const char* button;
    Writes shown;
    std::string_view boxTitle;  // empty: no box
    bool quit = false;
};

const std::vector<CommandCase>& CommandCases() {
    static const std::vector<CommandCase> cases = {
        {"ResetWritesZeroEverywhere",
         "Option3",
         {{"Text1", "5"}, {"Text4", "typed"}},
         ".",
         "Command3",
         {{"Text1", "0"},
          {"Text2", "0"},
          {"Text3", "0"},
          {"Text4", "0"},
          {"Text5", "0"},
          {"Text6", "0"},
          {"Text7", "0"},
          {"Text8", "0"},
          {"Text9", "0"},
          {"Text10", "0"}},
         {}},
        {"AboutBox", "Option1", {}, ".", "Command4", {}, form::kAboutBox.title},
        {"HelpBox", "Option1", {}, ".", "Command5", {}, form::kHelpBox.title},
        {"VarietiesBox", "Option1", {}, ".", "Command6", {}, form::kVarietiesBox.title},
        {"QuitEnds", "Option1", {}, ".", "Command1", {}, {}, true},
        {"NotAButtonDoesNothing", "Option1", {{"Text1", "3"}}, ".", "Text1", {}, {}},
    };
    return cases;
}

class Commands : public testing::TestWithParam<CommandCase> {};

TEST_P(Commands, ShowWhatTheCommandDecides) {
    const CommandCase& c = GetParam();
    WindowModel model;
    Fields fields;
    ASSERT_TRUE(model.Select(Row(c.option)));
    for (const auto& [name, text] : c.typed) fields.texts[name] = text;
    const Answer answer = model.Press(Row(c.button), fields, c.separator);
    EXPECT_EQ(WritesOf(answer), c.shown);
    ASSERT_EQ(answer.box.has_value(), !c.boxTitle.empty());
    if (answer.box) {
        EXPECT_EQ(answer.box->title, c.boxTitle);
        EXPECT_FALSE(answer.box->message.empty());
    }
    EXPECT_EQ(answer.quit, c.quit);
    EXPECT_EQ(Selected(model), c.option);
}

INSTANTIATE_TEST_SUITE_P(Window, Commands, testing::ValuesIn(CommandCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A refusal's box says what to correct.
struct RefusalCase {
    const char* name;
    const char* option;
    Writes typed;
    const char* says;
};

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, SayWhatToCorrect) {
    const RefusalCase& c = GetParam();
    WindowModel model;
    Fields fields;
    fields.Apply(model.Start());
    model.Select(Row(c.option));
    fields.texts["Text1"] = "10";
    for (const auto& [name, text] : c.typed) fields.texts[name] = text;
    const Answer answer = model.Press(Row("Command2"), fields, ".");
    ASSERT_TRUE(answer.box);
    EXPECT_EQ(answer.box->title, "Programa de Rurorovirora");
    EXPECT_NE(answer.box->message.find(c.says), std::string_view::npos) << answer.box->message;
}

INSTANTIATE_TEST_SUITE_P(
    Window, Refusals,
    testing::Values(
        RefusalCase{"ZeroDistance", "Option1", {{"Text8", "0"}}, "La distancia no puede ser cero."},
        RefusalCase{"EmptyDistanceTriangular", "Option3", {{"Text8", ""}}, "distancia"},
        RefusalCase{"ZeroLength", "Option2", {{"Text9", "0"}, {"Text10", "8"}}, "largo y el ancho"},
        RefusalCase{"UnreadableWidth", "Option2", {{"Text9", "10"}, {"Text10", "x"}}, "largo y el ancho"},
        RefusalCase{"InfiniteDistance", "Option1", {{"Text8", "1e400"}}, "demasiado grandes"},
        RefusalCase{"TinyDistance", "Option1", {{"Text8", "1e-200"}}, "distancia es demasiado pequeña"},
        RefusalCase{"TinyLengthAndWidth", "Option2", {{"Text9", "1e-200"}, {"Text10", "1e-200"}}, "demasiado pequeño"}),
    [](const auto& info) { return std::string(info.param.name); });

// The three boxes' texts stand exactly as written in form/texts.h; each
// button opens its own, and writes nothing.
TEST(Window, InformationButtonsOpenTheirBoxes) {
    const std::pair<const char*, form::Box> boxes[] = {
        {"Command4", form::kAboutBox}, {"Command5", form::kHelpBox}, {"Command6", form::kVarietiesBox}};
    WindowModel model;
    const Fields fields;
    for (const auto& [button, box] : boxes) {
        const Answer answer = model.Press(Row(button), fields, ".");
        ASSERT_TRUE(answer.box) << button;
        EXPECT_EQ(answer.box->title, box.title);
        EXPECT_EQ(answer.box->message, box.message);
        EXPECT_TRUE(answer.writes.empty());
    }
    EXPECT_NE(form::kAboutBox.message, form::kHelpBox.message);
    EXPECT_NE(form::kHelpBox.message, form::kVarietiesBox.message);
}

TEST(Window, StartsAsTheWindowIsDrawnAndStartAgainRestoresIt) {
    WindowModel model;
    Fields fields;
    fields.texts = {{"Text3", "x"}, {"Combo1", "12"}};
    model.Select(Row("Option3"));
    const Answer answer = model.Start();
    fields.Apply(answer);
    EXPECT_EQ(answer.writes.size(), 11u);
    for (int n = 1; n <= form::kFieldCount; ++n) EXPECT_EQ(fields.Text(*form::FieldRow(n)), "0");
    EXPECT_EQ(fields.Text(*Row("Combo1")), "3");
    EXPECT_EQ(answer.select, Row("Option1"));
    EXPECT_EQ(answer.focus, Row("Option1"));
    EXPECT_EQ(Selected(model), "Option1");
}

TEST(Window, ResetKeepsTheDiameterAndTheSystem) {
    WindowModel model;
    const Fields fields;
    model.Select(Row("Option2"));
    for (const auto& written : model.Press(Row("Command3"), fields, ".").writes)
        EXPECT_NE(written.first, Row("Combo1"));
    EXPECT_EQ(Selected(model), "Option2");
}

TEST(Window, OnlyOptionsAreSelected) {
    WindowModel model;
    EXPECT_FALSE(model.Select(Row("Text1")));
    EXPECT_FALSE(model.Select(nullptr));
    EXPECT_EQ(Selected(model), "Option1");
}

// ---- the tab chain and the option group's keys.

// The stops Tab goes through from outside the window until it leaves it.
std::vector<std::string> Chain(const WindowModel& model) {
    std::vector<std::string> chain;
    for (Answer stop = model.Tab(nullptr, true); chain.size() <= form::WindowControls().size();
         stop = model.Tab(stop.focus, true)) {
        chain.emplace_back(stop.focus->name);
        if (stop.leave) break;
    }
    return chain;
}

TEST(Window, TabChainFollowsTheTabIndicesWithTheGroupAsOneStop) {
    WindowModel model;
    const std::vector<std::string> expected = {"Option1", "Command1", "Combo1",   "Text1",    "Text2",
                                               "Text3",   "Text4",    "Text5",    "Text6",    "Text7",
                                               "Text8",   "Command2", "Command3", "Command4", "Command5",
                                               "Text9",   "Text10",   "Picture1", "Command6", "Option1"};
    EXPECT_EQ(Chain(model), expected);
    model.Select(Row("Option2"));
    EXPECT_EQ(Chain(model).front(), "Option2");
}

struct TabCase {
    const char* name;
    const char* selected;
    const char* from;
    bool forward;
    const char* to;
    bool leave;
    bool selectText = false;  // the field reached has its whole text selected
};

class Tabs : public testing::TestWithParam<TabCase> {};

TEST_P(Tabs, GoToTheNextStop) {
    const TabCase& c = GetParam();
    WindowModel model;
    model.Select(Row(c.selected));
    const Answer answer = model.Tab(Row(c.from), c.forward);
    EXPECT_EQ(answer.focus, Row(c.to));
    EXPECT_EQ(answer.leave, c.leave);
    EXPECT_EQ(answer.selectText, c.selectText);
    EXPECT_TRUE(answer.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Window, Tabs,
    testing::Values(TabCase{"FromMarcoRealToSalir", "Option1", "Option1", true, "Command1", false},
                    TabCase{"FromDistanceToCalcular", "Option1", "Text8", true, "Command2", false},
                    TabCase{"BackIntoTheGroupOnItsSelection", "Option3", "Command1", false, "Option3", false},
                    TabCase{"FromAnyButtonOfTheGroup", "Option2", "Option3", true, "Command1", false},
                    TabCase{"LastWrapsAndLeaves", "Option1", "Command6", true, "Option1", true},
                    TabCase{"FirstBackWrapsAndLeaves", "Option2", "Option2", false, "Command6", true},
                    TabCase{"FromOutsideForward", "Option1", "Label3", true, "Option1", false},
                    TabCase{"FromNothingBackward", "Option1", "", false, "Command6", false},
                    TabCase{"IntoAFieldSelectsItsText", "Option1", "Text7", true, "Text8", false, true},
                    TabCase{"BackIntoAFieldSelectsItsText", "Option1", "Command2", false, "Text8", false, true},
                    TabCase{"IntoTheListSelectsItsText", "Option1", "Command1", true, "Combo1", false, true},
                    TabCase{"FromOutsideIntoAField", "Option1", "Label3", false, "Command6", false}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    const char* from;
    Arrow arrow;
    const char* to;  // "": nothing moves
};

class Keys : public testing::TestWithParam<KeyCase> {};

TEST_P(Keys, MoveTheSelectionWithinTheGroup) {
    const KeyCase& c = GetParam();
    WindowModel model;
    model.Select(Row(c.from));
    const std::string before = Selected(model);
    const Answer answer = model.Key(Row(c.from), c.arrow);
    EXPECT_EQ(answer.select, Row(c.to));
    EXPECT_EQ(answer.focus, Row(c.to));
    EXPECT_EQ(Selected(model), *c.to ? c.to : before);
}

// The buttons stand one under another: Marco Real, Tresbolillo, Rectangular.
INSTANTIATE_TEST_SUITE_P(Window, Keys,
                         testing::Values(KeyCase{"DownFromMarcoReal", "Option1", Arrow::Down, "Option3"},
                                         KeyCase{"DownFromTresbolillo", "Option3", Arrow::Down, "Option2"},
                                         KeyCase{"DownStopsAtTheEnd", "Option2", Arrow::Down, ""},
                                         KeyCase{"UpFromRectangular", "Option2", Arrow::Up, "Option3"},
                                         KeyCase{"UpStopsAtTheTop", "Option1", Arrow::Up, ""},
                                         KeyCase{"RightFindsNothingBeside", "Option3", Arrow::Right, ""},
                                         KeyCase{"LeftFindsNothingBeside", "Option3", Arrow::Left, ""},
                                         KeyCase{"NotAnOption", "Text1", Arrow::Down, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- pastes: a text arriving in one piece, counted as the platform
// inserts it, against one limit.

struct PasteCase {
    const char* name;
    std::size_t held;  // bytes already in Text1
    std::u16string replaced;
    std::u16string inserted;
    form::LineBreaks breaks;
    bool taken;
};

constexpr std::size_t kLimit = form::kLongestPastedField;
const std::u16string kLimitText(kLimit, u'x');
const std::u16string kOverText(kLimit + 1, u'x');

class Pastes : public testing::TestWithParam<PasteCase> {};

TEST_P(Pastes, AreTakenUpToTheLimit) {
    const PasteCase& c = GetParam();
    const WindowModel model;
    Fields fields;
    fields.texts["Text1"] = std::string(c.held, 'x');
    const Answer answer = model.Paste(Row("Text1"), fields, c.replaced, c.inserted, c.breaks);
    EXPECT_EQ(!answer.box, c.taken);
    if (answer.box) {
        EXPECT_EQ(answer.box->message, form::kPasteRefusalBox.message);
    }
    EXPECT_TRUE(answer.writes.empty());  // a paste is the front end's to apply
}

using form::LineBreaks;
INSTANTIATE_TEST_SUITE_P(
    Window, Pastes,
    testing::Values(
        PasteCase{"ExactlyTheLimit", 0, u"", kLimitText, LineBreaks::Kept, true},
        PasteCase{"OneByteOver", 1, u"", kLimitText, LineBreaks::Kept, false},
        PasteCase{"ReplacingTheSelectionMakesRoom", 10, u"xxxxxxxxxx", kLimitText, LineBreaks::Kept, true},
        PasteCase{"ReplacedBeyondTheTextCountsAsAll", 10, std::u16string(500, u'x'), kLimitText, LineBreaks::Kept,
                  true},
        PasteCase{"TwoByteCharactersCountTwice", 0, u"", std::u16string(kLimit / 2 + 1, u'é'), LineBreaks::Kept, false},
        PasteCase{"ThreeByteCharactersCountThrice", 0, u"", std::u16string(kLimit / 3, u'€'), LineBreaks::Kept, true},
        PasteCase{"SurrogatePairsCountFour", 0, u"",
                  [] {
                      std::u16string text;
                      for (std::size_t i = 0; i <= kLimit / 4; ++i) text += u"\U0001F333";
                      return text;
                  }(),
                  LineBreaks::Kept, false},
        PasteCase{"KeptLineBreaksCount", 0, u"", kLimitText + u"\n", LineBreaks::Kept, false},
        PasteCase{"WindowsTakesTheFirstLineOnly", 0, u"", u"12\r\n" + kOverText, LineBreaks::CutAtFirst, true},
        PasteCase{"WindowsFirstLineTooLong", 0, u"", kOverText + u"\n12", LineBreaks::CutAtFirst, false},
        PasteCase{"BrowsersDropLineBreaks", 0, u"", kLimitText.substr(2) + u"\r\n", LineBreaks::Removed, true},
        PasteCase{"BrowsersJoinTheLines", 0, u"", u"1\n" + kLimitText, LineBreaks::Removed, false},
        PasteCase{"HugeTextIsRefused", 0, u"", std::u16string(10'000'000, u'8'), LineBreaks::Removed, false},
        PasteCase{"LongTypedTextRefusesAPaste", kLimit + 1000, u"", u"12", LineBreaks::Kept, false},
        PasteCase{"LongTypedTextTakesOneKey", kLimit + 1000, u"", u"\U0001F333", LineBreaks::Kept, true},
        PasteCase{"EmptyPasteIntoAFullField", kLimit, u"", u"", LineBreaks::Kept, true}),
    [](const auto& info) { return std::string(info.param.name); });

// UTF-8 texts (the page's) are counted by their bytes.
TEST(Window, Utf8PastesCountTheirBytes) {
    const WindowModel model;
    Fields fields;
    fields.texts["Combo1"] = "3";
    std::string full;
    for (std::size_t i = 0; i < kLimit / 2; ++i) full += "\xC3\xA9";  // é
    EXPECT_FALSE(
        model.Paste(Row("Combo1"), fields, std::string_view("3"), std::string_view(full), LineBreaks::Kept).box);
    EXPECT_TRUE(model.Paste(Row("Combo1"), fields, std::string_view(), std::string_view(full), LineBreaks::Kept).box);
}

// The box names the limit the model applies, in KB and in bytes with a
// space between thousands ("64 KB (65 536 bytes)").
TEST(Window, PasteRefusalNamesTheLimit) {
    const std::string bytes = std::to_string(kLimit);
    const std::string named = std::to_string(kLimit / 1024) + " KB (" + bytes.substr(0, bytes.size() - 3) + " " +
                              bytes.substr(bytes.size() - 3) + " bytes)";
    EXPECT_NE(form::kPasteRefusalBox.message.find(named), std::string_view::npos) << named;
}

// ---- rows, names and frames.

// A front end names a control to the model by its row, and the page by the
// row's place: every place maps back to its row, anything else to none.
TEST(Window, RowsAndTheirPlacesMatch) {
    const auto rows = form::WindowControls();
    for (const form::ControlRow& row : rows) EXPECT_EQ(form::RowAt(static_cast<int>(form::RowIndex(row))), &row);
    for (const int outside : {-1, static_cast<int>(rows.size()), std::numeric_limits<int>::min()})
        EXPECT_EQ(form::RowAt(outside), nullptr) << outside;
    for (int n = 1; n <= form::kFieldCount; ++n) EXPECT_EQ(FieldName(n), "Text" + std::to_string(n));
    EXPECT_EQ(form::FieldRow(0), nullptr);
    EXPECT_EQ(form::FieldRow(form::kFieldCount + 1), nullptr);
}

TEST(Window, EachControlIsSeenInTheFrameDrawnRoundIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"Option1", "Frame2"}, {"Option2", "Frame2"}, {"Option3", "Frame2"},
        {"Text8", "Frame2"},   {"Combo1", "Frame3"},  {"Text2", "Frame4"},
        {"Frame2", "Frame1"},  {"Frame1", nullptr},   {"Command2", nullptr},
    };
    for (const auto& [control, frame] : cases) {
        const form::ControlRow* drawn = form::FrameDrawnRound(*form::FindControl(control));
        EXPECT_EQ(drawn ? std::string(drawn->name) : std::string(), frame ? frame : "") << control;
    }
}

TEST(Window, DiameterListHoldsThreeToNineteen) {
    const auto entries = form::DiameterEntries();
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries.front(), "3");
    EXPECT_EQ(entries.back(), "19");
}

}  // namespace
