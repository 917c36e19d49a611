// Writes the window's description (form/description.h) into a file, for
// the window scripts and the page's build.
//   form_json OUTPUT.json

#include <cstdio>

#include "form/description.h"
#include "form/json.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
        return 2;
    }
    if (!form::json::WriteFile(argv[1], form::DescriptionJson())) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
