#include "Fonts.h"

#include <QFontDatabase>
#include <string_view>

namespace ui {

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
