#pragma once
// Shared by the window tests: an offscreen application set up as the program
// sets itself up, a fresh window a test, and a watchdog that fails the test
// on any modal box it did not ask for.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Application.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "form/window.h"

namespace testing_ui {

struct Box {
    QString title;
    QString text;
};

// A shown, active window; the boxes its handlers would show are collected in
// `boxes` instead of blocking the test.
class WindowFixture {
public:
    WindowFixture() {
        ui::MessageBox::SetObserver([this](const QString& title, const QString& text) {
            boxes.push_back({title, text});
        });
        window = std::make_unique<ui::MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    ~WindowFixture() { ui::MessageBox::SetObserver({}); }

    template <typename T = QWidget>
    T* control(const char* name) const {
        auto* found = window->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QLineEdit* text(int number) const { return control<QLineEdit>(form::FieldName(number).c_str()); }
    QComboBox* combo() const { return control<QComboBox>("Combo1"); }
    QRadioButton* option(int number) const {
        return control<QRadioButton>(QByteArray("Option").append(QByteArray::number(number)).constData());
    }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    // The window control named `name` (from the model's answers).
    QWidget* named(std::string_view name) const { return control(std::string(name).c_str()); }
    // Replaces a field's text the way a user does: select all, type.
    void type(QWidget* field, const QString& text) const {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() >= 32 && c.unicode() < 127)
                QTest::keyClick(field, c.toLatin1());
            else  // QTest maps printable ASCII only to keys; the rest arrive as text
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    std::unique_ptr<ui::MainWindow> window;
    std::vector<Box> boxes;
};

// Fails the running test when a modal box appears that no test expects, and
// closes it so the test cannot hang.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !expecting_) {
                unexpected_ = modal->windowTitle();
                modal->close();
            }
        });
        timer_.start();
    }
    // While set, modal boxes are the test's own business.
    void expect(bool expecting) { expecting_ = expecting; }
    QString takeUnexpected() { return std::exchange(unexpected_, QString()); }

private:
    QTimer timer_;
    bool expecting_ = false;
    QString unexpected_;
};

}  // namespace testing_ui

// main() for a window test: offscreen unless told otherwise, set up as the
// program is, with the watchdog running.
#define RURO_WINDOW_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[]) {                                                               \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                                \
        ui::SetUpApplication(app);                                                                   \
        TestClass test;                                                                              \
        return QTest::qExec(&test, argc, argv);                                                      \
    }
