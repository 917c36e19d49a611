#include "Application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <string_view>
#include <thread>

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

QString ClassicFamily() {
    static const QString family = [] {
        for (const std::string_view candidate : {form::kClassicFace, std::string_view("Liberation Sans")}) {
            const QString name = QString::fromLatin1(candidate.data(), static_cast<qsizetype>(candidate.size()));
            if (QFontDatabase::hasFamily(name)) return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont ClassicFont(Type type) {
    QFont font(ClassicFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(form::PointSize(type));
    font.setWeight(form::IsBold(type) ? QFont::Bold : QFont::Normal);
    return font;
}

}  // namespace ui
