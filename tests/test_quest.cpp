// The quiz window presenting questions: hand-made records put into the bank
// after start-up, and the built-in bank quiz by quiz.

#include "harness.h"
#include "quiz/quest_form.h"
#include "quiz_rules.h"
#include "random_source.h"
#include "toggle_button.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

question_record make(const char* type, std::initializer_list<std::pair<const char*, int>> choices)
{
    question_record r;
    r.question_type = QString::fromLatin1(type);
    r.question_text = QStringLiteral("A hand-made question");
    int i = 1;
    for (auto [text, correct] : choices) {
        r.choice_text(i) = QString::fromLatin1(text);
        r.choice_correct(i) = static_cast<int16>(correct);
        ++i;
    }
    return r;
}

class quiz_window : public ::testing::Test {
  protected:
    void SetUp() override
    {
        program_run::options chosen;
        chosen.show_when_wrong = false;
        chosen.shuffle_questions = false;
        chosen.shuffle_answers = false;
        run.start_quiz(chosen);
    }

    quest_form& quest() { return run.the_app().quest; }
    template <typename T = QWidget> T* get(const QString& name)
    {
        return control<T>(quest(), name);
    }
    forms::toggle_button* toggle(int i)
    {
        return get<forms::toggle_button>(QStringLiteral("QChoice_%1").arg(i));
    }
    QPlainTextEdit* box(int i) { return get<QPlainTextEdit>(QStringLiteral("abox_%1").arg(i)); }
    QWidget* focus() { return quest().loaded_window()->focusWidget(); }

    // Shows record as question 1 of quiz 1.
    void show(const question_record& record, bool shuffle = false)
    {
        question_bank(1) = record;
        quiz_state.question_order(1) = 1;
        quiz_state.quiz_number = 1;
        quiz_state.question_count = 0;
        quiz_state.shuffle_answers = shuffle ? 1 : 0;
        quest().show_quest();
    }

    program_run run;
};

} // namespace

TEST_F(quiz_window, a_multiple_choice_question_shows_only_its_choices)
{
    show(make("multi_answer", {{"one", 0}, {"two", 1}, {"three", 0}}));
    EXPECT_EQ(quiz_state.choice_count, 3);
    EXPECT_EQ(get<QPlainTextEdit>(QStringLiteral("Q1"))->toPlainText(),
              QStringLiteral("A hand-made question"));
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(toggle(i)->isHidden(), i > 3) << i;
        EXPECT_EQ(box(i)->isHidden(), i > 3) << i;
        EXPECT_FALSE(toggle(i)->pressed());
    }
    EXPECT_EQ(box(2)->toPlainText(), QStringLiteral("two"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("Directions"))->text(),
              QStringLiteral(" Please Select the correct answer(s)"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("qid"))->text(), QStringLiteral(" 1"));
    EXPECT_EQ(get<QLabel>(QStringLiteral("question_number"))->text(), QStringLiteral(" 1"));
    EXPECT_TRUE(get(QStringLiteral("typestuff"))->isHidden());
    EXPECT_EQ(box(1)->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(focus(), get(QStringLiteral("NextButton")));
    EXPECT_TRUE(quiz_state.current_question == question_bank(1));
}

TEST_F(quiz_window, a_choice_of_spaces_is_empty)
{
    show(make("multi_answer", {{"one", 1}, {"two", 0}, {"   ", 0}}));
    EXPECT_EQ(quiz_state.choice_count, 2);
    EXPECT_TRUE(toggle(3)->isHidden());
    EXPECT_TRUE(box(3)->isHidden());
}

TEST_F(quiz_window, shuffling_moves_only_the_shown_choices_and_leaves_the_bank_record)
{
    const question_record record = make("multi_answer", {{"a", 1}, {"b", 0}, {"c", 0}});
    std::set<QString> firsts;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        set_seed_source([seed] { return seed; });
        show(record, true);
        const question_record& shown = quiz_state.current_question;
        std::multiset<QString> texts;
        for (int i = 1; i <= 3; ++i) {
            texts.insert(shown.choice_text(i));
            EXPECT_EQ(shown.choice_correct(i), shown.choice_text(i) == u"a" ? 1 : 0);
            EXPECT_EQ(box(i)->toPlainText(), shown.choice_text(i));
        }
        EXPECT_EQ(texts, (std::multiset<QString>{"a", "b", "c"}));
        for (int i = 4; i <= 6; ++i)
            EXPECT_TRUE(shown.choice_text(i).isEmpty());
        EXPECT_TRUE(question_bank(1) == record);
        firsts.insert(shown.choice_text(1));
    }
    set_seed_source({});
    EXPECT_EQ(firsts.size(), 3u) << "over 40 seeds every choice came first at least once";
}

TEST_F(quiz_window, a_fill_in_question_shows_a_bordered_empty_typing_box_with_the_focus)
{
    show(make("fill_in_the_blank", {{"ipx routing", 1}}), true);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(box(i)->isHidden(), i != 1) << i;
        EXPECT_TRUE(toggle(i)->isHidden()) << i;
    }
    EXPECT_EQ(box(1)->frameShape(), QFrame::Box);
    EXPECT_TRUE(box(1)->toPlainText().isEmpty());
    EXPECT_FALSE(get(QStringLiteral("typestuff"))->isHidden());
    EXPECT_EQ(get<QLabel>(QStringLiteral("Directions"))->text(),
              QStringLiteral(" Please Type in the Correct Answer"));
    EXPECT_EQ(focus(), box(1));
    EXPECT_TRUE(quiz_state.current_question == question_bank(1)) << "one choice never moves";
}

TEST_F(quiz_window, the_fill_in_test_reads_the_type_in_any_case)
{
    for (auto [type, fill] :
         std::initializer_list<std::pair<const char*, bool>>{{"FiLl_in", true},
                                                             {"FILL", true},
                                                             {"fil", false},
                                                             {"", false},
                                                             {"multi_answer", false}}) {
        show(make(type, {{"x", 1}, {"y", 0}}));
        EXPECT_EQ(!get(QStringLiteral("typestuff"))->isHidden(), fill) << type;
        EXPECT_EQ(toggle(1)->isHidden(), fill) << type;
    }
}

TEST_F(quiz_window, a_multiple_choice_question_after_a_fill_in_one_restores_the_boxes)
{
    show(make("multi_answer", {{"a", 1}, {"b", 0}}));
    click(toggle(1));
    click(toggle(2));
    show(make("fill_in_the_blank", {{"ip routing", 1}}));
    type_text(box(1), QStringLiteral("typed"));
    show(make("multi_answer", {{"c", 1}, {"d", 0}, {"e", 0}}));
    EXPECT_EQ(box(1)->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(box(1)->toPlainText(), QStringLiteral("c"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_FALSE(toggle(i)->pressed()) << i;
    EXPECT_TRUE(get(QStringLiteral("typestuff"))->isHidden());
}

TEST_F(quiz_window, attachment_buttons_follow_the_file_names)
{
    question_record r = make("multi_answer", {{"a", 1}, {"b", 0}});
    r.diagram_file(2) = QStringLiteral("second.gif");
    r.exhibit_file(3) = QStringLiteral("third.txt");
    r.clue_text = QStringLiteral("Think of areas.");
    show(r);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(get(QStringLiteral("diagrambutton_%1").arg(i))->isHidden(), i != 2) << i;
        EXPECT_EQ(get(QStringLiteral("exhibitbutton_%1").arg(i))->isHidden(), i != 3) << i;
    }
    EXPECT_FALSE(get(QStringLiteral("cluebutton"))->isHidden());
    r.clue_text = QStringLiteral("  ");
    r.diagram_file(2) = QStringLiteral(" ");
    show(r);
    EXPECT_TRUE(get(QStringLiteral("cluebutton"))->isHidden());
    EXPECT_TRUE(get(QStringLiteral("diagrambutton_2"))->isHidden());
}

TEST_F(quiz_window, the_clue_button_shows_the_clue_in_a_plain_message)
{
    question_record r = make("multi_answer", {{"a", 1}, {"b", 0}});
    r.clue_text = QStringLiteral("<b>Think</b> of areas.");
    show(r);
    modal_answerer answers;
    click(get(QStringLiteral("cluebutton")));
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, QStringLiteral("Clue"));
    EXPECT_EQ(answers.seen[0].text, QStringLiteral("<b>Think</b> of areas."));
}

TEST_F(quiz_window, the_question_box_passes_the_focus_to_next)
{
    show(make("fill_in_the_blank", {{"ip routing", 1}}));
    ASSERT_EQ(focus(), box(1));
    click(get(QStringLiteral("Q1")));
    EXPECT_EQ(focus(), get(QStringLiteral("NextButton")));
}

TEST_F(quiz_window, typing_into_the_first_choice_changes_only_what_it_shows)
{
    show(make("multi_answer", {{"a", 1}, {"b", 0}}));
    EXPECT_FALSE(box(1)->isReadOnly());
    for (int i = 2; i <= 6; ++i)
        EXPECT_TRUE(box(i)->isReadOnly()) << i;
    type_text(box(1), QStringLiteral("xyz"));
    EXPECT_NE(box(1)->toPlainText(), QStringLiteral("a"));
    EXPECT_EQ(quiz_state.current_question.choice_text(1), QStringLiteral("a"));
    // Tab moves on instead of typing a tab.
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_Tab);
    EXPECT_FALSE(box(1)->toPlainText().contains(u'\t'));
    EXPECT_NE(focus(), box(1));
}

TEST_F(quiz_window, next_answers_to_its_access_key)
{
    show(make("multi_answer", {{"a", 1}, {"b", 0}}));
    const int before = quiz_state.question_count;
    quest().loaded_window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(quest().loaded_window()));
    QTest::keyClick(focus(), Qt::Key_N, Qt::AltModifier);
    // An access key presses the button visibly, and clicks it a moment later.
    QTest::qWait(300);
    EXPECT_EQ(quiz_state.question_count, before + 1);
}

TEST_F(quiz_window, controls_follow_the_window_size)
{
    QWidget* w = quest().loaded_window();
    QWidget* next = get(QStringLiteral("NextButton"));
    const QRect before = next->geometry();
    w->resize(w->width() * 3 / 2, w->height() * 3 / 2);
    EXPECT_NEAR(next->x(), before.x() * 1.5, 1);
    EXPECT_NEAR(next->height(), before.height() * 1.5, 2);
}

TEST_F(quiz_window, past_the_last_question_nothing_changes_and_the_test_ends)
{
    quiz_state.question_count = quiz_state.questions_per_quiz - 1;
    quest().show_quest();
    const QString shown = get<QPlainTextEdit>(QStringLiteral("Q1"))->toPlainText();
    QString during;
    modal_answerer answers;
    answers.on_modal = [&](QWidget*) {
        during = control<QPlainTextEdit>(quest(), QStringLiteral("Q1"))->toPlainText();
        EXPECT_EQ(quiz_state.question_count, 57);
    };
    quest().show_quest();
    ASSERT_EQ(answers.seen.size(), 1u);
    EXPECT_EQ(answers.seen[0].title, QStringLiteral("Test Complete!"));
    EXPECT_EQ(during, shown);
}

// The built-in bank, each quiz in bank order.
TEST(quiz_order, each_quiz_asks_its_records_in_turn_and_shows_their_buttons)
{
    const std::set<int> with_both{12, 13, 14, 15, 16, 17, 18, 54};
    for (int quiz = 1; quiz <= 4; ++quiz) {
        program_run run;
        program_run::options chosen;
        chosen.quiz = quiz;
        chosen.show_when_wrong = false;
        chosen.shuffle_questions = false;
        chosen.shuffle_answers = false;
        run.start_quiz(chosen);
        const forms::form& quest = run.the_app().quest;
        for (int p = 1; p <= 57; ++p) {
            const int record = quiz_state.current_index;
            ASSERT_EQ(record, (p - 1) * 4 + quiz);
            EXPECT_EQ(control<QLabel>(quest, QStringLiteral("qid"))->text(), number_text(record));
            EXPECT_EQ(!control(quest, QStringLiteral("diagrambutton_1"))->isHidden(),
                      !question_bank(record).diagram_file(1).isEmpty());
            EXPECT_EQ(!control(quest, QStringLiteral("exhibitbutton_1"))->isHidden(),
                      !question_bank(record).exhibit_file(1).isEmpty());
            if (with_both.count(record)) {
                EXPECT_FALSE(control(quest, QStringLiteral("diagrambutton_1"))->isHidden());
                EXPECT_FALSE(control(quest, QStringLiteral("exhibitbutton_1"))->isHidden());
            }
            for (const char* name : {"cluebutton", "diagrambutton_2", "diagrambutton_3",
                                     "exhibitbutton_2", "exhibitbutton_3"})
                EXPECT_TRUE(control(quest, QString::fromLatin1(name))->isHidden())
                    << name << ' ' << record;
            if (p < 57)
                run.next();
        }
        modal_answerer answers;
        run.next();
        ASSERT_EQ(answers.seen.size(), 1u);
    }
}
