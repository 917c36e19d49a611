#include "Fonts.h"

#include <QFontDatabase>

namespace ui {

QString ClassicFamily() {
    static const QString family = [] {
        for (const char* candidate : {"MS Sans Serif", "Liberation Sans"}) {
            const QString name = QString::fromLatin1(candidate);
            if (QFontDatabase::hasFamily(name)) return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont ClassicFont(Type type) {
    QFont font(ClassicFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(type == Type::LargeBold ? 9.75 : 8.25);
    font.setWeight(type == Type::Regular ? QFont::Normal : QFont::Bold);
    return font;
}

}  // namespace ui
