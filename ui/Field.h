#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>

#include "form/window.h"

namespace ui {

// A text field of the window (and the diameter list's text). It takes any
// length of typed text; every paste or drop (Ctrl+V, Shift+Insert, the menu's
// "Pegar", the middle button, dragging, an input method's text committed in
// one piece) is first put to its paste rule, and one the rule refuses is
// refused, its answer shown, the text staying exactly as it was. Holding a
// long text, it keeps its cursor steady instead of blinking, since every
// repaint of a long text lays all of it out again.
class Field : public QLineEdit {
    Q_OBJECT
public:
    explicit Field(const QString& text, QWidget* parent = nullptr);
    ~Field() override;

    // Asked before a paste or drop of `pasted` in place of `replaced` (the
    // selection): an answer with a box refuses it, and is handed to `show`.
    // Without a rule every paste is taken.
    using PasteRule = std::function<form::Answer(QStringView replaced, QStringView pasted)>;
    using ShowAnswer = std::function<void(const form::Answer& answer)>;
    void setPasteRule(PasteRule rule, ShowAnswer show) {
        pasteRule_ = std::move(rule);
        show_ = std::move(show);
    }

    // Texts longer than this (in characters) get a steady cursor.
    static constexpr qsizetype kSteadyCursorLength = 10'000;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The rule's answer to `pasted` put in place of `replaced`.
    form::Answer answer(QStringView pasted, QStringView replaced) const;
    // Whether the rule takes `pasted` in place of `replaced`; if not, shows its answer.
    bool takes(QStringView pasted, QStringView replaced);
    void pasteIfItFits();
    void updateCursorBlinking();

    PasteRule pasteRule_;
    ShowAnswer show_;
};

}  // namespace ui
