#pragma once

#include <QString>
#include <functional>
#include <string_view>

#include "form/texts.h"

class QWidget;

namespace ui {

// Every box the window shows goes through here: modal, a title, a message,
// no icon and one OK button. Tests can take the boxes instead of showing
// them, so a handler can be run without blocking.
class MessageBox {
public:
    // One of the program's own boxes, as the window's description words it.
    static void Inform(QWidget* parent, const form::Box& box);

    // Boxes are handed to the observer instead of being shown; an empty
    // observer shows them again.
    using Observer = std::function<void(const QString& title, const QString& text)>;
    static void SetObserver(Observer observer);
};

// A text of the window's description (UTF-8) as Qt holds it.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace ui
