// The start window and the setup window, through the real windows.

#include "centre_form.h"
#include "design.h"
#include "harness.h"
#include "quiz_rules.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include <set>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

QPoint centred_on_screen(QWidget* w)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = w->frameGeometry().size();
    return {forms::to_pixels(centred_position(screen.width() * 15.0f, outer.width() * 15.0f, 0)),
            forms::to_pixels(centred_position(screen.height() * 15.0f, outer.height() * 15.0f, 0))};
}

void expect_start_window_as_after_start_up(program_run& run)
{
    const forms::form& welcome = run.the_app().Welcome;
    ASSERT_TRUE(welcome.is_loaded());
    QWidget* w = welcome.loaded_window();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvex Quiz 1.3"));
    EXPECT_EQ(control<QLineEdit>(welcome, QStringLiteral("test_name"))->text(),
              QStringLiteral("Korvex Quiz 1.3"));
    EXPECT_EQ(control<QLineEdit>(welcome, QStringLiteral("author_name2"))->text(), bank_author);
    EXPECT_EQ(w->focusWidget(), control(welcome, QStringLiteral("Start_Quiz")));
    EXPECT_EQ(w->frameGeometry().topLeft(), centred_on_screen(w));
    EXPECT_EQ(quiz_state.questions_per_quiz, 57);
}

} // namespace

TEST(start_window, comes_up_centred_with_title_author_and_focus_on_agree)
{
    program_run run;
    expect_start_window_as_after_start_up(run);
    const forms::form& welcome = run.the_app().Welcome;
    EXPECT_EQ(welcome.loaded_window()->size(), QSize(613, 403));
    EXPECT_EQ(control(welcome, QStringLiteral("Start_Quiz"))->geometry(), QRect(336, 312, 145, 41));
    EXPECT_EQ(control<QPushButton>(welcome, QStringLiteral("Command1"))->text(),
              QStringLiteral("Exit"));
    EXPECT_EQ(control<QLabel>(welcome, QStringLiteral("lblLabels_2"))->text(),
              QStringLiteral("Written By"));
    const QString agreement =
        control<QPlainTextEdit>(welcome, QStringLiteral("test_description"))->toPlainText();
    EXPECT_GT(agreement.size(), 6000);
    // None of the three text boxes is locked.
    EXPECT_FALSE(control<QLineEdit>(welcome, QStringLiteral("test_name"))->isReadOnly());
    EXPECT_FALSE(control<QLineEdit>(welcome, QStringLiteral("author_name2"))->isReadOnly());
    EXPECT_FALSE(
        control<QPlainTextEdit>(welcome, QStringLiteral("test_description"))->isReadOnly());
    EXPECT_FALSE(run.the_app().pick_a_quiz.is_loaded());
    EXPECT_FALSE(run.the_app().quest.is_loaded());
}

TEST(start_window, exit_ends_the_program_without_unload_procedures)
{
    program_run run;
    run.agree(); // the setup window is loaded; its unload would close things
    click(control(run.the_app().Welcome, QStringLiteral("Command1")));
    EXPECT_TRUE(run.ended());
    EXPECT_FALSE(run.the_app().Welcome.is_loaded());
    EXPECT_FALSE(run.the_app().pick_a_quiz.is_loaded());
}

TEST(start_window, its_close_box_ends_the_program)
{
    program_run run;
    close_from_title_bar(run.the_app().Welcome.loaded_window());
    EXPECT_FALSE(run.the_app().Welcome.is_loaded());
    EXPECT_FALSE(run.ended());
    settle();
    EXPECT_TRUE(run.ended());
}

TEST(setup_window, agree_shows_it_centred_with_defaults_and_hides_the_start_window)
{
    program_run run;
    run.agree();
    const forms::form& setup = run.the_app().pick_a_quiz;
    ASSERT_TRUE(setup.is_loaded());
    QWidget* w = setup.loaded_window();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Start the QUIZ"));
    EXPECT_EQ(w->frameGeometry().topLeft(), centred_on_screen(w));
    EXPECT_EQ(w->focusWidget(), control(setup, QStringLiteral("Command1")));
    EXPECT_TRUE(control<QRadioButton>(setup, QStringLiteral("which_quiz_1"))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(setup, QStringLiteral("answer_when_wrong"))->isChecked());
    EXPECT_EQ(control<QCheckBox>(setup, QStringLiteral("answer_when_wrong"))->text(),
              QStringLiteral("WRONG "));
    EXPECT_FALSE(control<QCheckBox>(setup, QStringLiteral("answer_when_right"))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(setup, QStringLiteral("random_questions"))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(setup, QStringLiteral("random_answers"))->isChecked());
    EXPECT_TRUE(run.the_app().Welcome.is_loaded());
    EXPECT_FALSE(run.the_app().Welcome.loaded_window()->isVisible());
}

TEST(setup_window, options_form_one_group_of_quizzes)
{
    program_run run;
    run.agree();
    const forms::form& setup = run.the_app().pick_a_quiz;
    click(control(setup, QStringLiteral("which_quiz_3")));
    int selected = 0;
    for (int i = 1; i <= 4; ++i)
        selected +=
            control<QRadioButton>(setup, QStringLiteral("which_quiz_%1").arg(i))->isChecked();
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(control<QRadioButton>(setup, QStringLiteral("which_quiz_3"))->isChecked());
}

TEST(setup_window, its_close_box_closes_the_hidden_start_window_and_ends_the_program)
{
    program_run run;
    run.agree();
    close_from_title_bar(run.the_app().pick_a_quiz.loaded_window());
    EXPECT_FALSE(run.the_app().Welcome.is_loaded());
    settle();
    EXPECT_TRUE(run.ended());
}

TEST(setup_window, controls_follow_its_size)
{
    program_run run;
    run.agree();
    QWidget* w = run.the_app().pick_a_quiz.loaded_window();
    QWidget* start = control(run.the_app().pick_a_quiz, QStringLiteral("Command1"));
    const QRect before = start->geometry();
    w->resize(w->width() * 2, w->height() * 2);
    EXPECT_NEAR(start->x(), before.x() * 2, 1);
    EXPECT_NEAR(start->width(), before.width() * 2, 2);
}

class start_the_quiz : public ::testing::TestWithParam<int> {};

TEST_P(start_the_quiz, takes_the_options_and_opens_the_quiz_window)
{
    // Every combination of the four options, spread over the four quizzes.
    const int combination = GetParam();
    program_run::options chosen;
    chosen.quiz = combination % 4 + 1;
    chosen.show_when_wrong = combination & 1;
    chosen.show_when_right = combination & 2;
    chosen.shuffle_questions = combination & 4;
    chosen.shuffle_answers = combination & 8;
    program_run run;
    run.start_quiz(chosen);
    settle();
    EXPECT_FALSE(run.ended());

    EXPECT_EQ(quiz_state.quiz_number, chosen.quiz);
    EXPECT_EQ(quiz_state.chosen_quiz, chosen.quiz);
    EXPECT_EQ(quiz_state.show_when_wrong, chosen.show_when_wrong ? 1 : 0);
    EXPECT_EQ(quiz_state.show_when_right, chosen.show_when_right ? 1 : 0);
    EXPECT_EQ(quiz_state.shuffle_questions, chosen.shuffle_questions ? 1 : 0);
    EXPECT_EQ(quiz_state.shuffle_answers, chosen.shuffle_answers ? 1 : 0);
    EXPECT_EQ(quiz_state.question_count, 1);
    EXPECT_EQ(quiz_state.right_count, 0);

    // The start window is closed; the setup window is loaded again, hidden,
    // with its design defaults; the quiz window is up.
    const app& a = run.the_app();
    EXPECT_FALSE(a.Welcome.is_loaded());
    ASSERT_TRUE(a.pick_a_quiz.is_loaded());
    EXPECT_FALSE(a.pick_a_quiz.loaded_window()->isVisible());
    EXPECT_TRUE(control<QRadioButton>(a.pick_a_quiz, QStringLiteral("which_quiz_1"))->isChecked());
    EXPECT_FALSE(
        control<QCheckBox>(a.pick_a_quiz, QStringLiteral("answer_when_right"))->isChecked());
    ASSERT_TRUE(a.quest.is_loaded());
    EXPECT_TRUE(a.quest.loaded_window()->isVisible());
    EXPECT_EQ(a.quest.loaded_window()->frameGeometry().topLeft(),
              centred_on_screen(a.quest.loaded_window()));

    std::set<int> order;
    for (int i = 1; i <= 57; ++i)
        order.insert(quiz_state.question_order(i));
    EXPECT_EQ(order.size(), 57u);
    EXPECT_EQ(*order.begin(), 1);
    EXPECT_EQ(*order.rbegin(), 57);
    EXPECT_EQ(quiz_state.question_order(0), 0);
    for (int i = 58; i <= 200; ++i)
        ASSERT_EQ(quiz_state.question_order(i), 0);
    if (!chosen.shuffle_questions) {
        for (int i = 1; i <= 57; ++i)
            ASSERT_EQ(quiz_state.question_order(i), i);
    }
    EXPECT_EQ(quiz_state.current_index, quiz_record(chosen.quiz, quiz_state.question_order(1)));
}

INSTANTIATE_TEST_SUITE_P(every_option, start_the_quiz, ::testing::Range(0, 16));
