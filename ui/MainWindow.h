#pragma once

#include <QWidget>
#include <array>

#include "calc/fertiliser.h"
#include "form/controls.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;

namespace ui {

// The one window, "Form1": every input and result of the calculation and the
// six command buttons. Its controls are found by their names ("Text8",
// "Option2", ...); the handlers read and write nothing but those controls.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The controls that take the focus, in tab order; the option group holds
    // one place, taken by whichever of its buttons is selected.
    QList<QWidget*> tabOrder() const;

protected:
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void calculate();
    void resetFields();
    void quit();

private:
    void buildControls();
    void connectCommands();
    calc::PlantingSystem selectedSystem() const;
    QLineEdit* field(int number) const { return fields_[static_cast<std::size_t>(number - 1)]; }

    QButtonGroup* systems_ = nullptr;
    QComboBox* diameter_ = nullptr;
    std::array<QLineEdit*, form::kFieldCount> fields_{};  // Text1 .. Text10
    QList<QWidget*> tabChain_;             // the option group as Option1
    bool iconPending_ = true;              // the icon follows the first frame
};

}  // namespace ui
