#pragma once

#include <QHash>
#include <QWidget>
#include <string>
#include <string_view>

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

    // The controls that take the focus, in tab order, as the model chains
    // them: the option group holds one place, taken by its selected button.
    QList<QWidget*> tabOrder() const;

    // What the window shows and does, decided.
    const form::WindowModel& model() const { return model_; }

protected:
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The text a field or the list shows now, for the model.
    std::string Text(std::string_view control) const override;
    void buildControls();
    void connectControls();
    // Shows an answer of the model: its writes, selection, focus, box, end.
    void apply(const form::Answer& answer);
    QWidget* control(std::string_view name) const;
    // The window control that holds `widget` (the combo box for its text).
    QString controlOf(QWidget* widget) const;

    form::WindowModel model_;
    QHash<QString, QWidget*> controls_;  // by name, every control of the description
    bool iconPending_ = true;            // the icon follows the first frame
};

}  // namespace ui
