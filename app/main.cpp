#include <QApplication>

#include "Application.h"
#include "MainWindow.h"

int main(int argc, char* argv[]) {
    ui::StartReadingFonts();
    QApplication app(argc, argv);
    ui::SetUpApplication(app);
    ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
