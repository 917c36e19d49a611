// Start-up to the first painted window, for the start-up benchmark: prints
// the wall-clock time (ns since the epoch) when the window's first paint
// has been done, and the peak resident memory, then quits. Built twice: as
// the program's window, and (BARE_WINDOW) as a bare window with one label,
// the yardstick.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <chrono>
#include <cstdio>

#ifndef BARE_WINDOW
#include "Application.h"
#include "MainWindow.h"
#endif

namespace {

// Peak resident set size, from the kernel's record of this process.
QByteArray PeakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return "0";
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front();
    return "0";
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Report once this paint has been flushed to the screen.
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld %s\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                            PeakMemoryKiB().constData());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
#ifdef BARE_WINDOW
    QLabel window(QStringLiteral("Hola"));
#else
    ui::SetUpApplication(app);
    ui::MainWindow window;
#endif
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
