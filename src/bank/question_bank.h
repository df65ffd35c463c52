#pragma once

// The question record, the bank of records and the bank-wide values.
// Only the loader writes them; everything else reads.

#include "indexed_array.h"

#include <QString>
#include <QStringView>
#include <cstdint>

namespace examdeck {

using int16 = std::int16_t;

struct question_record {
    QString question_text;
    indexed_array<QString, 1, 6> choice_text;
    indexed_array<int16, 1, 6> choice_correct;
    QString explanation;
    QString question_type;
    indexed_array<QString, 1, 3> diagram_file;
    indexed_array<QString, 1, 3> exhibit_file;
    QString clue_text;
    QString answer_note;

    bool operator==(const question_record&) const = default;
};

inline constexpr int bank_first = 0;
inline constexpr int bank_last = 1000;
using bank_table = indexed_array<question_record, bank_first, bank_last>;

extern bank_table question_bank;
extern QString bank_title;
extern QString bank_author;
extern int16 bank_size;

// Fills the bank from the program's built-in questions: the title first,
// records 1 to 228 in order, then the author and the size. Running it again
// writes the same values.
void load_bank();

// Puts the bank back as it is when the program starts: every record blank,
// the title and author empty, the size 0.
void clear_bank();

// A text is empty when nothing is left after removing its leading and
// trailing spaces (U+0020 only; tabs and line breaks count as content).
QStringView strip_spaces(QStringView text);
bool is_empty_text(QStringView text);

// A question is fill-in when the first four characters of its type,
// upper-cased, are "FILL"; any other question is multiple choice.
bool is_fill_in(QStringView question_type);

// Position p (from 1) of quiz q (1 to 4) is record (p - 1) * 4 + q.
constexpr int quiz_record(int quiz, int position)
{
    return (position - 1) * 4 + quiz;
}

} // namespace examdeck
