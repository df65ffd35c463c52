// Sequences of user actions that once went wrong, or that guard a rule the
// fuzzer checks, replayed through the real windows with its invariants.

#include "fuzz_driver.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace examdeck::fuzz;

namespace {

void expect_sound(std::uint64_t seed, std::initializer_list<const char*> lines)
{
    std::vector<action> list;
    for (const char* line : lines) {
        action a;
        ASSERT_TRUE(action::parse(QString::fromUtf8(line), a)) << line;
        list.push_back(a);
    }
    const QString old_dir = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(EXAMDECK_DATA_DIR));
    const outcome result = replay(seed, list);
    QDir::setCurrent(old_dir);
    EXPECT_FALSE(result.failed) << result.violation.toStdString();
    EXPECT_EQ(result.events, static_cast<long>(list.size())) << "every action could be performed";
}

} // namespace

// A diagram hidden by its own Close button must not keep an invisible
// program running once the quiz window is closed from its title bar.
TEST(fuzz_regressions, hidden_diagram_then_quiz_window_closed)
{
    expect_sound(3,
                 {"3\tWelcome\tStart_Quiz\t\t32\t0", "0\tpick_a_quiz\trandom_questions\t\t0\t0",
                  "0\tpick_a_quiz\tanswer_when_wrong\t\t0\t0", "0\tpick_a_quiz\tCommand1\t\t0\t0",
                  "0\tquest\tNextButton\t\t0\t0", "0\tquest\tNextButton\t\t0\t0",
                  "0\tquest\tNextButton\t\t0\t0", "0\tquest\tdiagrambutton_1\t\t0\t0",
                  "0\tDiagram\tCommand1\t\t0\t0", "4\tquest\t\t\t0\t0"});
}

TEST(fuzz_regressions, a_short_random_run_keeps_every_invariant)
{
    const QString old_dir = QDir::currentPath();
    QDir::setCurrent(QStringLiteral(EXAMDECK_DATA_DIR));
    const outcome result = run_random(20261211, 1500);
    QDir::setCurrent(old_dir);
    EXPECT_FALSE(result.failed) << result.violation.toStdString();
    EXPECT_GE(result.events, 1500);
}
