#pragma once
// What each command button and each option button stands for.

#include <string_view>

#include "calc/fertiliser.h"
#include "form/texts.h"

namespace form {

enum class Command { Calculate, Reset, About, Help, Varieties, Quit };

struct CommandRow {
    const char* button;
    Command command;
};

inline constexpr CommandRow kCommands[] = {
    {"Command2", Command::Calculate}, {"Command3", Command::Reset},     {"Command4", Command::About},
    {"Command5", Command::Help},      {"Command6", Command::Varieties}, {"Command1", Command::Quit},
};

// The box an information command shows (About, Help or Varieties).
Box InformationBox(Command command);

// The planting system each option button stands for: Option1 "Marco Real",
// Option2 "Rectangular ", Option3 "Tresbolillo". Any other name: square.
calc::PlantingSystem SystemOfOption(std::string_view optionName);

}  // namespace form
