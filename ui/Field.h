#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace ui {

// A text field of the window (and the diameter list's text). It takes any
// length of typed text, but refuses, with a box, a paste or drop that would
// make it longer than form::kLongestPastedField bytes of UTF-8, leaving its
// text exactly as it was: by Ctrl+V, Shift+Insert, the menu's "Pegar", the
// middle button or dragging. Holding a long text, it keeps its cursor steady
// instead of blinking, since every repaint of a long text lays all of it out
// again.
class Field : public QLineEdit {
    Q_OBJECT
public:
    explicit Field(const QString& text, QWidget* parent = nullptr);
    ~Field() override;

    // Texts longer than this (in characters) get a steady cursor.
    static constexpr qsizetype kSteadyCursorLength = 10'000;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Whether `pasted`, put in place of `replaced` characters, keeps the
    // field within the size; if not, says so in a box.
    bool takes(QStringView pasted, QStringView replaced);
    void refuse();
    void pasteIfItFits();
    void updateCursorBlinking();
};

}  // namespace ui
