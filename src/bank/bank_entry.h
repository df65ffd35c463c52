#pragma once

// The shape in which the built-in questions are written down in the
// program's static data. Plain literals only: the loader turns them into
// question records without parsing anything.

#include <string_view>

namespace examdeck {

struct bank_choice {
    short correct = 0;
    std::u16string_view text;
};

struct bank_entry {
    std::u16string_view question_text;
    std::u16string_view explanation;
    std::u16string_view question_type;
    bank_choice choices[6];
    std::u16string_view diagram_file;
    std::u16string_view exhibit_file;
};

inline constexpr std::u16string_view multi_answer = u"multi_answer";
inline constexpr std::u16string_view fill_in_the_blank = u"fill_in_the_blank";

// The four blocks of written questions, in record order.
extern const bank_entry questions_001_060[60];
extern const bank_entry questions_061_120[60];
extern const bank_entry questions_121_176[56];
extern const bank_entry questions_177_228[52];

} // namespace examdeck
