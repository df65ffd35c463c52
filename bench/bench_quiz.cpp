// Loading the bank, one press of NEXT, and a whole quiz, on the offscreen
// platform.

#include "harness.h"
#include "quiz/quest_form.h"

#include <benchmark/benchmark.h>

using namespace examdeck;
using namespace examdeck::testing;

static void load_bank_once(benchmark::State& state)
{
    for (auto _ : state) {
        load_bank();
        benchmark::DoNotOptimize(question_bank(228));
    }
    clear_bank();
}
BENCHMARK(load_bank_once);

// Judging the shown question and showing the next one, as NEXT does, with
// no answer window.
static void next_press(benchmark::State& state)
{
    program_run run;
    program_run::options quiet;
    quiet.show_when_wrong = false;
    run.start_quiz(quiet);
    quest_form& quest = run.the_app().quest;
    for (auto _ : state) {
        quest.check_answer();
        quest.show_quest();
        if (quiz_state.question_count >= quiz_state.questions_per_quiz) {
            state.PauseTiming();
            quiz_state.question_count = 0;
            quiz_state.right_count = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(next_press)->Unit(benchmark::kMicrosecond);

// "Start the Quiz", 57 answers through the real buttons, and the result
// message answered.
static void whole_quiz(benchmark::State& state)
{
    program_run run;
    program_run::options quiet;
    quiet.show_when_wrong = false;
    for (auto _ : state) {
        run.start_quiz(quiet);
        modal_answerer answers;
        for (int i = 0; i < 57; ++i)
            run.answer_right();
        benchmark::DoNotOptimize(answers.seen.size());
    }
}
BENCHMARK(whole_quiz)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    prepare_application();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
