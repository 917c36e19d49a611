#include "MessageBox.h"

#include <QMessageBox>

namespace ui {

namespace {
MessageBox::Observer& CurrentObserver() {
    static MessageBox::Observer observer;
    return observer;
}
}  // namespace

void MessageBox::Inform(QWidget* parent, const form::Box& box) {
    const QString title = FromUtf8(box.title);
    const QString text = FromUtf8(box.message);
    if (const auto& observer = CurrentObserver()) {
        observer(title, text);
        return;
    }
    QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent).exec();
}

void MessageBox::SetObserver(Observer observer) { CurrentObserver() = std::move(observer); }

}  // namespace ui
