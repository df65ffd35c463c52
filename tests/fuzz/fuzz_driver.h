#pragma once

// Drives the real windows with random user actions, or replays a recorded
// list of them, checking the program's invariants after every action.

#include <QString>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace examdeck::fuzz {

// One thing a user did, named by what they did it to, so that it can be
// replayed from a list.
struct action {
    enum class kind { click, click_text, type, key, close, resize };
    kind what = kind::click;
    QString window;  // objectName of the top-level window
    QString control; // objectName (or the text of an unnamed button)
    QString text;    // typed text
    int number = 0;  // key, or width for a resize
    int number2 = 0; // height for a resize

    QString describe() const;
    QString serialise() const;
    static bool parse(const QString& line, action& out);
};

struct outcome {
    bool failed = false;
    QString violation;           // what went wrong
    std::vector<action> actions; // every action performed, the failing one last
    long events = 0;
    int runs = 0;             // program runs started (each from start-up)
    int quizzes_ended = 0;    // result messages seen
    int answer_windows = 0;   // answer windows seen
    int deepest_question = 0; // the furthest question reached
};

// Random actions: the seed decides the actions and the program's own random
// draws. log, when set, is called with each action before it is performed.
outcome run_random(std::uint64_t seed, long events,
                   const std::function<void(const action&)>& log = {});

// Replays a list (actions that can't be performed at their moment are
// skipped), with the program's random draws from the seed.
outcome replay(std::uint64_t seed, const std::vector<action>& actions);

} // namespace examdeck::fuzz
