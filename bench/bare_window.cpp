// The yardstick of the start-up benchmark: a bare Qt Widgets window of the
// program's window's size, holding one label and nothing else.
#include <QApplication>
#include <QLabel>

#include "form/controls.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hola"));
    window.resize(form::kClientWidthTwips / form::kTwipsPerPixel, form::kClientHeightTwips / form::kTwipsPerPixel);
    window.show();
    return QApplication::exec();
}
