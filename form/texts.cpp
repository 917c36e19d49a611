#include "form/texts.h"

namespace form {

std::string_view RefusalMessage(calc::Refusal refusal) {
    switch (refusal) {
        case calc::Refusal::ZeroDistance:
            return "La distancia no puede ser cero. Escriba en Distancia (m) la distancia entre árboles, en "
                   "metros.";
        case calc::Refusal::ZeroLengthOrWidth:
            return "El largo y el ancho no pueden ser cero. Escriba en Largo (m) y Ancho (m) la separación "
                   "entre árboles, en metros.";
        case calc::Refusal::TinyDistance:
            return "La distancia es demasiado pequeña para calcular. Escriba en Distancia (m) la distancia "
                   "entre árboles, en metros.";
        case calc::Refusal::TinyLengthOrWidth:
            return "El largo o el ancho es demasiado pequeño para calcular. Escriba en Largo (m) y Ancho (m) "
                   "la separación entre árboles, en metros.";
        case calc::Refusal::OutOfRange:
        case calc::Refusal::None: break;
    }
    return "Los valores escritos son demasiado grandes para calcular. Revise las hectáreas, la separación "
           "entre árboles y el diámetro.";
}

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

namespace form {

std::string PasteRefusalMessage(std::size_t longestBytes) {
    // Thousands set apart by a space, as the box has always written them.
    const auto grouped = [](std::size_t number) {
        std::string digits = std::to_string(number);
        for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ' ');
        return digits;
    };
    return "El texto es demasiado largo para pegarlo: un campo admite hasta " + grouped(longestBytes / 1024) + " KB (" +
           grouped(longestBytes) + " bytes). El campo queda como estaba.";
}

}  // namespace form
