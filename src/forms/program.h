#pragma once

// Keeps the forms of a run and ends the program when no form is loaded any
// more, hidden ones included. The check runs after the current event has
// been handled, never in the middle of a procedure.

#include <QObject>
#include <vector>

namespace examdeck::forms {

class form;

class program : public QObject {
    Q_OBJECT

  public:
    program();
    ~program() override;

    const std::vector<form*>& forms() const { return forms_; }
    bool any_loaded() const;
    bool has_ended() const { return ended_; }

    // Ends the program at once: every window disappears and no unload
    // procedure runs.
    void end_now();

    // Called by a form after it has been closed.
    void form_closed();

  signals:
    void ended();

  private:
    friend class form;
    void add(form* f) { forms_.push_back(f); }
    void remove(form* f);
    void check_end();

    std::vector<form*> forms_;
    bool check_pending_ = false;
    bool ended_ = false;
};

} // namespace examdeck::forms
