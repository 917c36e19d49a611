// The program's window with a responsiveness probe, for the paste benchmark:
// a helper thread posts a call to the window's thread every 10 ms and the
// longest wait for it to run is the longest time the window did not answer.
// PASTE_FIELD_BYTES=N starts it with N digits in "Número de Hectáreas".
// On quitting it prints "longest_stall_ms N peak_kib M" (peak resident
// memory, from the kernel's record of this process).
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "Application.h"
#include "MainWindow.h"

namespace {

using Clock = std::chrono::steady_clock;

QByteArray PeakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return "0";
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front();
    return "0";
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::SetUpApplication(app);
    ui::MainWindow window;
    if (const int bytes = qEnvironmentVariableIntValue("PASTE_FIELD_BYTES"); bytes > 0)
        window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString(bytes, QLatin1Char('7')));

    std::atomic<bool> stop = false;
    std::atomic<bool> waiting = false;
    std::atomic<long long> longestUs = 0;
    QObject receiver;
    std::thread probe([&] {
        while (!stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (waiting.exchange(true)) continue;  // the last call has not run yet
            const auto posted = Clock::now();
            QMetaObject::invokeMethod(
                &receiver,
                [&, posted] {
                    const long long us =
                        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - posted).count();
                    if (us > longestUs) longestUs = us;
                    if (us > 200'000 && qEnvironmentVariableIsSet("PASTE_STALLS"))
                        std::fprintf(stderr, "stall %.1f ms\n", static_cast<double>(us) / 1000.0);
                    waiting = false;
                },
                Qt::QueuedConnection);
        }
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [&] {
        std::printf("longest_stall_ms %.1f peak_kib %s\n", static_cast<double>(longestUs) / 1000.0,
                    PeakMemoryKiB().constData());
        std::fflush(stdout);
    });

    window.show();
    const int status = QApplication::exec();
    stop = true;
    probe.join();
    return status;
}
