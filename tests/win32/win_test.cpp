// The Windows window's arithmetic and text conversions, cross-built and run
// under Wine (or on Windows).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "form/controls.h"
#include "form/window.h"
#include "win/Layout.h"
#include "win/Utf.h"

namespace win {
void PrintTo(const Rect& r, std::ostream* out) { *out << r.left << "," << r.top << " " << r.width << "x" << r.height; }
}  // namespace win

namespace {

struct PlaceCase {
    const char* name;
    const char* control;
    int dpi;
    win::Rect expected;
};

// Text8 stands in Frame2 in Frame1: 480+240+2400, 480+360+720 twips.
const PlaceCase kPlaces[] = {
    {"nested_containers_add_up_at_100_percent", "Text8", 96, {208, 104, 73, 19}},
    {"nested_containers_add_up_at_150_percent", "Text8", 144, {312, 156, 110, 29}},
    {"nested_containers_add_up_at_200_percent", "Text8", 192, {416, 208, 146, 38}},
    {"window_level_control_at_150_percent", "Command2", 144, {324, 528, 158, 50}},
    // 2760+6000 = 8760 twips is 584 px; the width rounds with both edges.
    {"result_field_edges_round_on_their_own", "Text2", 120, {730, 100, 81, 24}},
};

class ControlPlaces : public testing::TestWithParam<PlaceCase> {};

TEST_P(ControlPlaces, LandWhereTheTwipsSay) {
    const PlaceCase& c = GetParam();
    const form::ControlRow* row = form::FindControl(c.control);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(win::ControlRect(*row, c.dpi), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Win32, ControlPlaces, testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Win32Layout, ClientAndFontsScaleWithTheDensity) {
    EXPECT_EQ(win::ClientRect(96), (win::Rect{0, 0, 735, 456}));
    EXPECT_EQ(win::ClientRect(192), (win::Rect{0, 0, 1470, 912}));
    EXPECT_EQ(win::FontHeight(form::Type::Regular, 96), -11);
    EXPECT_EQ(win::FontHeight(form::Type::LargeBold, 96), -13);
    EXPECT_EQ(win::FontHeight(form::Type::Bold, 144), -17);
}

TEST(Win32Layout, CreationOrderIsTheKeyboardOrder) {
    const auto order = win::CreationOrder();
    ASSERT_EQ(order.size(), form::WindowControls().size());
    std::vector<std::string> names;
    for (const auto& c : order) names.emplace_back(c.row->name);
    // The option group at its first place, down the column; then the tab indices.
    // Each field's label just before it (Windows names a field after the
    // label before it).
    const std::vector<std::string> head(names.begin(), names.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::string>{"Option1", "Option3", "Option2", "Command1", "Label1", "Combo1", "Label2",
                                              "Text1", "Label3", "Text2"}));
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        if (order[i].row->labels) {
            EXPECT_EQ(names[i + 1], order[i].row->labels) << names[i];
        }
    // Frames last, each inner frame above (before) the one around it.
    const std::vector<std::string> tail(names.end() - 4, names.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Frame3", "Frame2", "Frame4", "Frame1"}));
    // One arrow-key group: the three options, and nothing else joins it.
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i].startsGroup, i == 0 || (i > 2)) << names[i];
}

// IsDialogMessage's Tab goes through the tab stops in creation order, the
// option group entering on its selected button: that must be the model's
// chain, whichever option is selected.
TEST(Win32Layout, TabStopsInCreationOrderAreTheModelsChain) {
    for (const char* selected : {"Option1", "Option2", "Option3"}) {
        form::WindowModel model;
        ASSERT_TRUE(model.Select(form::FindControl(selected)));
        std::vector<const form::ControlRow*> stops;
        for (const auto& c : win::CreationOrder()) {
            if (!form::TakesFocus(c.row->kind)) continue;
            if (c.row->kind == form::Kind::Option && c.row->name != std::string_view(selected)) continue;
            stops.push_back(c.row);
        }
        // The model's Tab from each stop reaches the next, from the last the first.
        EXPECT_EQ(model.Tab(nullptr, true).focus, stops.front()) << selected;
        for (std::size_t i = 0; i < stops.size(); ++i)
            EXPECT_EQ(model.Tab(stops[i], true).focus, stops[(i + 1) % stops.size()]) << stops[i]->name;
    }
}

struct TextCase {
    const char* name;
    std::string utf8;
    std::wstring utf16;
};

const TextCase kTexts[] = {
    {"empty", "", L""},
    {"accents_and_enye", "Diámetro ñandú", L"Di\u00e1metro \u00f1and\u00fa"},
    {"title_with_capital_accent", "No. de Árboles", L"No. de \u00c1rboles"},
    {"outside_the_basic_plane", "\xF0\x9F\x8C\xB0", L"\U0001F330"},
    {"several_byte_separator",
     "1\xE2\x80\xA9"
     "5",
     L"1\u20295"},
};

class TextConversion : public testing::TestWithParam<TextCase> {};

TEST_P(TextConversion, SurvivesBothWays) {
    const TextCase& c = GetParam();
    EXPECT_EQ(win::Utf16(c.utf8), c.utf16);
    EXPECT_EQ(win::Utf8(c.utf16), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Win32, TextConversion, testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
