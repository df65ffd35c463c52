#include "setup_form.h"

#include "centre_form.h"
#include "design.h"
#include "quest_form.h"
#include "quiz_rules.h"
#include "random_source.h"
#include "shell/app_windows.h"
#include "shell/welcome_form.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace examdeck {

setup_form::setup_form(forms::program& owner) : designed_form(owner, QStringLiteral("pick_a_quiz"))
{
}

QWidget* setup_form::build()
{
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setWindowTitle(QStringLiteral("Start the QUIZ"));
    w->setFont(forms::default_window_font());
    forms::set_inner_size(w, 7410, 2955, false);
    auto* layout = new forms::twips_layout(w, {7410, 2955});
    auto c = std::make_unique<controls>();
    auto named = [](auto* control, const char* name) {
        control->setObjectName(QString::fromLatin1(name));
        return control;
    };

    c->Frame1 =
        named(layout->place(new QGroupBox(QStringLiteral("Which Quiz"), w), 120, 120, 2295, 2775),
              "Frame1");
    const char* quiz_names[] = {"which_quiz_1", "which_quiz_2", "which_quiz_3", "which_quiz_4"};
    for (int i = 1; i <= 4; ++i) {
        auto* option = new QRadioButton(QStringLiteral("Quiz #%1").arg(i), c->Frame1);
        layout->place(option, 120, 360 + 600 * (i - 1), i == 4 ? 1455 : 1335, 375);
        option->setFont(forms::design_font("MS Sans Serif", 12, true));
        c->which_quiz(i) = named(option, quiz_names[i - 1]);
    }
    c->which_quiz(1)->setChecked(true);

    c->Frame2 = named(layout->place(new QGroupBox(QStringLiteral("Show Correct Answer:"), w), 2520,
                                    120, 2055, 1335),
                      "Frame2");
    c->Label1 = named(
        layout->place(new QLabel(QStringLiteral("when I Answer:"), c->Frame2), 120, 240, 1575, 375),
        "Label1");
    c->answer_when_wrong = named(
        layout->place(new QCheckBox(QStringLiteral("WRONG "), c->Frame2), 120, 480, 1095, 375),
        "answer_when_wrong");
    c->answer_when_wrong->setChecked(true);
    c->answer_when_right =
        named(layout->place(new QCheckBox(QStringLiteral("RIGHT"), c->Frame2), 120, 840, 1335, 375),
              "answer_when_right");

    c->Frame3 =
        named(layout->place(new QGroupBox(QStringLiteral("Randomize"), w), 2520, 1560, 2055, 1095),
              "Frame3");
    c->random_questions = named(
        layout->place(new QCheckBox(QStringLiteral("Questions"), c->Frame3), 120, 240, 1095, 375),
        "random_questions");
    c->random_questions->setChecked(true);
    c->random_answers = named(
        layout->place(new QCheckBox(QStringLiteral("Answers"), c->Frame3), 120, 600, 1095, 375),
        "random_answers");
    c->random_answers->setChecked(true);

    c->Command1 = named(
        layout->place(new QPushButton(QStringLiteral("Start the Quiz"), w), 5040, 1200, 2175, 495),
        "Command1");
    c->Command1->setFont(forms::design_font("MS Sans Serif", 12, true));
    c->Command1->setAutoDefault(true);

    forms::set_tab_order({c->which_quiz(1), c->which_quiz(2), c->which_quiz(3), c->which_quiz(4),
                          c->answer_when_wrong, c->answer_when_right, c->random_questions,
                          c->random_answers, c->Command1});

    connect(c->Command1, &QPushButton::clicked, this, &setup_form::Command1_Click);
    ui_ = std::move(c);
    return w;
}

void setup_form::load_procedure()
{
    randomize();
}

void setup_form::unload_procedure()
{
    windows().Welcome->close();
}

void setup_form::Command1_Click()
{
    randomize();
    ui();
    loaded_window()->setCursor(Qt::WaitCursor);
    for (int i = 1; i <= 4; ++i)
        if (ui_->which_quiz(i)->isChecked())
            quiz_state.chosen_quiz = static_cast<int16>(i);
    quiz_state.show_when_right = 0;
    quiz_state.show_when_wrong = 0;
    quiz_state.shuffle_questions = 0;
    quiz_state.shuffle_answers = 0;
    quiz_state.right_count = 0;
    if (ui_->answer_when_right->isChecked())
        quiz_state.show_when_right = 1;
    if (ui_->answer_when_wrong->isChecked())
        quiz_state.show_when_wrong = 1;
    if (ui_->random_questions->isChecked())
        quiz_state.shuffle_questions = 1;
    if (ui_->random_answers->isChecked())
        quiz_state.shuffle_answers = 1;

    // Closing the start window closes this window too; the procedure goes on.
    windows().Welcome->close();

    quest_form& quest = *windows().quest;
    quest.show();
    centre_form(quest);
    quest.loaded_window()->repaint();

    const int count = quiz_state.questions_per_quiz;
    for (int i = 1; i <= count; ++i)
        quiz_state.question_order(i) = static_cast<int16>(i);
    if (quiz_state.shuffle_questions == 1)
        shuffle_question_order(quiz_state.question_order, count, random_float);

    quiz_state.quiz_number = quiz_state.chosen_quiz;
    quiz_state.current_index = 0;
    quiz_state.question_count = 0;
    quiz_state.right_count = 0;
    quest.show_quest();

    // This window was closed above: this use loads it again, hidden, with
    // its design defaults.
    ui();
    loaded_window()->unsetCursor();
    hide();
}

} // namespace examdeck
