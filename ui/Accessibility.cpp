#include "Accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>
#include <QRadioButton>
#include <utility>

#include "FlatFrame.h"
#include "form/window.h"

namespace ui {

namespace {

// The control the screen reader announces `control` in: for a control of
// the window's description the frame drawn round it (or the window), for
// any other widget its parent.
QWidget* AnnouncedIn(const QWidget* control) {
    QWidget* parent = control->parentWidget();
    if (!parent || control->isWindow()) return nullptr;
    const form::ControlRow* row = form::FindControl(control->objectName().toStdString());
    if (!row) return parent;
    const form::ControlRow* frame = form::FrameDrawnRound(*row);
    if (!frame) return control->window();
    auto* drawn = control->window()->findChild<FlatFrame*>(QLatin1String(frame->name));
    return drawn ? drawn : parent;
}

// The controls announced in `container`, in the order they were made: its
// own children that stay in it, then those its siblings hand over to it.
QList<QWidget*> Members(QWidget* container) {
    QList<QWidget*> members;
    const auto take = [&](const QObjectList& candidates) {
        for (QObject* object : candidates) {
            auto* w = qobject_cast<QWidget*>(object);
            if (!w || w->isWindow() || qobject_cast<QMenu*>(w) || qobject_cast<QFocusFrame*>(w)) continue;
            if (AnnouncedIn(w) == container) members.append(w);
        }
    };
    take(container->children());
    if (QWidget* parent = container->parentWidget(); parent && !container->isWindow()) take(parent->children());
    return members;
}

// Children and parent as Members() and AnnouncedIn() say.
class Member : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessibleInterface* parent() const override {
        QWidget* container = AnnouncedIn(widget());
        QAccessibleInterface* announced = container ? QAccessible::queryAccessibleInterface(container) : nullptr;
        return announced ? announced : QAccessibleWidget::parent();
    }
    int childCount() const override { return static_cast<int>(Members(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> members = Members(widget());
        return index >= 0 && index < members.size() ? QAccessible::queryAccessibleInterface(members[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* w = child ? qobject_cast<const QWidget*>(child->object()) : nullptr;
        return w ? static_cast<int>(Members(widget()).indexOf(const_cast<QWidget*>(w))) : -1;
    }
};

// An option button placed in a frame: announced as the radio button it is
// (caption, checked state, the toggle action), within the frame drawn
// around it.
class Option : public Member {
public:
    explicit Option(QRadioButton* option) : Member(option, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text().remove(QLatin1Char('&'));
        return Member::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = Member::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << toggleAction();
        return names + Member::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction())
            button()->click();
        else
            Member::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* WindowInterfaces(const QString& className, QObject* object) {
    // A flat frame: a grouping, named by its caption (its accessible name).
    if (className == QLatin1String(FlatFrame::staticMetaObject.className()))
        return new Member(static_cast<FlatFrame*>(object), QAccessible::Grouping);
    if (className == QLatin1String("QRadioButton") &&
        qobject_cast<FlatFrame*>(static_cast<QWidget*>(object)->parentWidget()))
        return new Option(static_cast<QRadioButton*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (!std::exchange(installed, true)) QAccessible::installFactory(WindowInterfaces);
}

}  // namespace ui
