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
    auto* w =
        forms::design_window(QStringLiteral("Start the QUIZ"), 7410, 2955, forms::border::sizable);
    auto* layout = new forms::twips_layout(w, {7410, 2955});
    auto c = std::make_unique<controls>();

    c->Frame1 = layout->place(new QGroupBox(QStringLiteral("Which Quiz"), w),
                              QStringLiteral("Frame1"), 120, 120, 2295, 2775);
    for (int i = 1; i <= 4; ++i) {
        auto* option = layout->place(new QRadioButton(QStringLiteral("Quiz #%1").arg(i), c->Frame1),
                                     QStringLiteral("which_quiz_%1").arg(i), 120,
                                     360 + 600 * (i - 1), i == 4 ? 1455 : 1335, 375);
        option->setFont(forms::design_font("MS Sans Serif", 12, true));
        c->which_quiz(i) = option;
    }
    c->which_quiz(1)->setChecked(true);

    c->Frame2 = layout->place(new QGroupBox(QStringLiteral("Show Correct Answer:"), w),
                              QStringLiteral("Frame2"), 2520, 120, 2055, 1335);
    c->Label1 = layout->place(new QLabel(QStringLiteral("when I Answer:"), c->Frame2),
                              QStringLiteral("Label1"), 120, 240, 1575, 375);
    c->answer_when_wrong = layout->place(new QCheckBox(QStringLiteral("WRONG "), c->Frame2),
                                         QStringLiteral("answer_when_wrong"), 120, 480, 1095, 375);
    c->answer_when_wrong->setChecked(true);
    c->answer_when_right = layout->place(new QCheckBox(QStringLiteral("RIGHT"), c->Frame2),
                                         QStringLiteral("answer_when_right"), 120, 840, 1335, 375);

    c->Frame3 = layout->place(new QGroupBox(QStringLiteral("Randomize"), w),
                              QStringLiteral("Frame3"), 2520, 1560, 2055, 1095);
    c->random_questions = layout->place(new QCheckBox(QStringLiteral("Questions"), c->Frame3),
                                        QStringLiteral("random_questions"), 120, 240, 1095, 375);
    c->random_questions->setChecked(true);
    c->random_answers = layout->place(new QCheckBox(QStringLiteral("Answers"), c->Frame3),
                                      QStringLiteral("random_answers"), 120, 600, 1095, 375);
    c->random_answers->setChecked(true);

    c->Command1 = layout->place(new QPushButton(QStringLiteral("Start the Quiz"), w),
                                QStringLiteral("Command1"), 5040, 1200, 2175, 495);
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
