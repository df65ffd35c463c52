// The built-in question bank: its shape, its invariants and the rules by
// which every reader interprets a record.

#include "question_bank.h"
#include "quiz_rules.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace examdeck;

namespace {

class loaded_bank : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { load_bank(); }
    static void TearDownTestSuite() { clear_bank(); }
};

int line_count(const QString& text)
{
    return text.isEmpty() ? 0 : text.count(QStringLiteral("\r\n")) + 1;
}

bool fill_in(const question_record& r)
{
    return is_fill_in(r.question_type);
}

int correct_count(const question_record& r)
{
    int n = 0;
    for (int i = 1; i <= 6; ++i)
        n += r.choice_correct(i);
    return n;
}

// Every text field of a record, for the character rules.
QStringList texts_of(const question_record& r)
{
    QStringList texts{r.question_text, r.explanation, r.question_type, r.clue_text, r.answer_note};
    for (int i = 1; i <= 6; ++i)
        texts << r.choice_text(i);
    for (int i = 1; i <= 3; ++i)
        texts << r.diagram_file(i) << r.exhibit_file(i);
    return texts;
}

QString choice_list(const question_record& r)
{
    QStringList list;
    for (int i = 1; i <= 6; ++i)
        list << r.choice_text(i);
    return list.join(QChar(1));
}

} // namespace

TEST(bank_rules, empty_text_strips_only_spaces)
{
    struct row {
        const char16_t* text;
        bool empty;
    };
    for (const row& r : std::initializer_list<row>{{u"", true},
                                                   {u"   ", true},
                                                   {u" a ", false},
                                                   {u"\t", false},
                                                   {u"\r\n", false},
                                                   {u" \u00a0 ", false}})
        EXPECT_EQ(is_empty_text(QString::fromUtf16(r.text)), r.empty)
            << QString::fromUtf16(r.text).toStdString();
    EXPECT_EQ(strip_spaces(u"  ip routing \t "), QStringView(u"ip routing \t"));
}

TEST(bank_rules, fill_in_test_reads_the_first_four_letters_in_any_case)
{
    struct row {
        const char16_t* type;
        bool fill;
    };
    for (const row& r : std::initializer_list<row>{{u"fill_in_the_blank", true},
                                                   {u"FILL", true},
                                                   {u"fIlLer", true},
                                                   {u"multi_answer", false},
                                                   {u"fil", false},
                                                   {u"", false},
                                                   {u" fill", false}})
        EXPECT_EQ(is_fill_in(QString::fromUtf16(r.type)), r.fill)
            << QString::fromUtf16(r.type).toStdString();
}

TEST(bank_rules, quizzes_are_dealt_out_in_turn)
{
    EXPECT_EQ(quiz_record(1, 1), 1);
    EXPECT_EQ(quiz_record(1, 2), 5);
    EXPECT_EQ(quiz_record(3, 1), 3);
    EXPECT_EQ(quiz_record(1, 57), 225);
    EXPECT_EQ(quiz_record(4, 57), 228);
}

TEST(bank_rules, questions_per_quiz_is_the_whole_part_of_a_quarter)
{
    for (auto [size, expected] : std::initializer_list<std::pair<int, int>>{
             {228, 57}, {230, 57}, {0, 0}, {3, 0}, {4, 1}, {803, 200}, {1000, 200}})
        EXPECT_EQ(questions_for_bank(size), expected) << size;
}

TEST(bank_loader, starts_blank_and_fills_title_records_author_and_size)
{
    clear_bank();
    EXPECT_TRUE(bank_title.isEmpty());
    EXPECT_EQ(bank_size, 0);
    EXPECT_EQ(question_bank(1), question_record{});
    load_bank();
    EXPECT_EQ(bank_title, QStringLiteral("Korvex Quiz 1.3"));
    EXPECT_TRUE(bank_author.endsWith(QStringLiteral("@example.org"))) << bank_author.toStdString();
    EXPECT_EQ(bank_size, 228);
    clear_bank();
}

TEST_F(loaded_bank, a_second_load_leaves_the_bank_as_it_was)
{
    const bank_table first = question_bank;
    const QString title = bank_title, author = bank_author;
    load_bank();
    EXPECT_TRUE(first == question_bank);
    EXPECT_EQ(title, bank_title);
    EXPECT_EQ(author, bank_author);
    EXPECT_EQ(bank_size, 228);
}

TEST_F(loaded_bank, records_outside_the_bank_stay_blank)
{
    EXPECT_EQ(question_bank(0), question_record{});
    for (int i = 229; i <= 1000; ++i)
        ASSERT_EQ(question_bank(i), question_record{}) << i;
}

TEST_F(loaded_bank, every_record_keeps_the_record_invariants)
{
    for (int i = 1; i <= 228; ++i) {
        SCOPED_TRACE(i);
        const question_record& r = question_bank(i);
        EXPECT_FALSE(is_empty_text(r.question_text));
        EXPECT_TRUE(r.question_type == u"multi_answer" || r.question_type == u"fill_in_the_blank");
        bool gap = false;
        for (int c = 1; c <= 6; ++c) {
            const bool empty = is_empty_text(r.choice_text(c));
            EXPECT_FALSE(gap && !empty) << "choice " << c << " after an empty one";
            gap |= empty;
            EXPECT_TRUE(r.choice_correct(c) == 0 || r.choice_correct(c) == 1);
            if (empty) {
                EXPECT_EQ(r.choice_correct(c), 0);
            }
        }
        if (fill_in(r)) {
            for (int c = 1; c <= 6; ++c)
                EXPECT_EQ(r.choice_correct(c), c == 1 ? 1 : 0);
        } else {
            EXPECT_GE(correct_count(r), 1);
            EXPECT_TRUE(correct_count(r) < count_choices(r) || count_choices(r) == 2);
        }
        for (int d = 2; d <= 3; ++d) {
            EXPECT_TRUE(r.diagram_file(d).isEmpty());
            EXPECT_TRUE(r.exhibit_file(d).isEmpty());
        }
        EXPECT_TRUE(r.clue_text.isEmpty());
        EXPECT_TRUE(r.answer_note.isEmpty());
    }
}

TEST_F(loaded_bank, kinds_and_choices_match_the_composition_table)
{
    // choices -> correct choices -> records
    std::map<int, std::map<int, int>> table;
    int multi = 0, fill = 0, four_answers = 0;
    for (int i = 1; i <= 228; ++i) {
        const question_record& r = question_bank(i);
        if (fill_in(r)) {
            ++fill;
            four_answers += count_choices(r) == 4;
            if (count_choices(r) != 4) {
                EXPECT_EQ(count_choices(r), 1) << i;
            }
        } else {
            ++multi;
            ++table[count_choices(r)][correct_count(r)];
        }
    }
    EXPECT_EQ(multi, 160);
    EXPECT_EQ(fill, 68);
    EXPECT_EQ(four_answers, 1);
    const std::map<int, std::map<int, int>> expected{
        {2, {{2, 1}}},
        {3, {{1, 15}}},
        {4, {{1, 62}, {2, 15}, {3, 4}}},
        {5, {{1, 11}, {2, 9}, {3, 7}, {4, 1}}},
        {6, {{1, 23}, {2, 3}, {3, 4}, {4, 4}, {5, 1}}},
    };
    EXPECT_EQ(table, expected);
}

TEST_F(loaded_bank, each_quiz_matches_its_row_of_the_table_by_quiz)
{
    struct row {
        int records, multi, several_correct, fill, empty_explanation, multi_line, diagram, exhibit;
        bool operator==(const row&) const = default;
    };
    const row expected[5] = {{},
                             {57, 43, 14, 14, 14, 6, 4, 5},
                             {57, 40, 11, 17, 11, 2, 4, 3},
                             {57, 39, 14, 18, 14, 2, 2, 2},
                             {57, 38, 10, 19, 17, 4, 4, 4}};
    const int per_quiz = questions_for_bank(bank_size);
    for (int q = 1; q <= 4; ++q) {
        row got{};
        for (int p = 1; p <= per_quiz; ++p) {
            const question_record& r = question_bank(quiz_record(q, p));
            ++got.records;
            if (fill_in(r)) {
                ++got.fill;
            } else {
                ++got.multi;
                got.several_correct += correct_count(r) > 1;
            }
            got.empty_explanation += r.explanation.isEmpty();
            got.multi_line += r.question_text.contains(u'\n');
            got.diagram += !r.diagram_file(1).isEmpty();
            got.exhibit += !r.exhibit_file(1).isEmpty();
        }
        EXPECT_TRUE(got == expected[q])
            << "quiz " << q << ": " << got.records << ' ' << got.multi << ' ' << got.several_correct
            << ' ' << got.fill << ' ' << got.empty_explanation << ' ' << got.multi_line << ' '
            << got.diagram << ' ' << got.exhibit;
    }
}

TEST_F(loaded_bank, texts_keep_their_lengths_and_line_counts)
{
    int shortest_q = 1 << 30, longest_q = 0, shortest_c = 1 << 30, longest_c = 0;
    int shortest_e = 1 << 30, longest_e = 0;
    std::map<int, int> explanation_lines, question_lines;
    int records_with_multi_line_choices = 0;
    for (int i = 1; i <= 228; ++i) {
        const question_record& r = question_bank(i);
        shortest_q = std::min<int>(shortest_q, r.question_text.size());
        longest_q = std::max<int>(longest_q, r.question_text.size());
        ++question_lines[line_count(r.question_text)];
        ++explanation_lines[line_count(r.explanation)];
        if (!r.explanation.isEmpty()) {
            shortest_e = std::min<int>(shortest_e, r.explanation.size());
            longest_e = std::max<int>(longest_e, r.explanation.size());
            EXPECT_FALSE(r.explanation.contains(QStringLiteral("\r\n\r\n"))) << i;
            EXPECT_FALSE(r.explanation.startsWith(u'\r') || r.explanation.endsWith(u'\n')) << i;
        }
        bool multi_line_choices = false;
        for (int c = 1; c <= count_choices(r); ++c) {
            shortest_c = std::min<int>(shortest_c, r.choice_text(c).size());
            longest_c = std::max<int>(longest_c, r.choice_text(c).size());
            if (r.choice_text(c).contains(u'\n')) {
                multi_line_choices = true;
                EXPECT_EQ(line_count(r.choice_text(c)), 2) << i;
            }
        }
        if (multi_line_choices) {
            ++records_with_multi_line_choices;
            EXPECT_FALSE(fill_in(r));
            EXPECT_EQ(count_choices(r), 4);
            for (int c = 1; c <= 4; ++c)
                EXPECT_TRUE(r.choice_text(c).contains(u'\n')) << i;
        }
    }
    EXPECT_EQ(shortest_q, 12);
    EXPECT_EQ(longest_q, 454);
    EXPECT_EQ(shortest_c, 1);
    EXPECT_EQ(longest_c, 135);
    EXPECT_EQ(shortest_e, 31);
    EXPECT_EQ(longest_e, 791);
    EXPECT_EQ(explanation_lines,
              (std::map<int, int>{{0, 56}, {1, 91}, {2, 50}, {3, 22}, {4, 8}, {6, 1}}));
    EXPECT_EQ(question_lines[1], 214);
    int multi_line = 0;
    for (auto [lines, n] : question_lines) {
        if (lines > 1) {
            EXPECT_LE(lines, 6);
            multi_line += n;
        }
    }
    EXPECT_EQ(multi_line, 14);
    EXPECT_EQ(question_lines.rbegin()->first, 6);
    EXPECT_EQ(question_lines.count(2), 1u);
    EXPECT_EQ(records_with_multi_line_choices, 1);
}

TEST_F(loaded_bank, characters_are_printable_ascii_but_eight_typographic_apostrophes)
{
    int texts_with_apostrophe = 0;
    for (int i = 1; i <= 228; ++i) {
        for (const QString& text : texts_of(question_bank(i))) {
            SCOPED_TRACE(i);
            EXPECT_FALSE(text.startsWith(u' ') || text.endsWith(u' ')) << text.toStdString();
            bool apostrophe = false;
            for (qsizetype k = 0; k < text.size(); ++k) {
                const char16_t c = text[k].unicode();
                if (c == u'\r') {
                    EXPECT_TRUE(k + 1 < text.size() && text[k + 1] == u'\n');
                } else if (c == u'\n') {
                    EXPECT_TRUE(k > 0 && text[k - 1] == u'\r');
                } else if (c == 0x2019) {
                    apostrophe = true;
                } else {
                    EXPECT_TRUE(c >= 32 && c <= 126) << "character " << int(c);
                }
            }
            texts_with_apostrophe += apostrophe;
        }
    }
    EXPECT_EQ(texts_with_apostrophe, 8);
}

TEST_F(loaded_bank, records_and_question_texts_are_all_different)
{
    QSet<QString> questions;
    for (int i = 1; i <= 228; ++i) {
        EXPECT_FALSE(questions.contains(question_bank(i).question_text)) << i;
        questions.insert(question_bank(i).question_text);
        for (int j = i + 1; j <= 228; ++j)
            EXPECT_FALSE(question_bank(i) == question_bank(j)) << i << ' ' << j;
    }
}

TEST_F(loaded_bank, families_share_choice_lists_and_groups_share_explanations)
{
    std::map<QString, std::vector<int>> lists, explanations;
    for (int i = 1; i <= 228; ++i) {
        lists[choice_list(question_bank(i))].push_back(i);
        if (!question_bank(i).explanation.isEmpty())
            explanations[question_bank(i).explanation].push_back(i);
    }
    auto groups = [](const std::map<QString, std::vector<int>>& by_text, size_t largest) {
        std::vector<std::vector<int>> found;
        for (const auto& [text, records] : by_text) {
            if (records.size() > 1) {
                EXPECT_LE(records.size(), largest);
                found.push_back(records);
            }
        }
        return found;
    };
    const auto families = groups(lists, 4);
    EXPECT_EQ(families.size(), 13u);
    EXPECT_NE(std::find(families.begin(), families.end(), std::vector<int>{3, 4, 5}),
              families.end());
    const QStringList expected_list{
        QStringLiteral("Generate Type 1-2"), QStringLiteral("Generate Type 3-4"),
        QStringLiteral("Generate Type 5"), QStringLiteral("Generate 0.0.0.0")};
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(question_bank(3).choice_text(c), expected_list[c - 1]);
    for (const auto& family : families)
        EXPECT_FALSE(fill_in(question_bank(family.front())));
    EXPECT_EQ(groups(explanations, 3).size(), 8u);
}

TEST_F(loaded_bank, diagrams_and_exhibits_are_named_at_their_records)
{
    const std::map<QString, std::set<int>> diagrams{
        {QStringLiteral("isdn-bri.gif"), {12, 13, 14, 15, 16, 17, 18, 54}},
        {QStringLiteral("ospf-abr-asbr.gif"), {57, 58, 59, 60}},
        {QStringLiteral("ospf-multicast.gif"), {24, 25}}};
    const std::map<QString, std::set<int>> exhibits{
        {QStringLiteral("isdn-bri-explained.txt"), {12, 13, 14, 15, 16, 17, 18, 54}},
        {QStringLiteral("ip-summary.txt"), {36, 64, 65, 75}},
        {QStringLiteral("ipx-summary.txt"), {133}},
        {QStringLiteral("ipx-sap-servers.txt"), {137}}};
    std::map<QString, std::set<int>> got_diagrams, got_exhibits;
    for (int i = 1; i <= 228; ++i) {
        if (!question_bank(i).diagram_file(1).isEmpty())
            got_diagrams[question_bank(i).diagram_file(1)].insert(i);
        if (!question_bank(i).exhibit_file(1).isEmpty())
            got_exhibits[question_bank(i).exhibit_file(1)].insert(i);
    }
    EXPECT_EQ(got_diagrams, diagrams);
    EXPECT_EQ(got_exhibits, exhibits);
}

TEST_F(loaded_bank, fill_in_answers_are_accepted_in_any_case_with_outer_spaces)
{
    int commands = 0, values = 0;
    static const QRegularExpression value(QStringLiteral("^[0-9./]+$"));
    static const QRegularExpression command(QStringLiteral("^[a-z][a-z0-9-]*( [^ ]+)*$"));
    for (int i = 1; i <= 228; ++i) {
        const question_record& r = question_bank(i);
        if (!fill_in(r))
            continue;
        for (int c = 1; c <= count_choices(r); ++c) {
            SCOPED_TRACE(i);
            const QString answer = r.choice_text(c);
            EXPECT_TRUE(judge_typed(answer, r));
            EXPECT_TRUE(
                judge_typed(QStringLiteral("  ") + answer.toUpper() + QStringLiteral("   "), r));
            EXPECT_TRUE(judge_typed(answer.toLower(), r));
            EXPECT_FALSE(judge_typed(answer + QStringLiteral("\r\n"), r));
            EXPECT_FALSE(judge_typed(u"", r));
        }
        const QString first = r.choice_text(1);
        if (value.match(first).hasMatch())
            ++values;
        else if (command.match(first).hasMatch())
            ++commands;
        else
            ADD_FAILURE() << "record " << i
                          << ": neither a command nor a value: " << first.toStdString();
    }
    EXPECT_EQ(commands, 65);
    EXPECT_EQ(values, 3);
}
