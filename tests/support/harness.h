#pragma once

// Driving the program's real windows as a user would: find a control by
// name, click it, type into it, close a window from its title bar, and
// answer the modal windows that come up.

#include "app/app.h"
#include "question_bank.h"
#include "quiz_state.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace examdeck::testing {

// A control of a loaded window, by name; null when the window is not loaded
// or has no such control. Never loads the window.
template <typename T = QWidget> T* control(const forms::form& window, const QString& name)
{
    QWidget* w = window.loaded_window();
    return w ? w->findChild<T*>(name) : nullptr;
}

void click(QWidget* widget);
void type_text(QWidget* widget, const QString& text);
void press_key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The close box of the title bar.
void close_from_title_bar(QWidget* window);
// Lets queued events (such as the check for the program's end) run.
void settle();

// What a modal window showed when it came up.
struct modal_seen {
    QString title;
    QString text;
    int right_count;
    QString score;
};

// Answers every modal window that comes up while it lives: records its title
// and text and presses OK or Close (or, when asked, closes it from its title
// bar). Tied to its own lifetime, so that no timer outlives a test.
class modal_answerer : public QObject {
  public:
    enum class how { button, title_bar };
    explicit modal_answerer(how answer = how::button);
    ~modal_answerer() override;

    std::vector<modal_seen> seen;
    // Called with each modal window before it is answered.
    std::function<void(QWidget*)> on_modal;

  private:
    void poll();
    how how_;
    QTimer timer_;
};

// A fresh run of the program: the bank and quiz state as at process start,
// the six windows, and the start-up procedure.
class program_run {
  public:
    program_run();
    ~program_run();

    app& the_app() { return *app_; }
    bool ended() const { return app_->program.has_ended(); }

    // "I Agree" on the start window, then the setup window's options and
    // "Start the Quiz".
    struct options {
        int quiz = 1;
        bool show_when_wrong = true;
        bool show_when_right = false;
        bool shuffle_questions = true;
        bool shuffle_answers = true;
    };
    void agree();
    void start_quiz(const options& chosen);
    void start_quiz() { start_quiz(options{}); }

    // The shown question answered from the bank's answer key (or wrongly),
    // then NEXT.
    void answer_right();
    void answer_wrong();
    void next();

  private:
    std::unique_ptr<app> app_;
};

// The number of live top-level widgets that belong to the program's windows.
int live_windows_named(const QString& name);

} // namespace examdeck::testing
