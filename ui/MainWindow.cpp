#include "MainWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

#include "Accessibility.h"
#include "Application.h"
#include "Field.h"
#include "FlatFrame.h"
#include "Layout.h"
#include "PixelArt.h"
#include "form/pictures.h"
#include "form/texts.h"

namespace ui {

namespace {

// No field limits what may be typed into it.
constexpr int kUnlimited = std::numeric_limits<int>::max();

// A text of the window's description (UTF-8) as Qt holds it.
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::u16string_view Utf16(QStringView text) { return {text.utf16(), static_cast<std::size_t>(text.size())}; }

// The line edit that holds the text of a field or of the diameter list.
QLineEdit* EditOf(QWidget* control) {
    auto* combo = qobject_cast<QComboBox*>(control);
    return combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(control);
}

// An option button of the planting-system group. Its arrow keys are the
// window's: they go to the model, which moves the selection within the group
// and stops at its ends (Qt's own handling would look for a button by
// geometry and let the key go on to the frame).
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;
    std::function<void(form::Arrow)> arrowPressed;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const std::optional<form::Arrow> arrow = ArrowOf(event->key());
        if (!arrow || !arrowPressed) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        arrowPressed(*arrow);
        event->accept();
    }

private:
    static std::optional<form::Arrow> ArrowOf(int key) {
        switch (key) {
            case Qt::Key_Up: return form::Arrow::Up;
            case Qt::Key_Down: return form::Arrow::Down;
            case Qt::Key_Left: return form::Arrow::Left;
            case Qt::Key_Right: return form::Arrow::Right;
            default: return std::nullopt;
        }
    }
};

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
        case Kind::Option: return new OptionButton(caption, container);
        case Kind::Text: {
            auto* edit = new Field(caption, container);
            edit->setMaxLength(kUnlimited);
            return edit;
        }
        case Kind::Combo: {
            auto* combo = new DiameterList(container);
            combo->setLineEdit(new Field(QString(), combo));  // editable, with the field's paste rules
            combo->setInsertPolicy(QComboBox::NoInsert);      // typing a diameter adds no item
            combo->setCompleter(nullptr);                     // "1" stays "1", not "10"
            for (const std::string& entry : form::DiameterEntries()) combo->addItem(QString::fromStdString(entry));
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
    connectControls();
    apply(model_.Start());
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
    auto* systems = new QButtonGroup(this);  // one selection across the frames
    for (const ControlRow& row : WindowControls()) {
        QWidget* widget = CreateControl(row, row.container ? control(form::FindControl(row.container)) : this);
        widget->setObjectName(QLatin1String(row.name));
        widget->setGeometry(TwipsToPixels(row.left, row.top, row.width, row.height));
        if (row.type != Type::None) widget->setFont(ClassicFont(row.type));
        controls_.push_back(widget);
        if (auto* option = qobject_cast<QRadioButton*>(widget)) systems->addButton(option);
    }

    // Each field is announced by its label's caption.
    for (const ControlRow& row : WindowControls()) {
        if (!row.labels) continue;
        auto* label = static_cast<QLabel*>(control(&row));
        QWidget* field = control(form::FindControl(row.labels));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
}

void MainWindow::connectControls() {
    for (const ControlRow& each : WindowControls()) {
        const ControlRow* row = &each;
        QWidget* widget = control(row);
        if (auto* field = qobject_cast<Field*>(EditOf(widget)))
            field->setPasteRule(
                [this, row](QStringView replaced, QStringView pasted) {
                    return model_.Paste(row, *this, Utf16(replaced), Utf16(pasted), form::LineBreaks::Kept);
                },
                [this](const form::Answer& answer) { apply(answer); });
        if (auto* option = dynamic_cast<OptionButton*>(widget)) {
            connect(option, &QAbstractButton::toggled, this, [this, row](bool checked) {
                if (checked) model_.Select(row);
            });
            option->arrowPressed = [this, row](form::Arrow arrow) { apply(model_.Key(row, arrow)); };
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            connect(button, &QPushButton::clicked, this,
                    [this, row] { apply(model_.Press(row, *this, QLocale().decimalPoint().toStdString())); });
        }
    }
}

std::string MainWindow::Text(const ControlRow& row) const {
    const QLineEdit* edit = EditOf(control(&row));
    return edit ? edit->text().toStdString() : std::string();
}

QWidget* MainWindow::control(const ControlRow* row) const { return row ? controls_[form::RowIndex(*row)] : nullptr; }

void MainWindow::apply(const form::Answer& answer, Qt::FocusReason reason) {
    for (const auto& [row, text] : answer.writes) {
        const QString shown = QString::fromStdString(text);
        QWidget* target = control(row);
        if (auto* combo = qobject_cast<QComboBox*>(target))
            combo->setEditText(shown);
        else if (auto* edit = qobject_cast<QLineEdit*>(target))
            edit->setText(shown);
        // Shown from its first character: a number wider than its field is
        // read from its leading digits, never from a cut-off end.
        if (QLineEdit* edit = EditOf(target)) edit->setCursorPosition(0);
    }
    if (auto* option = qobject_cast<QRadioButton*>(control(answer.select))) option->setChecked(true);
    if (QWidget* focus = control(answer.focus)) {
        focus->setFocus(reason);
        if (QLineEdit* edit = EditOf(focus); edit && answer.selectText) edit->selectAll();
    }
    // A modal box with no icon and one OK button, as every toolkit draws it.
    if (answer.box)
        QMessageBox(QMessageBox::NoIcon, FromUtf8(answer.box->title), FromUtf8(answer.box->message), QMessageBox::Ok,
                    this)
            .exec();
    if (answer.quit) close();
}

const ControlRow* MainWindow::rowOf(const QWidget* widget) const {
    for (const QWidget* w = widget; w && w != this; w = w->parentWidget())
        if (const auto at = std::find(controls_.begin(), controls_.end(), w); at != controls_.end())
            return form::RowAt(static_cast<int>(at - controls_.begin()));
    return nullptr;
}

bool MainWindow::focusNextPrevChild(bool next) {
    // The desktop window wraps round at the chain's ends (`leave` is for a
    // page, which hands the focus on).
    apply(model_.Tab(rowOf(focusWidget()), next), next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace ui
