#pragma once

// One run of the program: its six windows and the start-up procedure.

#include "program.h"
#include "quiz/quest_form.h"
#include "quiz/setup_form.h"
#include "shell/welcome_form.h"
#include "viewers/answer_form.h"
#include "viewers/diagram_form.h"
#include "viewers/exhibit_form.h"

namespace examdeck {

class app {
  public:
    app();
    ~app();
    app(const app&) = delete;
    app& operator=(const app&) = delete;

    // Brings up the start window. From here on the program runs on events.
    void start();

    forms::program program;
    welcome_form Welcome{program};
    setup_form pick_a_quiz{program};
    quest_form quest{program};
    diagram_form Diagram{program};
    exhibit_form Exhibit{program};
    answer_form theanswer{program};
};

// Once per process, after the application object exists: the design fonts
// and the program icon.
void prepare_application();

} // namespace examdeck
