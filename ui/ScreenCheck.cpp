#include "ScreenCheck.h"

#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <vector>

#include "form/texts.h"

namespace ui {

namespace {

// What the toolkit says while the screen is being opened, held back until it
// is known whether a screen was found.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage>& Held() {
    static std::vector<HeldMessage> held;
    return held;
}

void HoldOrRefuse(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The one fatal failure while opening the application is that its
        // platform found no screen.
        std::fprintf(stderr, "%.*s\n", static_cast<int>(form::kNoScreen.size()), form::kNoScreen.data());
        std::fflush(stderr);
        _exit(1);
    }
    Held().push_back({type, QByteArray(context.category), text});
}

}  // namespace

ScreenCheck::ScreenCheck() : previous_(qInstallMessageHandler(HoldOrRefuse)) {}

ScreenCheck::~ScreenCheck() { opened(); }

void ScreenCheck::opened() {
    if (!watching_) return;
    watching_ = false;
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : Held()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous_(message.type, context, message.text);
    }
    Held().clear();
}

}  // namespace ui
