// The window as the user first meets it: first state, focus and tab order,
// the option group, where every control stands, and that every caption shows
// whole with the face actually used.
#include <QAccessible>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWheelEvent>

#include "FlatFrame.h"
#include "Layout.h"
#include "PixelArt.h"
#include "WindowFixture.h"

using testing_ui::WindowFixture;

namespace {

// The name of the window control that holds the focus (or the part of it).
QString FocusName() {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) return w->objectName();
    return {};
}

QStringList WalkFocus(int steps, Qt::Key key) {
    QStringList seen;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        seen << FocusName();
    }
    return seen;
}

// The tab chain of a window model with `selected` chosen: the stops Tab
// reaches from outside the window until it would leave it.
QStringList ModelChain(const QString& selected) {
    form::WindowModel model;
    model.Select(form::FindControl(selected.toStdString()));
    QStringList chain;
    for (form::Answer stop = model.Tab(nullptr, true); !stop.leave && chain.size() <= 41;
         stop = model.Tab(stop.focus, true))
        chain << QLatin1String(stop.focus->name);
    return chain;
}

QString CheckedOption(const WindowFixture& f) {
    for (int n = 1; n <= 3; ++n)
        if (f.option(n)->isChecked()) return f.option(n)->objectName();
    return {};
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void starts_with_zeros_three_and_marco_real_focused() {
        WindowFixture f;
        QCOMPARE(f.window->windowTitle(),
                 QString::fromUtf8(form::kWindowTitle.data(), qsizetype(form::kWindowTitle.size())));
        QTRY_VERIFY(!f.window->windowIcon().isNull());  // it follows the first frame
        QVERIFY(f.window->isWindow() && !f.window->inherits("QDialog"));
        for (int i = 1; i <= 10; ++i) QCOMPARE(f.text(i)->text(), QStringLiteral("0"));
        QCOMPARE(f.combo()->currentText(), QStringLiteral("3"));
        QCOMPARE(f.combo()->currentIndex(), -1);
        QCOMPARE(f.combo()->count(), 17);
        QCOMPARE(f.combo()->itemText(0), QStringLiteral("3"));
        QCOMPARE(f.combo()->itemText(16), QStringLiteral("19"));
        QVERIFY(f.option(1)->isChecked());
        QVERIFY(!f.option(2)->isChecked() && !f.option(3)->isChecked());
        QCOMPARE(FocusName(), QStringLiteral("Option1"));
        QCOMPARE(f.window->size(), QSize(735, 456));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    }

    // Nothing is spent on the icon before the window's first frame; it comes
    // right after, the calculator at 1, 2 and 4 times, each pixel repeated.
    void icon_comes_after_the_first_frame_whole() {
        ui::MainWindow window;
        QVERIFY(window.windowIcon().isNull());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!window.windowIcon().isNull());
        const QImage design = ui::PixelArtImage(form::CalculatorPicture()).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}, {128, 128}}));
        for (const int factor : {1, 2, 4}) {
            const QImage icon = window.windowIcon()
                                    .pixmap(design.size() * factor, 1.0)
                                    .toImage()
                                    .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(icon.size(), design.size() * factor);
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x) QCOMPARE(icon.pixel(x, y), design.pixel(x / factor, y / factor));
        }
    }

    // Tab and Shift+Tab go round the model's chain, wrapping at its ends.
    void tab_walks_the_models_chain_and_wraps() {
        WindowFixture f;
        for (int selected : {1, 3}) {
            QTest::mouseClick(f.option(selected), Qt::LeftButton, {}, QPoint(6, f.option(selected)->height() / 2));
            const QStringList chain = ModelChain(f.option(selected)->objectName());
            QVERIFY(chain.size() > 1);
            QCOMPARE(chain.front(), f.option(selected)->objectName());

            QStringList forward = chain.mid(1);
            forward << chain.front();
            QCOMPARE(WalkFocus(static_cast<int>(forward.size()), Qt::Key_Tab), forward);
            QStringList backward = chain;
            std::reverse(backward.begin(), backward.end());
            QCOMPARE(WalkFocus(static_cast<int>(backward.size()), Qt::Key_Backtab), backward);
        }
    }

    // The arrow keys on an option button move the selection (and the focus)
    // as the model decides, every key from every button: to the nearest
    // button in the arrow's direction, and at the group's ends nowhere. Also
    // from a button that holds the focus unselected (pressed, and the mouse
    // let go off it): the key selects where it moves to.
    void arrow_keys_move_within_the_group_as_the_model_decides() {
        const std::pair<Qt::Key, form::Arrow> arrows[] = {{Qt::Key_Up, form::Arrow::Up},
                                                          {Qt::Key_Down, form::Arrow::Down},
                                                          {Qt::Key_Left, form::Arrow::Left},
                                                          {Qt::Key_Right, form::Arrow::Right}};
        int moves = 0, stops = 0;
        for (const bool pressedOff : {false, true}) {
            for (int from = 1; from <= 3; ++from) {
                for (const auto& [key, arrow] : arrows) {
                    WindowFixture f;
                    QRadioButton* option = f.option(from);
                    const QPoint inside(6, option->height() / 2);
                    if (pressedOff) {
                        QTest::mousePress(option, Qt::LeftButton, {}, inside);
                        QTest::mouseRelease(option, Qt::LeftButton, {}, QPoint(-40, -40));
                    } else {
                        QTest::mouseClick(option, Qt::LeftButton, {}, inside);
                    }
                    QCOMPARE(FocusName(), option->objectName());
                    const QString before = CheckedOption(f);
                    form::WindowModel model;
                    model.Select(form::FindControl(before.toStdString()));
                    const form::Answer answer = model.Key(form::FindControl(option->objectName().toStdString()), arrow);
                    const bool moved = answer.select;
                    const QString selected = moved ? QString::fromLatin1(answer.select->name) : before;
                    const QString focused = moved ? QString::fromLatin1(answer.focus->name) : option->objectName();
                    QTest::keyClick(option, key);
                    const QString what =
                        QStringLiteral("key %1 from %2 (%3)").arg(int(key), 0, 16).arg(option->objectName(), before);
                    QVERIFY2(CheckedOption(f) == selected, qPrintable(what + ": checked " + CheckedOption(f)));
                    QVERIFY2(FocusName() == focused, qPrintable(what + ": focused " + FocusName()));
                    // The window's model holds the selection: Tab out of the
                    // group and back enters it on the selected button.
                    WalkFocus(1, Qt::Key_Tab);
                    QVERIFY2(WalkFocus(1, Qt::Key_Backtab) == QStringList{selected}, qPrintable(what));
                    (moved ? moves : stops) += 1;
                }
            }
        }
        QVERIFY(moves >= 4 && stops >= 4);  // the table holds both kinds
    }

    // Down at the group's last button does not go round to the first.
    void arrows_stop_at_the_ends_of_the_group() {
        WindowFixture f;
        QTest::keyClick(f.option(1), Qt::Key_Up);
        QCOMPARE(CheckedOption(f), QStringLiteral("Option1"));
        QCOMPARE(FocusName(), QStringLiteral("Option1"));
        for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(CheckedOption(f), QStringLiteral("Option2"));
        QCOMPARE(FocusName(), QStringLiteral("Option2"));
    }

    void tab_enters_the_group_on_its_selected_button() {
        WindowFixture f;
        QTest::keyClick(f.option(1), Qt::Key_Down);  // selection moves with the focus
        QVERIFY(f.option(3)->isChecked());
        QCOMPARE(FocusName(), QStringLiteral("Option3"));
        QTest::keyClick(f.option(3), Qt::Key_Down);
        QVERIFY(f.option(2)->isChecked());
        QCOMPARE(WalkFocus(1, Qt::Key_Tab), QStringList{"Command1"});
        QCOMPARE(WalkFocus(1, Qt::Key_Backtab), QStringList{"Option2"});
        QCOMPARE(WalkFocus(2, Qt::Key_Backtab), (QStringList{"Command6", "Picture1"}));
    }

    // A field reached by Tab or Shift+Tab has its whole text selected, as
    // the model answers: a key typed then replaces what was there.
    void tab_into_a_field_selects_its_text() {
        const struct {
            const char* field;
            const char* from;
            Qt::Key key;
        } cases[] = {{"Text8", "Text7", Qt::Key_Tab},
                     {"Text8", "Command2", Qt::Key_Backtab},
                     {"Combo1", "Command1", Qt::Key_Tab}};
        for (const auto& c : cases) {
            WindowFixture f;
            QWidget* field = f.control<QWidget>(c.field);
            auto* combo = qobject_cast<QComboBox*>(field);
            QLineEdit* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(field);
            QTest::mouseClick(edit, Qt::LeftButton);
            edit->end(false);
            QTest::keyClicks(edit, "7");
            f.control<QWidget>(c.from)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), c.key,
                            c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(FocusName(), QString::fromLatin1(c.field));
            QTest::keyClicks(QApplication::focusWidget(), "8");
            QCOMPARE(edit->text(), QStringLiteral("8"));
        }
    }

    void picture_takes_the_focus_without_a_mark() {
        WindowFixture f;
        auto* picture = f.control<ui::PixelArt>("Picture1");
        picture->setFocus(Qt::TabFocusReason);
        QVERIFY(picture->hasFocus());
        const QImage unfocused = [&] {
            f.text(1)->setFocus();
            return picture->grab().toImage();
        }();
        picture->setFocus(Qt::TabFocusReason);
        QCOMPARE(picture->grab().toImage(), unfocused);
        QCOMPARE(picture->pictureSize(), QSize(32, 32));
    }

    // Run also at QT_SCALE_FACTOR 1.5 and 2: the arrow keeps crisp black
    // pixels on the face colour (no blurred greys), the window its proportions.
    void pictures_stay_sharp_and_the_window_keeps_its_proportions() {
        WindowFixture f;
        const qreal scale = f.window->devicePixelRatioF();
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
            QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
        const QImage window = f.window->grab().toImage();
        QCOMPARE(window.size(), (QSizeF(735, 456) * scale).toSize());

        const QImage picture = f.control("Picture1")->grab().toImage();
        QCOMPARE(picture.size(), (QSizeF(41, 33) * scale).toSize());
        const QRgb face = f.window->palette().color(QPalette::Window).rgb();
        int black = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y) | 0xFF000000;
                QVERIFY2(pixel == face || pixel == 0xFF000000,
                         qPrintable(QStringLiteral("blended pixel %1 at %2,%3").arg(pixel, 0, 16).arg(x).arg(y)));
                black += pixel == 0xFF000000;
            }
        QVERIFY(black > 200 * scale * scale);
    }

    void option_buttons_form_one_group_across_frames() {
        WindowFixture f;
        auto* frame2 = f.control("Frame2");
        const QRect frame2Rect(frame2->mapTo(f.window.get(), QPoint()), frame2->size());
        for (int n : {2, 3, 1, 2}) {
            QTest::mouseClick(f.option(n), Qt::LeftButton, {}, QPoint(6, f.option(n)->height() / 2));
            for (int other = 1; other <= 3; ++other) QCOMPARE(f.option(other)->isChecked(), other == n);
        }
        // They stand over the planting-system frame, yet belong to the input frame.
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(f.option(n)->parentWidget()->objectName(), QStringLiteral("Frame1"));
            QVERIFY(frame2Rect.intersects(QRect(f.option(n)->mapTo(f.window.get(), QPoint()), f.option(n)->size())));
            QVERIFY(frame2->parentWidget()->children().indexOf(f.option(n)) >
                    frame2->parentWidget()->children().indexOf(frame2));
        }
    }

    void every_control_stays_inside_its_container_and_the_client_area() {
        WindowFixture f;
        const QRect client(0, 0, ui::kClientWidthTwips / ui::kTwipsPerPixel,
                           ui::kClientHeightTwips / ui::kTwipsPerPixel);
        QHash<QString, QRect> placed;
        int count = 0;
        for (const ui::ControlRow& row : ui::WindowControls()) {
            QWidget* w = f.control(row.name);
            const QString container = w->parentWidget() == f.window.get() ? QString() : w->parentWidget()->objectName();
            QCOMPARE(container, QString::fromLatin1(row.container ? row.container : ""));
            QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), row.name);
            QVERIFY2(client.contains(QRect(w->mapTo(f.window.get(), QPoint()), w->size())), row.name);
            QVERIFY2(w->isVisible(), row.name);
            placed.insert(row.name, w->geometry());
            ++count;
        }
        QCOMPARE(count, 41);

        // Maximised, the window takes the screen's whole free area (larger
        // than the window at scale 1) and shows more face colour; nothing
        // moves. It allows that size itself: a desktop would keep a window
        // that does not at its own size.
        const QSize normal = f.window->size();
        f.window->showMaximized();
        const QSize free = f.window->screen()->availableGeometry().size();
        QVERIFY(free != normal);
        QTRY_COMPARE(f.window->frameGeometry().size(), free);
        const QSize grown = f.window->size();
        QCOMPARE(grown.boundedTo(f.window->maximumSize()).expandedTo(f.window->minimumSize()), grown);
        for (auto it = placed.cbegin(); it != placed.cend(); ++it)
            QCOMPARE(f.control(it.key().toLatin1().constData())->geometry(), it.value());
    }

    void both_kilogram_units_show_beside_their_fields() {
        WindowFixture f;
        for (const auto& [unit, field] : {std::pair{"Label6", 4}, std::pair{"Label8", 5}}) {
            const QRect unitRect = f.control(unit)->geometry();
            QVERIFY2(!unitRect.intersects(f.text(field)->geometry()), unit);
            QCOMPARE(unitRect.top(), f.text(field)->geometry().top());
        }
    }

    void no_caption_is_cut_off() {
        WindowFixture f;
        qInfo("face used: %s", qPrintable(QFontInfo(f.text(1)->font()).family()));
        for (const ui::ControlRow& row : ui::WindowControls()) {
            QWidget* w = f.control(row.name);
            const QFontMetrics metrics(w->font());
            QRect room;
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
                room = label->contentsRect();
                caption = label->text();
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(button);
                room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                caption = button->text();
            } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
                QStyleOptionButton option;
                option.initFrom(radio);
                room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
                caption = radio->text();
            } else if (auto* frame = qobject_cast<ui::FlatFrame*>(w)) {
                room = frame->rect().adjusted(0, 0, -8, 0);
                QVERIFY2(room.contains(frame->captionRect()), row.name);
                continue;
            } else {
                continue;
            }
            const QString what = QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
                                     .arg(row.name, caption)
                                     .arg(metrics.horizontalAdvance(caption))
                                     .arg(metrics.height())
                                     .arg(room.width())
                                     .arg(room.height());
            // A trailing blank ("Rectangular ") shows nothing that could be cut.
            QVERIFY2(metrics.horizontalAdvance(caption.trimmed()) <= room.width(), qPrintable(what));
            QVERIFY2(metrics.height() <= room.height() + 2, qPrintable(what));
        }
        // Every field shows a whole line of its text.
        for (int i = 1; i <= 10; ++i) QVERIFY(QFontMetrics(f.text(i)->font()).height() <= f.text(i)->height() - 4);
    }

    void fonts_keep_their_sizes_and_weights() {
        WindowFixture f;
        QCOMPARE(f.control("Frame1")->font().pointSizeF(), 9.75);
        QCOMPARE(f.control("Command2")->font().pointSizeF(), 9.75);
        QCOMPARE(f.control("Command2")->font().weight(), QFont::Bold);
        QCOMPARE(f.control("Label3")->font().pointSizeF(), 8.25);
        QCOMPARE(f.control("Label3")->font().weight(), QFont::Bold);
        QCOMPARE(f.text(1)->font().weight(), QFont::Normal);
        QCOMPARE(f.text(1)->font().family(), ui::ClassicFamily());
        QCOMPARE(f.control<QLabel>("Label15")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(f.control<QLabel>("Label13")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void fields_are_announced_by_their_labels() {
        WindowFixture f;
        const std::pair<const char*, const char*> named[] = {{"Text1", "Número de Hectáreas (Has)"},
                                                             {"Combo1", "Diámetro de tronco (pulg)"},
                                                             {"Text8", "Distancia (m)"},
                                                             {"Text9", "Largo (m)"},
                                                             {"Text10", "Ancho (m)"},
                                                             {"Text2", "No de árboles / Ha"},
                                                             {"Text7", "No. de Bultos a comprar"}};
        for (const auto& [field, label] : named) {
            QCOMPARE(f.control(field)->accessibleName(), QString::fromUtf8(label));
            // Linux screen readers take the name of an editable combo box
            // from its label relation; line edits report it as their name.
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(f.control(field));
            QVERIFY(accessible);
            QStringList labelledBy;
            for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
                labelledBy << other->text(QAccessible::Name);
            QVERIFY2(labelledBy.contains(QString::fromUtf8(label)), field);
            if (qstrcmp(field, "Combo1") != 0) QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(label));
        }
        for (int i = 1; i <= 10; ++i) QVERIFY(!f.text(i)->accessibleName().isEmpty());
    }

    // Screen readers hear each frame as a grouping named by its caption, and
    // the option buttons as members of "Sistema de Plantación"; the tree
    // they walk holds every control once, parent and child agreeing both ways.
    void screen_readers_hear_the_frames_and_the_option_group() {
        WindowFixture f;
        const auto accessible = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(f.control(name));
        };
        const auto members = [](QAccessibleInterface* in) {
            QStringList names;
            for (int i = 0; i < in->childCount(); ++i) names << in->child(i)->object()->objectName();
            return names;
        };
        for (const ui::ControlRow& row : ui::WindowControls()) {
            if (row.kind != ui::Kind::Frame) continue;
            QCOMPARE(accessible(row.name)->role(), QAccessible::Grouping);
            QCOMPARE(accessible(row.name)->text(QAccessible::Name), QString::fromUtf8(row.caption));
        }
        for (const char* name : {"Option1", "Option2", "Option3"}) {
            QAccessibleInterface* option = accessible(name);
            QCOMPARE(option->role(), QAccessible::RadioButton);
            QCOMPARE(option->text(QAccessible::Name), f.control<QRadioButton>(name)->text());
            QCOMPARE(option->state().checked, qstrcmp(name, "Option1") == 0);
            QCOMPARE(option->parent()->object(), f.control("Frame2"));
            QVERIFY(members(accessible("Frame2")).contains(QLatin1String(name)));
            QVERIFY(!members(accessible("Frame1")).contains(QLatin1String(name)));
            QVERIFY(f.control(name)->parentWidget() == f.control("Frame1"));  // the widgets stay put
        }
        accessible("Option3")->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(f.option(3)->isChecked());

        QSet<QObject*> reached;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* in) {
            for (int i = 0; i < in->childCount(); ++i) {
                QAccessibleInterface* child = in->child(i);
                QVERIFY(child && child->parent());
                QCOMPARE(child->parent()->object(), in->object());
                QCOMPARE(in->indexOfChild(child), i);
                QVERIFY2(!reached.contains(child->object()), qPrintable(child->object()->objectName()));
                reached.insert(child->object());
                if (qobject_cast<ui::FlatFrame*>(child->object())) walk(child);
            }
        };
        walk(QAccessible::queryAccessibleInterface(f.window.get()));
        for (const ui::ControlRow& row : ui::WindowControls())
            QVERIFY2(reached.contains(f.control(row.name)), row.name);
    }

    void fields_take_any_length_of_text() {
        WindowFixture f;
        const QString huge(100'000, QLatin1Char('7'));
        for (int i = 1; i <= 10; ++i) {
            f.text(i)->setText(huge);
            QCOMPARE(f.text(i)->text().size(), huge.size());
        }
        f.combo()->setEditText(huge);
        QCOMPARE(f.combo()->currentText().size(), huge.size());
        // Typed (pasted) text is not cut at Qt's usual 32767 characters either.
        f.text(1)->clear();
        f.text(1)->insert(huge);
        QCOMPARE(f.text(1)->text().size(), huge.size());
    }

    void typed_diameter_and_result_text_stay_as_typed() {
        WindowFixture f;
        for (const QString& typed : {QStringLiteral("2.5"), QStringLiteral("20"), QStringLiteral("1")}) {
            f.type(f.combo(), typed);
            QCOMPARE(f.combo()->currentText(), typed);
            QTest::keyClick(f.combo(), Qt::Key_Return);
            QCOMPARE(f.combo()->currentText(), typed);
            QCOMPARE(f.combo()->count(), 17);
        }
        f.type(f.text(3), QStringLiteral("escrito a mano"));
        QCOMPARE(f.text(3)->text(), QStringLiteral("escrito a mano"));
    }

    // The wheel turns the diameter list only while the list has the focus;
    // otherwise the list leaves it (ignored, so Qt passes a real wheel on to
    // the frame beneath) and the focus stays where it was. A real wheel over
    // the list is turned in the real-window test.
    void wheel_turns_the_diameter_only_with_the_focus() {
        const struct {
            const char* name;
            bool focused;
            QString text;  // shown after one notch down
        } cases[] = {{"unfocused_list_keeps_its_diameter", false, QStringLiteral("3")},
                     {"focused_list_turns", true, QStringLiteral("4")}};
        for (const auto& c : cases) {
            WindowFixture f;
            f.combo()->setCurrentIndex(0);
            if (c.focused) f.combo()->setFocus();
            QWidget* focusBefore = QApplication::focusWidget();
            const QPoint at = f.combo()->rect().center();
            QWheelEvent wheel(at, f.combo()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.combo(), &wheel);
            QVERIFY2(f.combo()->currentText() == c.text, c.name);
            QCOMPARE(wheel.isAccepted(), c.focused);
            QCOMPARE(QApplication::focusWidget(), focusBefore);
            // A real wheel gives the focus only to a control whose policy has the wheel bit.
            QCOMPARE(f.combo()->focusPolicy() & Qt::WheelFocus, Qt::StrongFocus);
        }
    }

    void enter_and_escape_in_a_field_click_nothing() {
        WindowFixture f;
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
            spies.push_back(std::make_unique<QSignalSpy>(f.control<QPushButton>(name), &QPushButton::clicked));
        for (QWidget* field :
             {static_cast<QWidget*>(f.text(1)), static_cast<QWidget*>(f.text(8)), static_cast<QWidget*>(f.combo())}) {
            field->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(field, key);
        }
        for (const auto& spy : spies) QCOMPARE(spy->count(), 0);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.boxes.empty());
    }

    void focused_button_is_clicked_by_space_and_enter() {
        WindowFixture f;
        auto* help = f.control<QPushButton>("Command5");
        QSignalSpy clicked(help, &QPushButton::clicked);
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Space);
        QTest::keyClick(help, Qt::Key_Return);
        QCOMPARE(clicked.count(), 2);
    }
};

RURO_WINDOW_TEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
