#pragma once
// Shared by the window tests: an offscreen application set up as the program
// sets itself up, a fresh window a test, and every modal box the window opens
// found as it opens (QApplication::activeModalWidget), read and closed with
// Enter, as a user would, so that no handler blocks a test.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "Application.h"
#include "MainWindow.h"
#include "form/window.h"

namespace testing_ui {

// A modal box as the user saw it.
struct Box {
    QString title;
    QString text;
    bool hasIcon = false;
    QStringList buttons;
};

// While it lives, reads every modal box into `boxes` and closes it. A box
// runs its own event loop, in which the reading is done.
class BoxReader : public QObject {
public:
    explicit BoxReader(std::vector<Box>& boxes) : boxes_(boxes) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->isWidgetType() && static_cast<QWidget*>(object)->isModal())
            QTimer::singleShot(0, this, [this] { readAndClose(); });
        return false;
    }

private:
    void readAndClose() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        Box seen{modal->windowTitle(), box ? box->text() : QString(), box && box->icon() != QMessageBox::NoIcon, {}};
        for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) seen.buttons << button->text();
        boxes_.push_back(seen);
        QWidget* owner = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
        if (box)
            QTest::keyClick(box, Qt::Key_Return);
        else
            modal->close();
        // A desktop gives the window back its activation (and its focus);
        // the offscreen platform does not.
        if (owner) owner->activateWindow();
    }

    std::vector<Box>& boxes_;
};

// A shown, active window; the boxes it opened, in order, in `boxes`.
class WindowFixture {
public:
    WindowFixture() {
        window = std::make_unique<ui::MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        auto* found = window->findChild<T*>(QLatin1String(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QLineEdit* text(int number) const { return control<QLineEdit>(form::FieldRow(number)->name); }
    QComboBox* combo() const { return control<QComboBox>("Combo1"); }
    QRadioButton* option(int number) const {
        return control<QRadioButton>(QByteArray("Option").append(QByteArray::number(number)).constData());
    }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
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

    std::vector<Box> boxes;
    std::unique_ptr<ui::MainWindow> window;

private:
    BoxReader reader_{boxes};
};

}  // namespace testing_ui

// main() for a window test: offscreen unless told otherwise, set up as the
// program is.
#define RURO_WINDOW_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char* argv[]) {                                                               \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                                \
        ui::SetUpApplication(app);                                                                   \
        TestClass test;                                                                              \
        return QTest::qExec(&test, argc, argv);                                                      \
    }
