#include "MessageBox.h"

#include <QMessageBox>

namespace ui {

namespace {
MessageBox::Observer& CurrentObserver() {
    static MessageBox::Observer observer;
    return observer;
}
}  // namespace

void MessageBox::Inform(QWidget* parent, const QString& title, const QString& text) {
    if (const auto& observer = CurrentObserver()) {
        observer(title, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void MessageBox::Inform(QWidget* parent, const form::Box& box) {
    Inform(parent, FromUtf8(box.title), FromUtf8(box.message));
}

void MessageBox::SetObserver(Observer observer) { CurrentObserver() = std::move(observer); }

}  // namespace ui
