#include "form/commands.h"

namespace form {

Box InformationBox(Command command) {
    switch (command) {
        case Command::About: return kAboutBox;
        case Command::Varieties: return kVarietiesBox;
        default: return kHelpBox;
    }
}

calc::PlantingSystem SystemOfOption(std::string_view optionName) {
    if (optionName == "Option2") return calc::PlantingSystem::Rectangular;
    if (optionName == "Option3") return calc::PlantingSystem::Triangular;
    return calc::PlantingSystem::Square;
}

}  // namespace form
