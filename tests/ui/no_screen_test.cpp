// The program started where no screen can be opened: one Spanish line on
// stderr and status 1, no abort and none of the toolkit's English advice.
#include <QProcess>
#include <QTest>

#include "form/texts.h"

class NoScreenTest : public QObject {
    Q_OBJECT

private slots:
    void says_so_in_spanish_and_ends_with_status_1() {
        const QString kNoScreenLine =
            QString::fromUtf8(form::kNoScreen.data(), static_cast<qsizetype>(form::kNoScreen.size())) + '\n';
        const struct {
            const char* name;
            QStringList set;  // besides no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM
        } cases[] = {{"no_display_at_all", {}},
                     {"x11_asked_for_without_display", {"QT_QPA_PLATFORM=xcb"}},
                     {"display_without_server", {"DISPLAY=:4711"}},
                     {"wayland_without_compositor", {"QT_QPA_PLATFORM=wayland"}}};
        for (const auto& c : cases) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
            for (const QString& assignment : c.set)
                environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
            QProcess program;
            program.setProcessEnvironment(environment);
            program.start(QStringLiteral(RURO_PROGRAM), {});
            QVERIFY2(program.waitForFinished(20000), c.name);
            QVERIFY2(program.exitStatus() == QProcess::NormalExit, c.name);  // no abort
            QCOMPARE(program.exitCode(), 1);
            QCOMPARE(QString::fromUtf8(program.readAllStandardError()), kNoScreenLine);
            QCOMPARE(program.readAllStandardOutput(), QByteArray());
        }
    }
};

QTEST_GUILESS_MAIN(NoScreenTest)
#include "no_screen_test.moc"
