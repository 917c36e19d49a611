#include "MainWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

#include "Accessibility.h"
#include "Field.h"
#include "FlatFrame.h"
#include "Fonts.h"
#include "Layout.h"
#include "MessageBox.h"
#include "PixelArt.h"
#include "calc/numbers.h"
#include "form/pictures.h"
#include "form/texts.h"

namespace ui {

namespace {

// No field limits what may be typed into it.
constexpr int kUnlimited = std::numeric_limits<int>::max();

bool TakesFocus(Kind kind) { return kind != Kind::Frame && kind != Kind::Label; }

// Writes a text the program produced (a result, Reset's zero) so that the
// field shows it from its first character: a number wider than its field is
// read from its leading digits, never from a cut-off end.
void ShowFromStart(QLineEdit* field, const QString& text) {
    field->setText(text);
    field->setCursorPosition(0);
}

// The diameter list turns with the mouse wheel only while it has the focus:
// a wheel turned over it while the pointer merely passes (scrolling whatever
// lies under the pointer) neither changes the diameter nor takes the focus,
// and goes on to the controls beneath it.
class DiameterList : public QComboBox {
public:
    explicit DiameterList(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (hasFocus())
            QComboBox::wheelEvent(event);
        else
            event->ignore();
    }
};

QWidget* CreateControl(const ControlRow& row, QWidget* container) {
    const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
    switch (row.kind) {
        case Kind::Frame: {
            auto* frame = new FlatFrame(caption, container);
            if (row.textColour) frame->setCaptionColour(QColor::fromRgb(row.textColour));
            return frame;
        }
        case Kind::Command: {
            auto* button = new QPushButton(caption, container);
            button->setAutoDefault(true);  // Enter clicks the focused button, as Space does
            return button;
        }
        case Kind::Option:
            return new QRadioButton(caption, container);
        case Kind::Text: {
            auto* edit = new Field(caption, container);
            edit->setMaxLength(kUnlimited);
            return edit;
        }
        case Kind::Combo: {
            auto* combo = new DiameterList(container);
            combo->setLineEdit(new Field(QString(), combo));  // editable, with the field's paste rules
            combo->setInsertPolicy(QComboBox::NoInsert);  // typing a diameter adds no item
            combo->setCompleter(nullptr);                 // "1" stays "1", not "10"
            for (int inches = form::kFirstDiameter; inches <= form::kLastDiameter; ++inches) combo->addItem(QString::number(inches), 0);
            combo->setCurrentIndex(-1);
            combo->lineEdit()->setMaxLength(kUnlimited);
            combo->setEditText(caption);
            return combo;
        }
        case Kind::Label: {
            auto* label = new QLabel(caption, container);
            label->setAlignment(ToQt(row.align));
            label->setAutoFillBackground(true);
            if (row.textColour) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, QColor::fromRgb(row.textColour));
                label->setPalette(palette);
            }
            return label;
        }
        case Kind::Picture: {
            auto* picture = new PixelArt(form::ArrowPicture(), container);
            picture->setFocusPolicy(Qt::StrongFocus);  // takes the focus in turn, shows no mark
            return picture;
        }
    }
    return nullptr;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(FromUtf8(form::kWindowTitle));
    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    buildControls();
    connectCommands();
    findChild<QRadioButton*>(QStringLiteral("Option1"))->setChecked(true);
    tabChain_.front()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!iconPending_) return;
    iconPending_ = false;
    // The icon is not part of the window's first frame: it is drawn and
    // handed to the window manager once that frame is on the screen.
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(PixelArtIcon(form::CalculatorPicture())); }, Qt::QueuedConnection);
}

void MainWindow::buildControls() {
    QHash<QString, QWidget*> byName;
    std::vector<std::pair<int, QWidget*>> focusable;
    systems_ = new QButtonGroup(this);
    for (const ControlRow& row : WindowControls()) {
        QWidget* container = row.container ? byName.value(QString::fromLatin1(row.container)) : this;
        QWidget* control = CreateControl(row, container);
        const QString name = QString::fromLatin1(row.name);
        control->setObjectName(name);
        control->setGeometry(TwipsToPixels(row.left, row.top, row.width, row.height));
        if (row.type != Type::None) control->setFont(ClassicFont(row.type));
        byName.insert(name, control);

        if (auto* option = qobject_cast<QRadioButton*>(control)) systems_->addButton(option);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) fields_[name.mid(4).toUInt() - 1] = edit;
        if (auto* combo = qobject_cast<QComboBox*>(control)) diameter_ = combo;
        if (TakesFocus(row.kind)) focusable.emplace_back(row.tabIndex, control);
    }

    // Each field is announced by its label's caption.
    for (const ControlRow& row : WindowControls()) {
        if (!row.labels) continue;
        auto* label = static_cast<QLabel*>(byName.value(QString::fromLatin1(row.name)));
        QWidget* field = byName.value(QString::fromLatin1(row.labels));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }

    // The tab order follows the tab indices; the group takes one place.
    std::sort(focusable.begin(), focusable.end());
    bool groupPlaced = false;
    for (const auto& [index, control] : focusable) {
        if (qobject_cast<QRadioButton*>(control)) {
            if (groupPlaced) continue;
            groupPlaced = true;
        }
        tabChain_.append(control);
    }
}

void MainWindow::connectCommands() {
    for (const form::CommandRow& row : form::kCommands) {
        auto* button = findChild<QPushButton*>(QLatin1String(row.button));
        switch (row.command) {
            case form::Command::Calculate:
                connect(button, &QPushButton::clicked, this, &MainWindow::calculate);
                break;
            case form::Command::Reset:
                connect(button, &QPushButton::clicked, this, &MainWindow::resetFields);
                break;
            case form::Command::Quit:
                connect(button, &QPushButton::clicked, this, &MainWindow::quit);
                break;
            case form::Command::About:
            case form::Command::Help:
            case form::Command::Varieties:
                connect(button, &QPushButton::clicked, this,
                        [this, command = row.command] { MessageBox::Inform(this, form::InformationBox(command)); });
                break;
        }
    }
}

QList<QWidget*> MainWindow::tabOrder() const {
    QList<QWidget*> order = tabChain_;
    order.front() = systems_->checkedButton();
    return order;
}

bool MainWindow::focusNextPrevChild(bool next) {
    const QList<QWidget*> order = tabOrder();
    // The focus may sit in a part of a control (the combo box's text).
    qsizetype at = -1;
    for (QWidget* w = focusWidget(); w && at < 0 && w != this; w = w->parentWidget()) {
        at = order.indexOf(w);
        if (at < 0 && qobject_cast<QRadioButton*>(w)) at = 0;
    }
    const qsizetype count = order.size();
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    order[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

calc::PlantingSystem MainWindow::selectedSystem() const {
    const QAbstractButton* checked = systems_->checkedButton();
    return form::SystemOfOption(checked ? checked->objectName().toStdString() : std::string());
}

void MainWindow::calculate() {
    const calc::FertiliserInputs inputs{selectedSystem(),
                                        field(form::kHectaresField)->text().toStdString(),
                                        field(form::kDistanceField)->text().toStdString(),
                                        field(form::kLengthField)->text().toStdString(),
                                        field(form::kWidthField)->text().toStdString(),
                                        diameter_->currentText().toStdString()};
    const auto results = calc::ComputeFertiliser(inputs, QLocale().decimalPoint().toStdString());
    // A refusal leaves every input as typed and empties the six results (its
    // texts are empty): they belong to no calculation now.
    for (std::size_t i = 0; i < results.texts.size(); ++i)
        ShowFromStart(field(form::kFirstResultField + static_cast<int>(i)), QString::fromStdString(results.texts[i]));
    if (!results.ok()) MessageBox::Inform(this, form::RefusalBox(results.refusal));
}

void MainWindow::resetFields() {
    const QString zero = QString::fromStdString(calc::FormatNumber(0));
    for (QLineEdit* edit : fields_) ShowFromStart(edit, zero);
}

void MainWindow::quit() { close(); }

}  // namespace ui
