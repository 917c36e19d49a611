#include "Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "Fonts.h"

namespace ui {

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

    QApplication::setFont(ClassicFont(Type::Regular));
}

}  // namespace ui
