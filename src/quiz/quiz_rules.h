#pragma once

// The quiz's rules as plain functions over plain values: how numbers are
// written, how answers are judged, the percentage, the gauge, the shuffles
// and the texts of the answer window and the result message.

#include "question_bank.h"
#include "quiz_state.h"

#include <QString>
#include <functional>

namespace examdeck {

using flags6 = indexed_array<bool, 1, 6>;
using permutation6 = indexed_array<int16, 1, 6>;
using question_order_t = decltype(quiz_state_t::question_order);

// One space before a number that is zero or positive, a minus sign before a
// negative one: 7 is " 7".
QString number_text(int number);

// The whole percentage of right answers, exact and truncated: 29 of 50 is
// 58. A count of 0 gives 0.
int whole_percent(int right, int count);

// The red bar of the gauge: the share of wrong answers of the gauge's height,
// in twips. It shows only when, drawn in whole pixels, it is 20 twips or more.
struct gauge_bar {
    double height;
    bool visible;
};
gauge_bar gauge_for(int right, int count, double gauge_height);

// "<right>/<count>" with both numbers written by number_text.
QString score_text(int right, int count);

// Multiple choice: right exactly when every visible toggle is pressed when its
// choice is correct and released when it is not. Hidden toggles do not count.
bool judge_choices(const flags6& pressed, const flags6& visible, const question_record& question);

// Fill-in: right when the typed text, upper-cased and stripped of outer
// spaces, equals some non-empty choice treated the same way.
bool judge_typed(QStringView typed, const question_record& question);

// Number of non-empty choices.
int count_choices(const question_record& question);

using draw_function = std::function<float()>;

// Shuffles entries 1 to count: each entry in turn swaps with a partner drawn
// from the whole range 1 to count.
void shuffle_question_order(question_order_t& order, int count, const draw_function& draw);
void shuffle_choices(permutation6& order, int count, const draw_function& draw);

// The bank record with its choices and their flags in display order.
question_record in_display_order(const question_record& record, const permutation6& order);

// The text of the answer window.
QString answer_text(const question_record& question, bool right, const flags6& visible);

// The message at the end of a test.
QString result_message(int right, int count);

} // namespace examdeck
