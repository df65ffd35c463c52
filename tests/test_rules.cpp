// The quiz's rules as plain functions: numbers, percentages, the gauge,
// judging, the shuffles and the texts.

#include "quiz_rules.h"
#include "random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace examdeck;

namespace {

question_record multiple_choice(std::initializer_list<std::pair<const char16_t*, int>> choices)
{
    question_record r;
    r.question_type = QStringLiteral("multi_answer");
    r.question_text = QStringLiteral("Which are right?");
    int i = 1;
    for (auto [text, correct] : choices) {
        r.choice_text(i) = QString::fromUtf16(text);
        r.choice_correct(i) = static_cast<int16>(correct);
        ++i;
    }
    return r;
}

question_record fill_in(std::initializer_list<const char16_t*> answers)
{
    question_record r;
    r.question_type = QStringLiteral("fill_in_the_blank");
    r.question_text = QStringLiteral("Type the command.");
    int i = 1;
    for (const char16_t* a : answers)
        r.choice_text(i++) = QString::fromUtf16(a);
    r.choice_correct(1) = 1;
    return r;
}

flags6 flags(std::initializer_list<int> on)
{
    flags6 f;
    for (int i : on)
        f(i) = true;
    return f;
}

} // namespace

TEST(number_text, puts_a_space_before_zero_and_positive_numbers)
{
    EXPECT_EQ(number_text(7), QStringLiteral(" 7"));
    EXPECT_EQ(number_text(0), QStringLiteral(" 0"));
    EXPECT_EQ(number_text(228), QStringLiteral(" 228"));
    EXPECT_EQ(number_text(-3), QStringLiteral("-3"));
    EXPECT_EQ(score_text(1, 1), QStringLiteral(" 1/ 1"));
}

TEST(whole_percent, is_exact_and_truncated)
{
    struct row {
        int right, count, percent;
    };
    for (const row& r : std::initializer_list<row>{{29, 50, 58},
                                                   {45, 57, 78},
                                                   {56, 57, 98},
                                                   {57, 57, 100},
                                                   {1, 3, 33},
                                                   {2, 3, 66},
                                                   {0, 1, 0},
                                                   {6, 57, 10},
                                                   {0, 57, 0},
                                                   {0, 0, 0}})
        EXPECT_EQ(whole_percent(r.right, r.count), r.percent) << r.right << '/' << r.count;
}

TEST(gauge, shows_the_share_of_wrong_answers)
{
    struct row {
        int right, count;
        double full, height;
        bool visible;
    };
    for (const row& r : std::initializer_list<row>{{1, 1, 1815, 0, false},
                                                   {0, 1, 1815, 1815, true},
                                                   {1, 3, 1815, 1210, true},
                                                   {56, 57, 1815, 1815.0 / 57, true},
                                                   {99, 100, 1815, 18.15, false},
                                                   {199, 200, 1815, 9.075, false},
                                                   {29, 50, 3630, 3630.0 * 21 / 50, true}}) {
        const gauge_bar bar = gauge_for(r.right, r.count, r.full);
        EXPECT_DOUBLE_EQ(bar.height, r.height) << r.right << '/' << r.count;
        EXPECT_EQ(bar.visible, r.visible) << r.right << '/' << r.count;
    }
}

TEST(judging, multiple_choice_needs_exactly_the_correct_toggles)
{
    const question_record q = multiple_choice({{u"a", 0}, {u"b", 1}, {u"c", 0}, {u"d", 1}});
    const flags6 shown = flags({1, 2, 3, 4});
    struct row {
        std::initializer_list<int> pressed;
        bool right;
    };
    for (const row& r : std::initializer_list<row>{
             {{2, 4}, true}, {{2}, false}, {{2, 3, 4}, false}, {{}, false}, {{1, 2, 3, 4}, false}})
        EXPECT_EQ(judge_choices(flags(r.pressed), shown, q), r.right);
    // Hidden toggles are not looked at, pressed or not.
    EXPECT_TRUE(judge_choices(flags({2, 4, 5, 6}), shown, q));
}

TEST(judging, typed_answers_ignore_case_and_outer_spaces_only)
{
    const question_record q = fill_in({u"ipx routing"});
    struct row {
        const char16_t* typed;
        bool right;
    };
    for (const row& r : std::initializer_list<row>{{u"ipx routing", true},
                                                   {u"IPX Routing", true},
                                                   {u"   ipx routing  ", true},
                                                   {u"ipx  routing", false},
                                                   {u"ipxrouting", false},
                                                   {u"ipx routing\n", false},
                                                   {u"ipx\nrouting", false},
                                                   {u"\tipx routing", false},
                                                   {u"", false},
                                                   {u"   ", false},
                                                   {u"ipx", false}})
        EXPECT_EQ(judge_typed(QString::fromUtf16(r.typed), q), r.right)
            << QString::fromUtf16(r.typed).toStdString();
}

TEST(judging, every_non_empty_answer_of_a_fill_in_question_is_accepted)
{
    const question_record q = fill_in({u"one", u"Two", u" three ", u"four"});
    for (const char16_t* typed : {u"ONE", u"two", u"three", u"Four "})
        EXPECT_TRUE(judge_typed(QString::fromUtf16(typed), q));
    // An empty or blank choice never accepts an empty answer.
    const question_record blank = fill_in({u"  "});
    EXPECT_FALSE(judge_typed(QString(), blank));
    EXPECT_FALSE(judge_typed(QStringLiteral(" "), blank));
}

TEST(shuffles, question_order_is_a_permutation_of_the_quiz_and_touches_nothing_else)
{
    question_order_t order;
    for (int i = 0; i <= 200; ++i)
        order(i) = static_cast<int16>(1000 + i);
    for (int i = 1; i <= 57; ++i)
        order(i) = static_cast<int16>(i);
    set_seed_source([] { return 42u; });
    randomize();
    shuffle_question_order(order, 57, random_float);
    std::set<int> seen;
    for (int i = 1; i <= 57; ++i)
        seen.insert(order(i));
    EXPECT_EQ(seen.size(), 57u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 57);
    EXPECT_EQ(order(0), 1000);
    for (int i = 58; i <= 200; ++i)
        EXPECT_EQ(order(i), 1000 + i);
    set_seed_source({});
}

TEST(shuffles, partner_stays_in_range_for_draws_at_the_edges)
{
    for (float r : {0.0f, 0.5f, 0.99999994f, 1.0f}) {
        permutation6 order;
        for (int i = 1; i <= 6; ++i)
            order(i) = static_cast<int16>(i);
        shuffle_choices(order, 3, [r] { return r; });
        std::multiset<int> first(&order(1), &order(1) + 3);
        EXPECT_EQ(first, (std::multiset<int>{1, 2, 3})) << r;
        EXPECT_EQ(order(4), 4);
        EXPECT_EQ(order(5), 5);
        EXPECT_EQ(order(6), 6);
    }
    // The partner comes from the whole range at every step: with draws that
    // always pick the last entry, each step swaps with entry 3:
    // 1 2 3 -> 3 2 1 -> 3 1 2 -> 3 1 2.
    permutation6 order;
    for (int i = 1; i <= 6; ++i)
        order(i) = static_cast<int16>(i);
    shuffle_choices(order, 3, [] { return 0.9f; });
    EXPECT_EQ(order(1), 3);
    EXPECT_EQ(order(2), 1);
    EXPECT_EQ(order(3), 2);
}

TEST(shuffles, display_order_moves_texts_with_their_flags)
{
    const question_record bank = multiple_choice({{u"a", 0}, {u"b", 1}, {u"c", 0}});
    permutation6 order;
    const int16 perm[6] = {3, 1, 2, 4, 5, 6};
    for (int i = 1; i <= 6; ++i)
        order(i) = perm[i - 1];
    const question_record shown = in_display_order(bank, order);
    EXPECT_EQ(shown.choice_text(1), QStringLiteral("c"));
    EXPECT_EQ(shown.choice_text(3), QStringLiteral("b"));
    EXPECT_EQ(shown.choice_correct(3), 1);
    EXPECT_EQ(shown.choice_correct(2), 0);
    EXPECT_EQ(shown.question_text, bank.question_text);
}

TEST(random_source, a_seed_replays_the_draws_and_clock_seeds_differ)
{
    set_seed_source([] { return 7u; });
    randomize();
    const float a = random_float(), b = random_float();
    randomize();
    EXPECT_EQ(random_float(), a);
    EXPECT_EQ(random_float(), b);
    set_seed_source({});
    randomize();
    const float c = random_float();
    randomize();
    const float d = random_float();
    EXPECT_NE(c, d);
    for (int i = 0; i < 10000; ++i) {
        const float r = random_float();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(answer_text, right_multiple_choice_lists_letters_and_choices_in_display_order)
{
    question_record q =
        multiple_choice({{u"Area 0", 0}, {u"Area 1", 1}, {u"Area 2", 0}, {u"Area 3", 1}});
    q.question_text = QStringLiteral("Which areas?\r\nPick two.");
    q.explanation = QStringLiteral("Line one.\r\nLine two.");
    EXPECT_EQ(
        answer_text(q, true, flags({1, 2, 3, 4})),
        QStringLiteral("Great Job.\r\nThe answer(s):  B D\r\n\r\nWhich areas?\r\nPick two.\r\n"
                       "A.)  Area 0\r\nB.)  Area 1\r\nC.)  Area 2\r\nD.)  Area 3\r\n\r\n"
                       "Line one.\r\nLine two.\r\n"));
}

TEST(answer_text, wrong_fill_in_shows_the_first_accepted_answer)
{
    question_record q = fill_in({u"show ipx route", u"sh ipx route"});
    q.explanation = QStringLiteral("It shows the table.");
    q.answer_note = QStringLiteral("Note.");
    EXPECT_EQ(
        answer_text(q, false, flags({})),
        QStringLiteral(
            "Incorrect.\r\nThe correct answer(s): show ipx route\r\n\r\nType the command.\r\n\r\n"
            "It shows the table.\r\nNote."));
}

TEST(answer_text, empty_explanation_and_note_end_with_one_line_break)
{
    const question_record q = multiple_choice({{u"x", 1}, {u"y", 0}});
    EXPECT_EQ(answer_text(q, false, flags({1, 2})),
              QStringLiteral("Incorrect.\r\nThe correct answer(s):  A\r\n\r\nWhich are right?\r\n"
                             "A.)  x\r\nB.)  y\r\n\r\n\r\n"));
}

TEST(result_message, states_the_totals_and_the_closing_sentence)
{
    EXPECT_EQ(result_message(45, 57),
              QStringLiteral("You have completed the test\n\n Right/Total  =  45/ 57\n"
                             "Percent Right =  78%\n\nTake this test until you get 100%"));
    EXPECT_EQ(result_message(57, 57),
              QStringLiteral("You have completed the test\n\n Right/Total  =  57/ 57\n"
                             "Percent Right =  100%\n\nCongratulations, try a different test"));
    EXPECT_TRUE(result_message(56, 57).contains(QStringLiteral("Percent Right =  98%\n")));
    EXPECT_TRUE(result_message(6, 57).contains(
        QStringLiteral(" Right/Total  =  6/ 57\nPercent Right =  10%")));
    EXPECT_TRUE(result_message(0, 57).contains(QStringLiteral("=  0/ 57\nPercent Right =  0%")));
}
