#pragma once

#include <QtGlobal>

namespace ui {

// Guards the opening of the application's screen. Where no screen can be
// opened (no display, or one that does not answer), the toolkit would abort
// with its own English advice; instead the program prints its one Spanish
// line (form::kNoScreen) to stderr and ends with status 1. Create it before
// the QApplication and call opened() once the application stands: what the
// toolkit said meanwhile is then passed on as usual.
class ScreenCheck {
public:
    ScreenCheck();
    ~ScreenCheck();
    ScreenCheck(const ScreenCheck&) = delete;
    ScreenCheck& operator=(const ScreenCheck&) = delete;

    void opened();

private:
    QtMessageHandler previous_ = nullptr;
    bool watching_ = true;
};

}  // namespace ui
