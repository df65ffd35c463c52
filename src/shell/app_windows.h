#pragma once

// The six windows of the program, reachable from each window's code so that
// windows can show and close each other as designed. Headers of the windows
// never include each other; only their .cpp files reach across, through here.

namespace examdeck {

class welcome_form;
class setup_form;
class quest_form;
class diagram_form;
class exhibit_form;
class answer_form;

struct app_windows {
    welcome_form* Welcome = nullptr;
    setup_form* pick_a_quiz = nullptr;
    quest_form* quest = nullptr;
    diagram_form* Diagram = nullptr;
    exhibit_form* Exhibit = nullptr;
    answer_form* theanswer = nullptr;
};

// The windows of the running program.
app_windows& windows();

} // namespace examdeck
