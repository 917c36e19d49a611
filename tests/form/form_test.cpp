// The window's description holds together: every front end trusts these
// rows, so a broken reference here would be a broken window everywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "form/commands.h"
#include "form/controls.h"
#include "form/pictures.h"
#include "form/texts.h"

namespace {

using form::Kind;

TEST(Controls, EveryReferenceNamesAControlOfTheRightKind) {
    std::set<std::string> declared;
    std::set<int> tabIndices;
    for (const form::ControlRow& row : form::WindowControls()) {
        if (row.container) {
            // Containers come first, so a front end can build in one pass.
            ASSERT_TRUE(declared.count(row.container)) << row.name;
            EXPECT_EQ(form::FindControl(row.container)->kind, Kind::Frame) << row.name;
        }
        if (row.labels) {
            const form::ControlRow* field = form::FindControl(row.labels);
            ASSERT_NE(field, nullptr) << row.name;
            EXPECT_TRUE(field->kind == Kind::Text || field->kind == Kind::Combo) << row.name;
            EXPECT_EQ(row.kind, Kind::Label) << row.name;
        }
        EXPECT_TRUE(declared.insert(row.name).second) << "twice: " << row.name;
        EXPECT_TRUE(tabIndices.insert(row.tabIndex).second) << "tab index twice: " << row.name;
        EXPECT_EQ(row.caption == nullptr, row.kind == Kind::Picture) << row.name;
    }
    EXPECT_EQ(declared.size(), 41u);
    EXPECT_EQ(*tabIndices.rbegin(), 40);
    EXPECT_EQ(form::FindControl("Text11"), nullptr);
    for (const form::CommandRow& command : form::kCommands)
        EXPECT_EQ(form::FindControl(command.button)->kind, Kind::Command) << command.button;
}

TEST(Texts, EveryRefusalHasItsOwnMessage) {
    using calc::Refusal;
    std::set<std::string_view> messages;
    for (Refusal r : {Refusal::ZeroDistance, Refusal::ZeroLengthOrWidth, Refusal::TinyDistance,
                      Refusal::TinyLengthOrWidth, Refusal::OutOfRange})
        EXPECT_TRUE(messages.insert(form::RefusalMessage(r)).second) << static_cast<int>(r);
    EXPECT_EQ(form::RefusalBox(Refusal::ZeroDistance).title, "Programa de Rurorovirora");
}

// A page that cannot start says why, in a line and a box of its own for each
// cause, under the program's title: no cause's words stand in for another's,
// and no message of a calculation stands in for them.
TEST(Texts, APageThatCannotStartNamesEachCauseInItsOwnWords) {
    using calc::Refusal;
    const std::pair<std::string_view, std::string_view> named[] = {{"unpacking", "DecompressionStream"},
                                                                   {"webassembly", "WebAssembly"},
                                                                   {"damaged", "dañados"},
                                                                   {"memory", "memoria"}};
    ASSERT_EQ(std::size(form::kPageNotStarted), std::size(named));
    std::set<std::string_view> texts;
    for (std::size_t i = 0; i < std::size(named); ++i) {
        const form::PageNotStarted& failure = form::kPageNotStarted[i];
        EXPECT_EQ(failure.cause, named[i].first);
        EXPECT_EQ(failure.box.title, form::kRefusalTitle);
        for (std::string_view text : {failure.line, failure.box.message}) {
            EXPECT_NE(text.find(named[i].second), std::string_view::npos) << text;
            EXPECT_TRUE(texts.insert(text).second) << text;
            for (Refusal r : {Refusal::ZeroDistance, Refusal::ZeroLengthOrWidth, Refusal::TinyDistance,
                              Refusal::TinyLengthOrWidth, Refusal::OutOfRange})
                EXPECT_NE(text, form::RefusalMessage(r));
            EXPECT_NE(text, form::kPageEnded);
        }
        // Only the words for this cause name it.
        for (std::size_t j = 0; j < std::size(named); ++j) {
            if (j != i) {
                EXPECT_EQ(failure.line.find(named[j].second), std::string_view::npos) << failure.line;
            }
        }
    }
}

TEST(Pictures, DecodeToTheirDrawnSizeAndColours) {
    for (const form::Xpm xpm : {form::ArrowPicture(), form::CalculatorPicture()}) {
        const form::Pixels p = form::DecodeXpm(xpm);
        EXPECT_EQ(p.width, 32);
        EXPECT_EQ(p.height, 32);
        ASSERT_EQ(p.argb.size(), 32u * 32u);
        EXPECT_EQ(p.argb.front(), 0u);  // the corners are transparent
    }
    const form::Pixels arrow = form::DecodeXpm(form::ArrowPicture());
    EXPECT_TRUE(
        std::all_of(arrow.argb.begin(), arrow.argb.end(), [](std::uint32_t c) { return c == 0 || c == 0xFF000000u; }));
}

TEST(Pictures, AMalformedPictureDecodesToNothing) {
    const char* const shortRow[] = {"2 1 1 1", "k c #000000", "k"};
    const char* const badColour[] = {"1 1 1 1", "k c black", "k"};
    const char* const missingRow[] = {"1 2 1 1", "k c #000000", "k"};
    const char* const emptyColour[] = {"1 1 1 1", "", "k"};
    for (const form::Xpm xpm :
         {form::Xpm(shortRow), form::Xpm(badColour), form::Xpm(missingRow), form::Xpm(emptyColour)})
        EXPECT_TRUE(form::DecodeXpm(xpm).argb.empty());
}

}  // namespace
