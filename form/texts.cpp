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

}  // namespace form
