#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <functional>
#include <optional>

#include "form/texts.h"

namespace ui {

// A text field of the window (and the diameter list's text). It takes any
// length of typed text; every paste or drop (Ctrl+V, Shift+Insert, the menu's
// "Pegar", the middle button, dragging, an input method's text committed in
// one piece) is first put to its paste rule, and
// one the rule refuses is refused with the rule's box, the text staying
// exactly as it was. Holding a long text, it keeps its cursor steady instead
// of blinking, since every repaint of a long text lays all of it out again.
class Field : public QLineEdit {
    Q_OBJECT
public:
    explicit Field(const QString& text, QWidget* parent = nullptr);
    ~Field() override;

    // Asked before a paste or drop of `pasted` in place of `replaced` (the
    // selection): the box that refuses it, or none to take it. Without a
    // rule every paste is taken.
    using PasteRule = std::function<std::optional<form::Box>(QStringView replaced, QStringView pasted)>;
    void setPasteRule(PasteRule rule) { pasteRule_ = std::move(rule); }

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
    // The rule's refusal of `pasted` put in place of `replaced`, if any.
    std::optional<form::Box> refusal(QStringView pasted, QStringView replaced) const;
    // Whether the rule takes `pasted` in place of `replaced`; if not, says so in a box.
    bool takes(QStringView pasted, QStringView replaced);
    void pasteIfItFits();
    void updateCursorBlinking();

    PasteRule pasteRule_;
};

}  // namespace ui
