// Whole quizzes through the real windows: judging, the score, the gauge,
// the answer window, the result message and the return to the start window.

#include "design.h"
#include "harness.h"
#include "quiz/quest_form.h"
#include "quiz_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

QString label(const forms::form& quest, const char* name)
{
    return control<QLabel>(quest, QString::fromLatin1(name))->text();
}

QString result(int right, int count, int percent, bool all)
{
    return QStringLiteral(
               "You have completed the test\n\n Right/Total  = %1/%2\nPercent Right = %3%\n\n%4")
        .arg(number_text(right), number_text(count), number_text(percent),
             all ? QStringLiteral("Congratulations, try a different test")
                 : QStringLiteral("Take this test until you get 100%"));
}

program_run::options quiet(int quiz = 1)
{
    program_run::options o;
    o.quiz = quiz;
    o.show_when_wrong = false;
    return o;
}

void expect_back_at_the_start_window(program_run& run)
{
    app& a = run.the_app();
    ASSERT_TRUE(a.Welcome.is_loaded());
    QWidget* w = a.Welcome.loaded_window();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Korvex Quiz 1.3"));
    EXPECT_EQ(control<QLineEdit>(a.Welcome, QStringLiteral("author_name2"))->text(), bank_author);
    EXPECT_EQ(w->focusWidget(), control(a.Welcome, QStringLiteral("Start_Quiz")));
    EXPECT_FALSE(a.pick_a_quiz.is_loaded());
    ASSERT_TRUE(a.quest.is_loaded());
    EXPECT_FALSE(a.quest.loaded_window()->isVisible());
    EXPECT_TRUE(label(a.quest, "score").isEmpty());
    EXPECT_TRUE(control(a.quest, QStringLiteral("the_gauge"))->isHidden());
    EXPECT_EQ(live_windows_named(QStringLiteral("quest")), 1);
}

} // namespace

TEST(whole_quiz, answered_all_right_or_all_wrong)
{
    struct row {
        int quiz;
        bool right;
        QString result;
    };
    for (const row& r :
         {row{2, true, result(57, 57, 100, true)}, row{3, false, result(0, 57, 0, false)}}) {
        program_run run;
        run.start_quiz(quiet(r.quiz));
        modal_answerer answers;
        for (int i = 1; i <= 57; ++i)
            r.right ? run.answer_right() : run.answer_wrong();
        ASSERT_EQ(answers.seen.size(), 1u);
        EXPECT_EQ(answers.seen[0].title, QStringLiteral("Test Complete!"));
        EXPECT_EQ(answers.seen[0].text, r.result);
        expect_back_at_the_start_window(run);
    }
}

TEST(whole_quiz, the_running_score_is_exact)
{
    program_run run;
    run.start_quiz(quiet(4));
    const forms::form& quest = run.the_app().quest;
    EXPECT_TRUE(label(quest, "score").isEmpty());
    EXPECT_TRUE(label(quest, "Percent_Right").isEmpty());
    for (int i = 1; i <= 50; ++i)
        i <= 29 ? run.answer_right() : run.answer_wrong();
    EXPECT_EQ(label(quest, "score"), QStringLiteral(" 29/ 50"));
    EXPECT_EQ(label(quest, "Percent_Right"), QStringLiteral(" 58%"));
    modal_answerer answers;
    for (int i = 51; i <= 57; ++i)
        run.answer_right();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].text, result(36, 57, 63, false));
}

TEST(score_and_gauge, first_answer_right_or_wrong)
{
    for (bool right : {true, false}) {
        program_run run;
        run.start_quiz(quiet());
        right ? run.answer_right() : run.answer_wrong();
        quest_form& quest = run.the_app().quest;
        EXPECT_EQ(label(quest, "score"), right ? QStringLiteral(" 1/ 1") : QStringLiteral(" 0/ 1"));
        EXPECT_EQ(label(quest, "Percent_Right"),
                  right ? QStringLiteral(" 100%") : QStringLiteral(" 0%"));
        QWidget* bar = control(quest, QStringLiteral("the_gauge"));
        QWidget* gauge = control(quest, QStringLiteral("Gauge1"));
        EXPECT_EQ(bar->isHidden(), right);
        if (!right) {
            EXPECT_EQ(bar->geometry(), gauge->geometry());
        }
    }
}

TEST(score_and_gauge, one_of_three_right_and_a_resize_keeps_the_share)
{
    program_run run;
    run.start_quiz(quiet());
    run.answer_right();
    run.answer_wrong();
    run.answer_wrong();
    quest_form& quest = run.the_app().quest;
    EXPECT_EQ(label(quest, "Percent_Right"), QStringLiteral(" 33%"));
    QWidget* bar = control(quest, QStringLiteral("the_gauge"));
    QWidget* gauge = control(quest, QStringLiteral("Gauge1"));
    EXPECT_FALSE(bar->isHidden());
    EXPECT_DOUBLE_EQ(quest.ui().layout->current_height(bar), 1210);
    EXPECT_EQ(bar->height(), forms::to_pixels(1210));
    EXPECT_EQ(bar->y(), gauge->y());
    QWidget* w = quest.loaded_window();
    w->resize(w->width(), w->height() * 2);
    EXPECT_NEAR(bar->height(), gauge->height() * 2.0 / 3, 1.5);
}

TEST(answer_window, opens_as_the_options_say_before_the_score_changes)
{
    struct row {
        bool when_right, when_wrong;
        int expected; // answer windows for one right and one wrong answer
    };
    for (const row& r :
         {row{true, false, 1}, row{false, true, 1}, row{true, true, 2}, row{false, false, 0}}) {
        program_run run;
        program_run::options o = quiet();
        o.show_when_right = r.when_right;
        o.show_when_wrong = r.when_wrong;
        run.start_quiz(o);
        modal_answerer answers;
        run.answer_right();
        run.answer_wrong();
        ASSERT_EQ(static_cast<int>(answers.seen.size()), r.expected);
        for (const modal_seen& seen : answers.seen) {
            EXPECT_EQ(seen.title, QStringLiteral("The Answer"));
            const bool great = seen.text.startsWith(QStringLiteral("Great Job.\n"));
            EXPECT_TRUE(great ? r.when_right : r.when_wrong);
            // Nothing has been counted yet for the judged question.
            EXPECT_EQ(seen.right_count, great ? 0 : 1);
            EXPECT_EQ(seen.score, great ? QString() : QStringLiteral(" 1/ 1"));
        }
        EXPECT_EQ(quiz_state.right_count, 1);
        EXPECT_FALSE(run.the_app().theanswer.is_loaded());
    }
}

TEST(answer_window, shows_the_answer_text_of_the_judged_question)
{
    program_run run;
    program_run::options o = quiet();
    o.show_when_right = true;
    run.start_quiz(o);
    const question_record shown = quiz_state.current_question;
    flags6 visible;
    for (int i = 1; i <= 6; ++i)
        visible(i) = !is_fill_in(shown.question_type) && !is_empty_text(shown.choice_text(i));
    modal_answerer answers;
    run.answer_right();
    ASSERT_EQ(answers.seen.size(), 1u);
    QString expected = answer_text(shown, true, visible);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(answers.seen[0].text, expected);
}

TEST(quit_test, at_question_ten_with_six_right)
{
    program_run run;
    run.start_quiz(quiet());
    for (int i = 1; i <= 9; ++i)
        i <= 6 ? run.answer_right() : run.answer_wrong();
    ASSERT_EQ(quiz_state.question_count, 10);
    modal_answerer answers;
    click(control(run.the_app().quest, QStringLiteral("quitquiz")));
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].text, result(6, 57, 10, false));
    EXPECT_EQ(quiz_state.question_count, 57);
    expect_back_at_the_start_window(run);
}

TEST(quit_test, before_any_answer)
{
    program_run run;
    run.start_quiz(quiet());
    modal_answerer answers;
    click(control(run.the_app().quest, QStringLiteral("quitquiz")));
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].text, result(0, 57, 0, false));
}

TEST(several_quizzes, three_in_a_row_then_the_start_window_closes_the_program)
{
    program_run run;
    for (int quiz = 1; quiz <= 3; ++quiz) {
        run.agree();
        const forms::form& setup = run.the_app().pick_a_quiz;
        EXPECT_TRUE(control<QRadioButton>(setup, QStringLiteral("which_quiz_1"))->isChecked())
            << "defaults again";
        click(control(setup, QStringLiteral("which_quiz_%1").arg(quiz)));
        click(control(setup, QStringLiteral("Command1")));
        const forms::form& quest = run.the_app().quest;
        EXPECT_TRUE(label(quest, "score").isEmpty());
        EXPECT_TRUE(label(quest, "Percent_Right").isEmpty());
        EXPECT_TRUE(control(quest, QStringLiteral("the_gauge"))->isHidden());
        EXPECT_EQ(quiz_state.right_count, 0);
        EXPECT_EQ(quiz_state.current_index % 4, quiz % 4);
        modal_answerer answers;
        for (int i = 1; i <= 5; ++i)
            run.answer_wrong(); // the answer window comes up: wrong answers are shown by default
        EXPECT_EQ(answers.seen.size(), 5u);
        click(control(quest, QStringLiteral("quitquiz")));
        ASSERT_EQ(answers.seen.size(), 6u);
        EXPECT_EQ(answers.seen.back().title, QStringLiteral("Test Complete!"));
        expect_back_at_the_start_window(run);
        settle();
        EXPECT_FALSE(run.ended());
    }
    close_from_title_bar(run.the_app().Welcome.loaded_window());
    settle();
    EXPECT_TRUE(run.ended());
    EXPECT_FALSE(run.the_app().quest.is_loaded());
}
