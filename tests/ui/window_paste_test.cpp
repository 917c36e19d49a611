// Pastes and drops into the fields: what keeps a field within
// form::kLongestPastedField bytes of UTF-8 is taken, anything longer is
// refused with a box and leaves the field exactly as it was, whichever way it
// comes; and a field holding a long text keeps its cursor steady.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>

#include "Field.h"
#include "WindowFixture.h"
#include "form/window.h"

using testing_ui::WindowFixture;

namespace {

constexpr qsizetype kLimit = static_cast<qsizetype>(form::kLongestPastedField);

enum class Way { CtrlV, ShiftInsert, MenuPegar, Drop, InputMethod };

// Puts `text` into `field` as the user would, the clipboard holding it.
void Paste(QLineEdit* field, QWidget* keysTo, Way way, const QString& text) {
    QApplication::clipboard()->setText(text);
    switch (way) {
        case Way::CtrlV: QTest::keyClick(keysTo, Qt::Key_V, Qt::ControlModifier); break;
        case Way::ShiftInsert: QTest::keyClick(keysTo, Qt::Key_Insert, Qt::ShiftModifier); break;
        case Way::MenuPegar: {
            QContextMenuEvent open(QContextMenuEvent::Mouse, field->rect().center(),
                                   field->mapToGlobal(field->rect().center()));
            QApplication::sendEvent(field, &open);
            auto* menu = field->findChild<QMenu*>(QStringLiteral("qt_edit_menu"));
            QVERIFY(menu);
            const QList<QAction*> actions = menu->actions();
            const auto pegar = std::find_if(actions.begin(), actions.end(), [](QAction* a) {
                return a->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Pegar"));
            });
            QVERIFY(pegar != actions.end());
            (*pegar)->trigger();
            menu->close();
            delete menu;
            break;
        }
        case Way::Drop: {
            QMimeData data;
            data.setText(text);
            const QPoint at = field->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field, &drop);
            QCoreApplication::processEvents();  // the refusal is said once the drop is over
            break;
        }
        case Way::InputMethod: {  // a keyboard's suggestion or dictation, no clipboard
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(keysTo, &commit);
            break;
        }
    }
}

}  // namespace

class WindowPasteTest : public QObject {
    Q_OBJECT

private slots:
    void pastes_beyond_the_size_are_refused_and_change_nothing() {
        const struct {
            const char* name;
            Way way;
            bool combo;      // into the diameter list's text instead of Text1
            bool selectAll;  // the paste replaces the field's whole text
            QString pasted;
            bool taken;
        } cases[] = {
            {"ctrl_v_up_to_the_size", Way::CtrlV, false, true, QString(kLimit, '7'), true},
            {"ctrl_v_one_byte_more", Way::CtrlV, false, true, QString(kLimit + 1, '7'), false},
            {"ctrl_v_added_to_the_text_there", Way::CtrlV, false, false, QString(kLimit, '7'), false},
            {"shift_insert_one_byte_more", Way::ShiftInsert, false, true, QString(kLimit + 1, '7'), false},
            {"menu_pegar_up_to_the_size", Way::MenuPegar, false, true, QString(kLimit, '7'), true},
            {"menu_pegar_one_byte_more", Way::MenuPegar, false, true, QString(kLimit + 1, '7'), false},
            {"drop_up_to_the_size_beside_the_zero", Way::Drop, false, false, QString(kLimit - 1, '7'), true},
            {"drop_one_byte_more", Way::Drop, false, false, QString(kLimit, '7'), false},
            {"diameter_ctrl_v_one_byte_more", Way::CtrlV, true, true, QString(kLimit + 1, '7'), false},
            {"input_method_up_to_the_size", Way::InputMethod, false, true, QString(kLimit, '7'), true},
            {"input_method_one_byte_more", Way::InputMethod, false, true, QString(kLimit + 1, '7'), false},
            {"diameter_input_method_one_byte_more", Way::InputMethod, true, true, QString(kLimit + 1, '7'), false},
        };
        for (const auto& c : cases) {
            WindowFixture f;
            QLineEdit* field = c.combo ? f.combo()->lineEdit() : f.text(1);
            QWidget* keysTo = c.combo ? static_cast<QWidget*>(f.combo()) : field;
            keysTo->setFocus();
            if (c.selectAll)
                field->selectAll();
            else
                field->end(false);
            const QString before = field->text();
            Paste(field, keysTo, c.way, c.pasted);
            if (c.taken) {
                QVERIFY2(f.boxes.empty(), c.name);
                QVERIFY2(field->text() == (c.selectAll ? c.pasted : before + c.pasted), c.name);
            } else {
                QVERIFY2(field->text() == before, c.name);
                QVERIFY2(f.boxes.size() == 1, c.name);
                // The box the window's model gives, naming the limit.
                const form::Box box = form::kPasteRefusalBox;
                QCOMPARE(f.boxes[0].title,
                         QString::fromUtf8(box.title.data(), static_cast<qsizetype>(box.title.size())));
                QCOMPARE(f.boxes[0].text,
                         QString::fromUtf8(box.message.data(), static_cast<qsizetype>(box.message.size())));
            }
        }
    }

    // Every repaint of a long text lays it all out again: while a long text
    // has the focus the cursor stands still, and blinks again after.
    void a_long_text_keeps_the_cursor_steady_while_focused() {
        WindowFixture f;
        const int blinking = QApplication::cursorFlashTime();
        QVERIFY(blinking > 0);
        f.text(1)->setFocus();
        f.text(1)->setText(QString(ui::Field::kSteadyCursorLength + 1, '7'));
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        f.text(2)->setFocus();  // a short text blinks
        QCOMPARE(QApplication::cursorFlashTime(), blinking);
        f.text(1)->setFocus();
        QCOMPARE(QApplication::cursorFlashTime(), 0);
        QTest::keyClick(f.text(1), Qt::Key_Backspace);  // down to the length that still blinks
        QCOMPARE(QApplication::cursorFlashTime(), blinking);
    }
};

RURO_WINDOW_TEST_MAIN(WindowPasteTest)
#include "window_paste_test.moc"
