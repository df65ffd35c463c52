#include "quiz_rules.h"

#include <algorithm>
#include <cmath>

namespace examdeck {

quiz_state_t quiz_state;

int16 questions_for_bank(int bank_size)
{
    const int quarter = static_cast<int>(std::floor(bank_size / 4.0));
    return static_cast<int16>(std::clamp(quarter, 0, max_questions_per_quiz));
}

QString number_text(int number)
{
    return number < 0 ? QString::number(number) : u' ' + QString::number(number);
}

int whole_percent(int right, int count)
{
    if (count <= 0)
        return 0;
    return static_cast<int>((100LL * right) / count);
}

gauge_bar gauge_for(int right, int count, double gauge_height)
{
    if (count <= 0)
        return {0.0, false};
    const double height = gauge_height * (count - right) / count;
    // Shown only when it reaches 20 twips once drawn in whole pixels.
    constexpr double twips_per_pixel = 15.0;
    const double drawn = std::round(height / twips_per_pixel) * twips_per_pixel;
    return {height, drawn >= 20.0};
}

QString score_text(int right, int count)
{
    return number_text(right) + u'/' + number_text(count);
}

bool judge_choices(const flags6& pressed, const flags6& visible, const question_record& question)
{
    for (int i = 1; i <= 6; ++i) {
        if (!visible(i))
            continue;
        if ((pressed(i) ? 1 : 0) != question.choice_correct(i))
            return false;
    }
    return true;
}

bool judge_typed(QStringView typed, const question_record& question)
{
    const QString answer = typed.toString().toUpper();
    const QStringView given = strip_spaces(answer);
    for (int i = 1; i <= 6; ++i) {
        const QString choice = question.choice_text(i).toUpper();
        const QStringView accepted = strip_spaces(choice);
        if (!accepted.isEmpty() && accepted == given)
            return true;
    }
    return false;
}

int count_choices(const question_record& question)
{
    int count = 0;
    for (int i = 1; i <= 6; ++i)
        if (!is_empty_text(question.choice_text(i)))
            ++count;
    return count;
}

namespace {

// Whole part of scale * r + 1, kept inside 1 to scale whatever the draw.
int partner(int scale, float r)
{
    const int j = static_cast<int>(std::floor(static_cast<double>(scale) * r + 1.0));
    return std::clamp(j, 1, scale);
}

} // namespace

void shuffle_question_order(question_order_t& order, int count, const draw_function& draw)
{
    for (int i = 1; i <= count; ++i)
        std::swap(order(i), order(partner(count, draw())));
}

void shuffle_choices(permutation6& order, int count, const draw_function& draw)
{
    for (int i = 1; i <= count; ++i)
        std::swap(order(i), order(partner(count, draw())));
}

question_record in_display_order(const question_record& record, const permutation6& order)
{
    question_record shown = record;
    for (int i = 1; i <= 6; ++i) {
        shown.choice_text(i) = record.choice_text(order(i));
        shown.choice_correct(i) = record.choice_correct(order(i));
    }
    return shown;
}

namespace {

QChar letter(int position)
{
    return QChar(u'A' + (position - 1));
}

} // namespace

QString answer_text(const question_record& question, bool right, const flags6& visible)
{
    static const QString crlf = QStringLiteral("\r\n");
    QString text = right ? QStringLiteral("Great Job.") : QStringLiteral("Incorrect.");
    text += crlf;
    text += right ? QStringLiteral("The answer(s): ") : QStringLiteral("The correct answer(s): ");
    const bool fill_in = is_fill_in(question.question_type);
    if (fill_in) {
        text += question.choice_text(1);
    } else {
        for (int i = 1; i <= 6; ++i)
            if (question.choice_correct(i) == 1)
                text += u' ' + QString(letter(i));
    }
    text += crlf + crlf;
    text += question.question_text;
    if (!fill_in) {
        for (int i = 1; i <= 6; ++i)
            if (visible(i))
                text += crlf + letter(i) + QStringLiteral(".)  ") + question.choice_text(i);
    }
    text += crlf + crlf;
    text += question.explanation;
    text += crlf;
    text += question.answer_note;
    return text;
}

QString result_message(int right, int count)
{
    const int percent = whole_percent(right, count);
    QString text = QStringLiteral("You have completed the test\n\n Right/Total  = ");
    text += score_text(right, count);
    text += u'\n';
    text += QStringLiteral("Percent Right = ") + number_text(percent) + u'%';
    text += QStringLiteral("\n\n");
    text += percent == 100 ? QStringLiteral("Congratulations, try a different test")
                           : QStringLiteral("Take this test until you get 100%");
    return text;
}

} // namespace examdeck
