#include "Field.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

// The field whose long text has stopped the cursor's blinking, and the
// blinking it stopped (the application's setting: one field at a time has
// the focus and so a blinking cursor).
QPointer<Field> steadyField;
int blinkingFlashTime = 0;

}  // namespace

Field::Field(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    connect(this, &QLineEdit::textChanged, this, &Field::updateCursorBlinking);
}

Field::~Field() {
    if (steadyField == this) QApplication::setCursorFlashTime(blinkingFlashTime);
}

form::Answer Field::answer(QStringView pasted, QStringView replaced) const {
    return pasteRule_ ? pasteRule_(replaced, pasted) : form::Answer();
}

bool Field::takes(QStringView pasted, QStringView replaced) {
    const form::Answer refusal = answer(pasted, replaced);
    if (refusal.box) show_(refusal);
    return !refusal.box;
}

void Field::pasteIfItFits() {
    if (takes(QApplication::clipboard()->text(QClipboard::Clipboard), selectedText())) paste();
}

void Field::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        // Ctrl+Shift+Insert takes the selection where the system has one.
        const bool selection = QApplication::clipboard()->supportsSelection() && event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        const QString pasted =
            QApplication::clipboard()->text(selection ? QClipboard::Selection : QClipboard::Clipboard);
        if (!takes(pasted, selectedText())) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void Field::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection at the cursor.
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QApplication::clipboard()->supportsSelection() &&
        !takes(QApplication::clipboard()->text(QClipboard::Selection), {})) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void Field::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    // The menu's "Pegar" pastes only what fits.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteText) continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, &Field::pasteIfItFits);
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void Field::dropEvent(QDropEvent* event) {
    // A drop adds its text at the drop point; moving text within the field
    // adds nothing.
    if (event->source() != this && event->mimeData()->hasText()) {
        if (form::Answer refusal = answer(event->mimeData()->text(), {}); refusal.box) {
            event->setDropAction(Qt::IgnoreAction);
            event->ignore();
            update();
            // Said once the drop is over, not while the dragging program waits.
            QTimer::singleShot(0, this, [this, refusal = std::move(refusal)] { show_(refusal); });
            return;
        }
    }
    QLineEdit::dropEvent(event);
}

void Field::inputMethodEvent(QInputMethodEvent* event) {
    // A keyboard's suggestion or dictation commits its text in one piece.
    if (!event->commitString().isEmpty() && !isReadOnly() && !takes(event->commitString(), selectedText())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void Field::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    updateCursorBlinking();
}

void Field::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    updateCursorBlinking();
}

void Field::updateCursorBlinking() {
    const bool steady = hasFocus() && text().size() > kSteadyCursorLength;
    if (steady == (steadyField == this)) return;
    if (steady) {
        if (steadyField) return;  // another field holds the setting
        blinkingFlashTime = QApplication::cursorFlashTime();
        steadyField = this;
        QApplication::setCursorFlashTime(0);
    } else {
        steadyField = nullptr;
        QApplication::setCursorFlashTime(blinkingFlashTime);
    }
    // The field takes up the new setting as it does on gaining the focus.
    if (hasFocus()) {
        QFocusEvent again(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&again);
    }
}

}  // namespace ui
