#include <QApplication>

#include "Application.h"
#include "MainWindow.h"
#include "ScreenCheck.h"

int main(int argc, char* argv[]) {
    ui::ScreenCheck screenCheck;  // no screen: one Spanish line, status 1
    ui::StartReadingFonts();
    QApplication app(argc, argv);
    screenCheck.opened();
    ui::SetUpApplication(app);
    ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
