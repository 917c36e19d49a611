// Writes the page's description, the JSON the page is built from: the
// window's description (form/description.h) and what only the page shows:
// its closing texts, its start state, its message for a failed start, its
// arrow keys and what it says of itself.
//   page_description OUTPUT.json

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "answer_json.h"
#include "form/description.h"
#include "form/json.h"
#include "form/window.h"

int main(int argc, char** argv) {
    using form::json::Quoted;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
        return 2;
    }
    std::string page = ",\"pageEnded\":" + Quoted(form::kPageEnded) + ",\"startAgain\":" + Quoted(form::kStartAgain);
    // What the page shows before its module has started: the model's start.
    page += ",\"start\":";
    form::WindowModel model;
    web::AppendAnswerJson(model.Start(), page);
    page += ",\"pageNotStarted\":{";
    for (const form::PageNotStarted& failure : form::kPageNotStarted)
        page += (page.back() == '{' ? "" : ",") + Quoted(failure.cause) + ":{\"line\":" + Quoted(failure.line) +
                ",\"box\":" + form::BoxJson(failure.box) + "}";
    page += "}";
    // What the page says of itself (a search result, a shared link, the
    // installed app): the Help box's words.
    page += ",\"description\":" + Quoted(form::kHelpBox.message);
    // The browser's name of each arrow key, with its number in form::Arrow.
    const std::pair<std::string_view, form::Arrow> arrowKeys[] = {{"ArrowUp", form::Arrow::Up},
                                                                  {"ArrowDown", form::Arrow::Down},
                                                                  {"ArrowLeft", form::Arrow::Left},
                                                                  {"ArrowRight", form::Arrow::Right}};
    static_assert(std::size(arrowKeys) == form::kArrows);
    page += ",\"arrowKeys\":{";
    for (const auto& [key, arrow] : arrowKeys)
        page += (page.back() == '{' ? "" : ",") + Quoted(key) + ":" + std::to_string(static_cast<int>(arrow));
    page += "}";
    if (!form::json::WriteFile(argv[1], form::DescriptionJson(page))) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
