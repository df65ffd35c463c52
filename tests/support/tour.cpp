// Takes the program through its windows under a real X server and saves a
// screenshot of the whole screen at each stop, for people to look at:
//   DISPLAY=:5 build/tests/examdeck_tour <folder>
// (Xvfb started with -noreset, and a window manager for the frames).

#include "harness.h"
#include "quiz_rules.h"
#include "toggle_button.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cstdio>

using namespace examdeck;
using namespace examdeck::testing;

namespace {

QString folder;

void shot(const char* name)
{
    QTest::qWait(400);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const QString path = folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".png");
    screen.save(path);
    std::printf("%s\n", qPrintable(path));
}

// Moves on to the first question of the shown quiz that satisfies want.
template <typename Want> void skip_to(program_run& run, Want want)
{
    while (!want(quiz_state.current_question) &&
           quiz_state.question_count < quiz_state.questions_per_quiz)
        run.answer_right();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    prepare_application();
    folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    QDir::setCurrent(QStringLiteral(EXAMDECK_DATA_DIR));

    program_run run;
    shot("01-start");
    run.agree();
    shot("02-setup");
    click(control(run.the_app().pick_a_quiz, QStringLiteral("which_quiz_1")));
    click(control(run.the_app().pick_a_quiz, QStringLiteral("random_questions")));
    click(control(run.the_app().pick_a_quiz, QStringLiteral("answer_when_right")));
    {
        modal_answerer answers;
        answers.on_modal = [](QWidget*) {
            static int n = 0;
            if (n++ == 0)
                shot("06-answer-right");
        };
        click(control(run.the_app().pick_a_quiz, QStringLiteral("Command1")));
        // A multiple-choice question with one toggle pressed.
        skip_to(run, [](const question_record& q) {
            return !is_fill_in(q.question_type) && count_choices(q) >= 5;
        });
        click(control(run.the_app().quest, QStringLiteral("QChoice_2")));
        shot("03-multiple-choice");
        click(control(run.the_app().quest, QStringLiteral("QChoice_2")));
        skip_to(run, [](const question_record& q) {
            return !q.diagram_file(1).isEmpty() && !q.exhibit_file(1).isEmpty();
        });
        click(control(run.the_app().quest, QStringLiteral("diagrambutton_1")));
        shot("05a-diagram");
        click(control(run.the_app().quest, QStringLiteral("exhibitbutton_1")));
        shot("05b-diagram-and-exhibit");
        skip_to(run, [](const question_record& q) { return is_fill_in(q.question_type); });
        type_text(control(run.the_app().quest, QStringLiteral("abox_1")),
                  QStringLiteral("ipx rou"));
        shot("04-fill-in");
    }
    {
        modal_answerer answers;
        answers.on_modal = [](QWidget*) { shot("07-answer-wrong"); };
        run.answer_wrong();
    }
    {
        modal_answerer answers;
        for (int i = 0; i < 6; ++i)
            run.answer_wrong();
        shot("08-gauge");
        answers.on_modal = [](QWidget*) { shot("09-result"); };
        click(control(run.the_app().quest, QStringLiteral("quitquiz")));
    }
    shot("10-start-again");
    return 0;
}
