#pragma once
// The table of plantations every build is tested with (plantations.txt),
// compiled into the program that reads it, so a suite run under Wine or in
// WebAssembly needs no file.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/fertiliser.h"

namespace cases {

struct Plantation {
    std::string name;  // the table's name; under an expanded "*", followed by
                       // "_point", "_comma" or "_arabic"
    calc::FertiliserInputs inputs;
    std::string separator;  // the user's decimal separator
    calc::Refusal refusal = calc::Refusal::None;
    std::array<std::string, calc::kResultCount> results;  // empty on a refusal
};

// Every case of the table, each "*" case once for each separator.
const std::vector<Plantation>& Plantations();

// The case called `name` (as expanded); throws std::out_of_range if none.
const Plantation& Find(std::string_view name);

// The table as written (for programs that hand it on).
std::string_view TableText();

}  // namespace cases
