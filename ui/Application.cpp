#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <thread>

#include "Fonts.h"

#ifdef RURO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace ui {

namespace {

// The thread reading the font configuration; joined before the first font
// is chosen, or at the latest when the program ends.
struct FontReader {
    std::thread thread;
    void wait() {
        if (thread.joinable()) thread.join();
    }
    ~FontReader() { wait(); }
};
FontReader fontReader;

}  // namespace

void StartReadingFonts() {
#ifdef RURO_HAVE_FONTCONFIG
    // Qt would read it on the main thread at the first font; read twice at
    // once it would be built twice, so nothing else may ask for it meanwhile.
    if (!fontReader.thread.joinable()) fontReader.thread = std::thread([] { FcInit(); });
#endif
}

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("rurorovirora"));
    QApplication::setApplicationVersion(QStringLiteral(RURO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.rurorovirora.Rurorovirora"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());

    // "Aceptar", "Deshacer", "Copiar"... whatever the system's language.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    fontReader.wait();
    QApplication::setFont(ClassicFont(Type::Regular));
}

}  // namespace ui
