// Writes the page's description, the JSON the page is built from: the
// window's description (form/description.h) and what only the page shows:
// its closing texts, its start state, its message for a failed start and
// what it says of itself.
//   page_description OUTPUT.json

#include <cstdio>
#include <string>

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
    if (!form::json::WriteFile(argv[1], form::DescriptionJson(page))) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
