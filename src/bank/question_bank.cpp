#include "question_bank.h"

#include "bank_entry.h"

#include <span>

namespace examdeck {

bank_table question_bank;
QString bank_title;
QString bank_author;
int16 bank_size = 0;

namespace {

// The texts point straight at the literals in the program's data; nothing
// is parsed or copied.
QString literal(std::u16string_view text)
{
    if (text.empty())
        return {};
    return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                static_cast<qsizetype>(text.size()));
}

question_record record_from(const bank_entry& entry)
{
    // Every value of the record is assigned, empty texts included, so that a
    // second load leaves the record exactly as the first one did.
    question_record record;
    record.question_text = literal(entry.question_text);
    record.explanation = literal(entry.explanation);
    record.clue_text = QString();
    record.question_type = literal(entry.question_type);
    record.answer_note = QString();
    for (int i = 1; i <= 6; ++i) {
        record.choice_correct(i) = entry.choices[i - 1].correct;
        record.choice_text(i) = literal(entry.choices[i - 1].text);
    }
    record.diagram_file(1) = literal(entry.diagram_file);
    record.exhibit_file(1) = literal(entry.exhibit_file);
    return record;
}

const std::span<const bank_entry> blocks[] = {
    questions_001_060,
    questions_061_120,
    questions_121_176,
    questions_177_228,
};

} // namespace

void load_bank()
{
    bank_title = QStringLiteral("Korvex Quiz 1.3");
    int index = 1;
    for (const auto& block : blocks)
        for (const bank_entry& entry : block)
            question_bank(index++) = record_from(entry);
    bank_author = QStringLiteral("quizmaster@example.org");
    bank_size = static_cast<int16>(index - 1);
}

void clear_bank()
{
    for (question_record& record : question_bank)
        record = question_record{};
    bank_title.clear();
    bank_author.clear();
    bank_size = 0;
}

QStringView strip_spaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

bool is_empty_text(QStringView text)
{
    return strip_spaces(text).isEmpty();
}

bool is_fill_in(QStringView question_type)
{
    return question_type.size() >= 4 &&
           question_type.first(4).compare(u"FILL", Qt::CaseInsensitive) == 0;
}

} // namespace examdeck
