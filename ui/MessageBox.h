#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

// Every box the window shows goes through here: modal, a title, a message,
// no icon and one OK button. Tests can take the boxes instead of showing
// them, so a handler can be run without blocking.
class MessageBox {
public:
    static void Inform(QWidget* parent, const QString& title, const QString& text);

    // Boxes are handed to the observer instead of being shown; an empty
    // observer shows them again.
    using Observer = std::function<void(const QString& title, const QString& text)>;
    static void SetObserver(Observer observer);
};

}  // namespace ui
