#include "harness.h"

#include "answer_form.h"
#include "quiz_rules.h"
#include "shell/app_windows.h"
#include "toggle_button.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace examdeck::testing {

void click(QWidget* widget)
{
    if (!widget)
        throw std::runtime_error("click on a control that is not there");
    // A text box takes its clicks on its viewport.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget))
        widget = area->viewport();
    // Time passes between two clicks of a user: pending events (window
    // activation among them) are handled first.
    QApplication::processEvents();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void type_text(QWidget* widget, const QString& text)
{
    widget->setFocus();
    QTest::keyClicks(widget, text);
}

void press_key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

void close_from_title_bar(QWidget* window)
{
    QCloseEvent event;
    QApplication::sendEvent(window, &event);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

modal_answerer::modal_answerer(how answer) : how_(answer)
{
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &modal_answerer::poll);
    timer_.start();
}

modal_answerer::~modal_answerer() = default;

void modal_answerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    modal_seen record{modal->windowTitle(), {}, quiz_state.right_count, {}};
    if (auto* score =
            windows().quest ? control<QLabel>(*windows().quest, QStringLiteral("score")) : nullptr)
        record.score = score->text();
    QAbstractButton* answer = nullptr;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        record.text = box->text();
        answer = box->button(QMessageBox::Ok);
    } else if (auto* text = modal->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))) {
        record.text = text->toPlainText();
        answer = modal->findChild<QPushButton*>(QStringLiteral("Closeb"));
    }
    seen.push_back(record);
    if (on_modal)
        on_modal(modal);
    if (how_ == how::title_bar || !answer)
        close_from_title_bar(modal);
    else
        click(answer);
}

program_run::program_run()
{
    clear_bank();
    quiz_state = quiz_state_t{};
    app_ = std::make_unique<app>();
    app_->start();
}

program_run::~program_run()
{
    app_.reset();
    settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    quiz_state = quiz_state_t{};
    clear_bank();
}

void program_run::agree()
{
    click(control(app_->Welcome, QStringLiteral("Start_Quiz")));
}

void program_run::start_quiz(const options& chosen)
{
    agree();
    const forms::form& setup = app_->pick_a_quiz;
    click(control(setup, QStringLiteral("which_quiz_%1").arg(chosen.quiz)));
    auto set = [&](const char* name, bool on) {
        auto* box = control<QCheckBox>(setup, QString::fromLatin1(name));
        if (box->isChecked() != on)
            click(box);
    };
    set("answer_when_wrong", chosen.show_when_wrong);
    set("answer_when_right", chosen.show_when_right);
    set("random_questions", chosen.shuffle_questions);
    set("random_answers", chosen.shuffle_answers);
    click(control(setup, QStringLiteral("Command1")));
}

void program_run::answer_right()
{
    const question_record& q = quiz_state.current_question;
    const forms::form& quest = app_->quest;
    if (is_fill_in(q.question_type)) {
        type_text(control(quest, QStringLiteral("abox_1")), q.choice_text(1));
    } else {
        for (int i = 1; i <= 6; ++i) {
            auto* toggle =
                control<forms::toggle_button>(quest, QStringLiteral("QChoice_%1").arg(i));
            if (!toggle->isHidden() && toggle->pressed() != (q.choice_correct(i) == 1))
                click(toggle);
        }
    }
    next();
}

void program_run::answer_wrong()
{
    const question_record& q = quiz_state.current_question;
    const forms::form& quest = app_->quest;
    if (is_fill_in(q.question_type)) {
        type_text(control(quest, QStringLiteral("abox_1")), QStringLiteral("no such command"));
    } else {
        // Press every visible toggle: no record has every choice correct
        // but the two-choice one, where pressing none is wrong.
        const bool all = count_choices(q) > 2;
        for (int i = 1; i <= 6; ++i) {
            auto* toggle =
                control<forms::toggle_button>(quest, QStringLiteral("QChoice_%1").arg(i));
            if (!toggle->isHidden() && toggle->pressed() != all)
                click(toggle);
        }
    }
    next();
}

void program_run::next()
{
    click(control(app_->quest, QStringLiteral("NextButton")));
}

int live_windows_named(const QString& name)
{
    // Windows already closed are deleted once control is back in the event
    // loop; the test is there now.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->objectName() == name;
    return n;
}

} // namespace examdeck::testing
