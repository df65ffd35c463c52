#pragma once

// The state of one quiz: set up by "Start the Quiz", read and written by the
// quiz window. It lives for the whole run; nothing clears it at the end of a
// test.

#include "question_bank.h"

namespace examdeck {

inline constexpr int max_questions_per_quiz = 200;

struct quiz_state_t {
    int16 questions_per_quiz = 0;
    int16 chosen_quiz = 0;
    int16 quiz_number = 0;
    indexed_array<int16, 0, max_questions_per_quiz> question_order;
    int16 question_count = 0;
    int16 right_count = 0;
    int16 show_when_right = 0;
    int16 show_when_wrong = 0;
    int16 shuffle_questions = 0;
    int16 shuffle_answers = 0;
    int16 current_index = 0;
    question_record current_question;
    int16 choice_count = 0;
    int16 answer_result = 0;
};

extern quiz_state_t quiz_state;

// questions_per_quiz for a bank of bank_size records: the whole part of a
// quarter of it, never more than the question order can hold.
int16 questions_for_bank(int bank_size);

} // namespace examdeck
