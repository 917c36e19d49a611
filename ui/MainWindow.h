#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "form/window.h"

namespace ui {

// The one window, "Form1": every input and result of the calculation and the
// six command buttons, built from the window's description. What the window
// does is the model's (form::WindowModel): the window tells it what the user
// did (the selected system, buttons, Tab, the group's arrow keys, pastes),
// lets it read the fields' texts when it needs them, and shows what it
// answers.
class MainWindow : public QWidget, private form::FieldTexts {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The text a field or the list shows now, for the model.
    std::string Text(const form::ControlRow& control) const override;
    void buildControls();
    void connectControls();
    // Shows an answer of the model: its writes, selection, focus (given for
    // `reason`), box, end.
    void apply(const form::Answer& answer, Qt::FocusReason reason = Qt::OtherFocusReason);
    QWidget* control(const form::ControlRow* row) const;
    // The row of the window control that holds `widget` (the combo box for its text).
    const form::ControlRow* rowOf(const QWidget* widget) const;

    form::WindowModel model_;
    std::vector<QWidget*> controls_;  // by row, every control of the description
    bool iconPending_ = true;         // the icon follows the first frame
};

}  // namespace ui
