#pragma once
// Every text of the program that is not a control's caption: the window's
// title, the information boxes, the refusals of a calculation and the few
// messages of the program itself. UTF-8, shown exactly as written.

#include <cstddef>
#include <string_view>

#include "calc/fertiliser.h"

namespace form {

inline constexpr std::string_view kWindowTitle = "Cálculo de Rurorovirora en Nogal Zezodadu Versión 3.1";

struct Box {
    std::string_view title;
    std::string_view message;
};

inline constexpr Box kAboutBox{
    "Programa de Rurorovirora ver 3.1",
    "Programa por Aurelia Quelvas Ordaz y Tadeo Birnal Escárcega, Campo Experimental Zezodadu, 2004"};
inline constexpr Box kHelpBox{
    "Programa de Rurorovirora",
    "Este programa calcula los requerimientos de Fertilizante en base a la dosis de 0.160 kg de N por "
    "diámetro de tronco"};
inline constexpr Box kVarietiesBox{
    "Velto ver 3.1",
    "Datos válidos en la Comarca Lagunera para el Nogal (Carya illinoensis) variedades Western & Wichita"};

// The box that says why "Calcular" gave no result.
inline constexpr std::string_view kRefusalTitle = "Programa de Rurorovirora";
std::string_view RefusalMessage(calc::Refusal refusal);
inline Box RefusalBox(calc::Refusal refusal) { return {kRefusalTitle, RefusalMessage(refusal)}; }

// The one button of every box.
inline constexpr std::string_view kOkButton = "Aceptar";

// What the window's arrow picture shows, for those who cannot see it.
inline constexpr std::string_view kArrowPictureName = "Flecha";

// A web page cannot end itself: after "Salir" it says so and offers to
// start again.
inline constexpr std::string_view kPageEnded = "El programa ha terminado. Puede cerrar esta página.";
inline constexpr std::string_view kStartAgain = "Volver a empezar";

// A web page whose calculation cannot be started (a damaged page, a browser
// without WebAssembly) says so over its window, and every command answers
// with this box instead of doing nothing.
inline constexpr std::string_view kPageNotStarted =
    "El cálculo no se pudo poner en marcha en este navegador: la página está dañada o el navegador no admite "
    "WebAssembly. La ventana no puede calcular.";
inline constexpr Box kPageNotStartedBox{
    "Programa de Rurorovirora",
    "No se puede calcular: el cálculo de esta página no se pudo poner en marcha (la página está dañada o el "
    "navegador no admite WebAssembly). Abra la página de nuevo, o en un navegador actualizado."};

// A text arriving in one piece (a paste, a drop, a keyboard's suggestion,
// dictation) that would make a field's text longer than this many bytes of
// UTF-8 is refused with this box, and the field stays exactly as it was:
// nothing is cut silently. A number never needs more; typing key by key is
// never limited.
inline constexpr std::size_t kLongestPastedField = 65'536;
inline constexpr Box kPasteRefusalBox{
    "Programa de Rurorovirora",
    "El texto es demasiado largo para pegarlo: un campo admite hasta 64 KB (65 536 bytes). El campo queda como "
    "estaba."};

// Printed when the program finds no screen to open its window on.
inline constexpr std::string_view kNoScreen =
    "rurorovirora: no se pudo abrir ninguna pantalla; el programa necesita una sesión gráfica.";

}  // namespace form
