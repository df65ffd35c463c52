// What the keyboard and a screen reader meet: tab order, names and
// descriptions, read through Qt's accessibility interface.

#include "harness.h"
#include "quiz_rules.h"
#include "toggle_button.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

QString accessible(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(what) : QStringLiteral("<none>");
}

// The names of the controls that Tab visits, from the first one on.
QStringList tab_order(QWidget* first, int count)
{
    QStringList order;
    QWidget* w = first;
    QWidget* window = first->window();
    while (order.size() < count) {
        order << w->objectName();
        do {
            w = w->nextInFocusChain();
        } while (w->window() != window || !(w->focusPolicy() & Qt::TabFocus) ||
                 !w->isVisibleTo(window) || w->objectName().isEmpty());
    }
    return order;
}

// Quiz 1 in bank order, without answer windows: record 1 comes first.
program_run::options in_bank_order()
{
    program_run::options o;
    o.shuffle_questions = false;
    o.show_when_wrong = false;
    return o;
}

} // namespace

TEST(keyboard, every_window_tabs_in_its_designed_order)
{
    program_run run;
    app& a = run.the_app();
    EXPECT_EQ(tab_order(control(a.Welcome, QStringLiteral("test_name")), 6),
              (QStringList{"test_name", "test_description", "author_name2", "Start_Quiz",
                           "Command1", "test_name"}));
    run.agree();
    EXPECT_EQ(tab_order(control(a.pick_a_quiz, QStringLiteral("which_quiz_1")), 9),
              (QStringList{"which_quiz_1", "which_quiz_2", "which_quiz_3", "which_quiz_4",
                           "answer_when_wrong", "answer_when_right", "random_questions",
                           "random_answers", "Command1"}));
    a.Exhibit.load();
    EXPECT_EQ(tab_order(control(a.Exhibit, QStringLiteral("Text1")), 2),
              (QStringList{"Text1", "Command1"}));
    a.theanswer.load();
    EXPECT_EQ(tab_order(control(a.theanswer, QStringLiteral("Closeb")), 2),
              (QStringList{"Closeb", "Text1"}));
    a.theanswer.close();
}

TEST(keyboard, the_quiz_window_reaches_every_choice_and_button)
{
    program_run run;
    run.start_quiz(in_bank_order());
    // Record 1 is a multiple-choice question with six choices.
    ASSERT_EQ(count_choices(quiz_state.current_question), 6);
    const QStringList order =
        tab_order(control(run.the_app().quest, QStringLiteral("QChoice_1")), 15);
    EXPECT_EQ(order.mid(0, 4), (QStringList{"QChoice_1", "abox_1", "QChoice_2", "abox_2"}));
    EXPECT_EQ(order.mid(12, 3), (QStringList{"NextButton", "quitquiz", "Q1"}));
}

TEST(screen_reader, reads_the_question_the_choices_and_the_score)
{
    program_run run;
    run.start_quiz(in_bank_order());
    const forms::form& quest = run.the_app().quest;
    for (int i = 1; i <= 6; ++i) {
        auto* toggle = control<forms::toggle_button>(quest, QStringLiteral("QChoice_%1").arg(i));
        EXPECT_EQ(accessible(toggle, QAccessible::Name),
                  QStringLiteral("Choice %1").arg(QChar(u'A' + i - 1)));
        EXPECT_EQ(accessible(toggle, QAccessible::Description),
                  quiz_state.current_question.choice_text(i));
    }
    EXPECT_EQ(accessible(control(quest, QStringLiteral("Q1")), QAccessible::Name),
              QStringLiteral("Question"));
    run.answer_wrong();
    QLabel* score = control<QLabel>(quest, QStringLiteral("score"));
    EXPECT_EQ(accessible(score, QAccessible::Name), QStringLiteral(" 0/ 1"));
    EXPECT_FALSE(accessible(score, QAccessible::Description).isEmpty());
    for (const char* name : {"Percent_Right", "question_number", "qid"}) {
        QLabel* l = control<QLabel>(quest, QString::fromLatin1(name));
        EXPECT_EQ(accessible(l, QAccessible::Name), l->text()) << name;
        EXPECT_FALSE(accessible(l, QAccessible::Description).isEmpty()) << name;
    }
    EXPECT_EQ(accessible(control(quest, QStringLiteral("Gauge1")), QAccessible::Description),
              QStringLiteral("100% of the answers so far are wrong"));
}
