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

// A web page whose calculation cannot be started says why over its window,
// and every command answers with the box for that cause instead of doing
// nothing. `cause` is the name the page's loader gives it.
struct PageNotStarted {
    std::string_view cause;
    std::string_view line;  // over the window
    Box box;                // for every command
};
inline constexpr PageNotStarted kPageNotStarted[] = {
    {"unpacking",
     "El cálculo no se pudo poner en marcha: este navegador no sabe desempaquetar el cálculo que lleva la página "
     "(no tiene DecompressionStream con el formato «deflate-raw»). La ventana no puede calcular.",
     {"Programa de Rurorovirora",
      "No se puede calcular: este navegador no sabe desempaquetar el cálculo de la página (le falta "
      "DecompressionStream con «deflate-raw»). Abra la página en un navegador actualizado."}},
    {"webassembly",
     "El cálculo no se pudo poner en marcha: este navegador no admite WebAssembly o lo tiene desactivado. La "
     "ventana no puede calcular.",
     {"Programa de Rurorovirora",
      "No se puede calcular: este navegador no admite WebAssembly o lo tiene desactivado. Actívelo, o abra la "
      "página en un navegador actualizado."}},
    {"damaged",
     "El cálculo no se pudo poner en marcha: los datos del cálculo guardados en la página están dañados. La "
     "ventana no puede calcular.",
     {"Programa de Rurorovirora",
      "No se puede calcular: los datos del cálculo guardados en esta página están dañados. Descargue la página "
      "de nuevo."}},
    {"memory",
     "El cálculo no se pudo poner en marcha: el navegador no le dio la memoria que necesita. La ventana no puede "
     "calcular.",
     {"Programa de Rurorovirora",
      "No se puede calcular: el navegador no dio al cálculo la memoria que necesita. Cierre otras pestañas o "
      "aplicaciones y vuelva a abrir la página."}},
};

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
