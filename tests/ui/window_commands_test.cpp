// The six commands as the user runs them: "Calcular" for each planting
// system, its refusals, "Reset", the three boxes and "Salir".
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

#include "WindowFixture.h"

using testing_ui::WindowFixture;

namespace {

struct Plantation {
    const char* name;
    int option;  // 1 square, 2 rectangular, 3 triangular
    const char* hectares;
    const char* distance;
    const char* length;
    const char* width;
    const char* diameter;
};

const Plantation kPlantations[] = {
    {"square", 1, "10", "7", "0", "0", "3"},
    {"rectangular", 2, "10", "0", "10", "8", "3"},
    {"triangular", 3, "10", "7", "0", "0", "3"},
    {"rectangular_typed_diameter", 2, "2.5", "0", "12", "12", "19"},
    {"square_picked_diameter", 1, "1", "3", "0", "0", "19"},
    // The spacing fields of the other system hold nonsense and are not read.
    {"square_ignores_length_and_width", 1, "10", "7", "abc", "", "3"},
    {"rectangular_ignores_distance", 2, "10", "", "10", "8", "3"},
};

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What the window's model answers to `button` after the user entered `p`.
struct Typed : form::FieldTexts {
    const Plantation& p;
    explicit Typed(const Plantation& plantation) : p(plantation) {}
    std::string Text(const form::ControlRow& control) const override {
        const std::pair<int, const char*> typed[] = {{form::kHectaresField, p.hectares},
                                                     {form::kDistanceField, p.distance},
                                                     {form::kLengthField, p.length},
                                                     {form::kWidthField, p.width}};
        for (const auto& [field, text] : typed)
            if (&control == form::FieldRow(field)) return text;
        return std::string_view(control.name) == "Combo1" ? p.diameter : "";
    }
};

form::Answer ModelAnswer(const Plantation& p, const char* button, const QLocale& locale = QLocale()) {
    form::WindowModel model;
    model.Select(form::FindControl("Option" + std::to_string(p.option)));
    return model.Press(form::FindControl(button), Typed(p), locale.decimalPoint().toStdString());
}

// The six results as the model writes them.
QStringList ModelResults(const form::Answer& answer) {
    QStringList shown;
    for (const auto& [row, text] : answer.writes)
        for (int i = 0; i < 6; ++i)
            if (row == form::FieldRow(form::kFirstResultField + i)) shown << QString::fromStdString(text);
    return shown;
}

void Enter(const WindowFixture& f, const Plantation& p) {
    QTest::mouseClick(f.option(p.option), Qt::LeftButton, {}, QPoint(6, f.option(p.option)->height() / 2));
    f.type(f.text(1), QString::fromUtf8(p.hectares));
    f.type(f.text(8), QString::fromUtf8(p.distance));
    f.type(f.text(9), QString::fromUtf8(p.length));
    f.type(f.text(10), QString::fromUtf8(p.width));
    f.type(f.combo(), QString::fromUtf8(p.diameter));
}

QStringList Results(const WindowFixture& f) {
    QStringList shown;
    for (int i = 2; i <= 7; ++i) shown << f.text(i)->text();
    return shown;
}

QStringList AllTexts(const WindowFixture& f) {
    QStringList texts;
    for (int i = 1; i <= 10; ++i) texts << f.text(i)->text();
    texts << f.combo()->currentText();
    return texts;
}

// Where the field draws its cursor, after the field's horizontal scrolling.
int CursorLeft(QLineEdit* field) { return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(); }

// The field with a text that fits, its cursor at the start, painted.
void ShowShortText(QLineEdit* field) {
    field->setText(QStringLiteral("0"));
    field->setCursorPosition(0);
    field->grab();
}

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void calcular_fills_the_results_and_leaves_the_inputs() {
        for (const Plantation& p : kPlantations) {
            WindowFixture f;
            Enter(f, p);
            const QStringList before = AllTexts(f);
            f.click("Command2");
            QVERIFY2(f.boxes.empty(), p.name);
            const QStringList shown = ModelResults(ModelAnswer(p, "Command2"));
            QCOMPARE(shown.size(), 6);
            QCOMPARE(Results(f), shown);
            // Inputs, selection and list stay; a second click writes the same.
            QCOMPARE(AllTexts(f).mid(7), before.mid(7));
            QCOMPARE(f.text(1)->text(), before[0]);
            QVERIFY(f.option(p.option)->isChecked());
            f.click("Command2");
            QCOMPARE(Results(f), shown);
        }
    }

    // The model is asked with the separator of the user's locale.
    void calcular_shows_the_locale_separator() {
        const std::pair<QLocale, const char*> cases[] = {
            {QLocale(QLocale::Spanish, QLocale::Spain), "0,48"},
            {QLocale(QLocale::Spanish, QLocale::Mexico), "0.48"},
            {QLocale(QLocale::English, QLocale::UnitedStates), "0.48"},
        };
        for (const auto& [locale, dose] : cases) {
            QLocale::setDefault(locale);
            WindowFixture f;
            Enter(f, kPlantations[1]);
            f.click("Command2");
            QCOMPARE(Results(f), ModelResults(ModelAnswer(kPlantations[1], "Command2", locale)));
            QCOMPARE(Results(f)[2], QString::fromLatin1(dose));
        }
    }

    void calcular_refuses_a_zero_spacing_keeps_the_inputs_and_empties_the_results() {
        struct Refusal {
            int option;
            const char* distance;
            const char* length;
            const char* width;
        };
        const Refusal refusals[] = {{1, "0", "10", "8"},         {3, "", "10", "8"},     {2, "7", "0", "8"},
                                    {2, "7", "10", "x"},         {1, "1e400", "0", "0"}, {1, "1e-200", "0", "0"},
                                    {2, "7", "1e-200", "1e-200"}};
        for (const Refusal& r : refusals) {
            WindowFixture f;
            Enter(f, kPlantations[0]);
            f.click("Command2");  // a calculation whose results must not stay beside the new inputs
            const Plantation entered{"", r.option, "10", r.distance, r.length, r.width, "3"};
            Enter(f, entered);
            QStringList expected = AllTexts(f);
            for (int i = 1; i <= 6; ++i) expected[i] = QString();
            f.boxes.clear();
            f.click("Command2");
            QCOMPARE(AllTexts(f), expected);
            QCOMPARE(f.boxes.size(), std::size_t{1});
            const form::Answer answer = ModelAnswer(entered, "Command2");
            QVERIFY(answer.box);
            QCOMPARE(f.boxes[0].title, FromView(answer.box->title));
            QCOMPARE(f.boxes[0].text, FromView(answer.box->message));
        }
    }

    void reset_then_calcular_is_refused_not_divided_by_zero() {
        WindowFixture f;
        f.type(f.text(1), QStringLiteral("10"));
        f.type(f.text(8), QStringLiteral("7"));
        f.click("Command2");
        f.click("Command3");
        f.click("Command2");
        QCOMPARE(f.boxes.size(), std::size_t{1});
        for (int i : {1, 8, 9, 10}) QCOMPARE(f.text(i)->text(), QStringLiteral("0"));
        for (int i = 2; i <= 7; ++i) QCOMPARE(f.text(i)->text(), QString());
    }

    void the_refusal_box_is_a_plain_information_box() {
        WindowFixture f;
        f.type(f.text(8), QString());
        f.click("Command2");
        QCOMPARE(f.boxes.size(), std::size_t{1});
        const testing_ui::Box seen = f.boxes[0];
        const form::Answer answer = ModelAnswer({"", 1, "0", "", "0", "0", "3"}, "Command2");
        QVERIFY(answer.box);
        QCOMPARE(seen.title, FromView(answer.box->title));
        QCOMPARE(seen.text, FromView(answer.box->message));
        QVERIFY(!seen.hasIcon);
        QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
        QCOMPARE(f.text(8)->text(), QString());
    }

    void reset_zeros_every_field_and_keeps_diameter_and_system() {
        WindowFixture f;
        Enter(f, kPlantations[3]);
        f.click("Command2");
        f.type(f.text(5), QStringLiteral("tecleado"));
        f.click("Command3");
        for (int i = 1; i <= 10; ++i) QCOMPARE(f.text(i)->text(), QStringLiteral("0"));
        QCOMPARE(f.combo()->currentText(), QStringLiteral("19"));
        QVERIFY(f.option(2)->isChecked());
        QVERIFY(f.boxes.empty());
    }

    // A result wider than its field is read from its first digit: the field
    // shows its start, not its end (a cut-off end reads as a wrong figure).
    void results_wider_than_their_field_show_their_first_digits() {
        const Plantation wide[] = {
            {"many_hectares_tight_square", 1, "1234.5", "1.3", "0", "0", "19"},
            {"exponent_forms", 3, "1e15", "0.001", "0", "0", "19"},
        };
        for (const Plantation& p : wide) {
            WindowFixture f;
            Enter(f, p);
            f.click("Command2");
            int wider = 0;
            for (int i = 2; i <= 7; ++i) {
                QLineEdit* result = f.text(i);
                wider += result->fontMetrics().horizontalAdvance(result->text()) > result->contentsRect().width();
                QCOMPARE(result->cursorPosition(), 0);
                // Once painted, the cursor (at the first character) stands
                // where it does in a short text: nothing scrolled out at left.
                result->grab();
                const int shownAt = CursorLeft(result);
                const QString text = result->text();
                ShowShortText(result);
                QCOMPARE(shownAt, CursorLeft(result));
                result->setText(text);
            }
            QVERIFY2(wider >= 1, p.name);  // the row proves something
        }
        // Reset's zeros too, after a long text was typed in.
        WindowFixture f;
        f.type(f.text(1), QString(40, QLatin1Char('9')));
        f.click("Command3");
        for (int i = 1; i <= 10; ++i) QCOMPARE(f.text(i)->cursorPosition(), 0);
    }

    // Each information button opens the model's box as a real box: its
    // title and message, no icon, one "Aceptar"; the window stays as it was.
    void information_boxes_show_the_models_boxes() {
        WindowFixture f;
        const QStringList before = AllTexts(f);
        form::WindowModel model;
        const Plantation nothing{};
        for (int round = 0; round < 2; ++round) {
            for (const char* button : {"Command4", "Command5", "Command6"}) {
                const form::Answer answer = model.Press(form::FindControl(button), Typed(nothing), ".");
                QVERIFY2(answer.box, button);
                f.boxes.clear();
                f.click(button);
                QCOMPARE(f.boxes.size(), std::size_t{1});
                const testing_ui::Box seen = f.boxes[0];
                QCOMPARE(seen.title, FromView(answer.box->title));
                QCOMPARE(seen.text, FromView(answer.box->message));
                QVERIFY(!seen.hasIcon);
                QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
            }
        }
        QCOMPARE(AllTexts(f), before);
    }

    void credit_labels_name_the_same_authors_as_the_about_box() {
        WindowFixture f;
        f.click("Command4");
        const QString about = f.boxes.at(0).text;
        const QString first = f.control<QLabel>("Label16")->text().section(QStringLiteral("  "), 1);
        const QString second = f.control<QLabel>("Label14")->text().mid(4);
        QVERIFY(f.control<QLabel>("Label16")->text().startsWith(QStringLiteral("Programa por:  ")));
        QVERIFY(f.control<QLabel>("Label14")->text().startsWith(QStringLiteral("  y ")));
        QVERIFY2(about.contains(first) && about.contains(second), qPrintable(about));
    }

    void context_menus_are_in_spanish() {
        WindowFixture f;
        std::unique_ptr<QMenu> menu(f.text(1)->createStandardContextMenu());
        QStringList items;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                items << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const char* spanish : {"Deshacer", "Cortar", "Copiar", "Pegar", "Seleccionar todo"})
            QVERIFY2(items.contains(QString::fromUtf8(spanish)), qPrintable(items.join(QLatin1String(", "))));
    }

    void salir_closes_the_window_at_once() {
        WindowFixture f;
        f.type(f.text(1), QStringLiteral("10"));
        // Closing the last window ends the event loop, and so the program
        // (exit status 0: checked on the real program under Xvfb).
        struct CloseCounter : QObject {
            int closes = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                closes += event->type() == QEvent::Close;
                return false;
            }
        } counter;
        f.window->installEventFilter(&counter);
        f.click("Command1");
        QCOMPARE(counter.closes, 1);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(f.boxes.empty());
    }
};

RURO_WINDOW_TEST_MAIN(WindowCommandsTest)
#include "window_commands_test.moc"
