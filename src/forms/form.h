#pragma once

// The window model every window of the program follows:
// - a form exists once for the whole run;
// - its widgets are built from its design on first use (showing or hiding
//   it, or reading or setting anything on it), which runs its load procedure;
// - hiding keeps it loaded; closing runs its unload procedure and discards
//   the widgets, and the next use builds them afresh;
// - closing a form that is not loaded, is still running its load procedure,
//   or is already closing does nothing;
// - the close box of the title bar closes it like a close from code;
// - the form object outlives its widgets, so that a procedure goes on running
//   after its own window has been closed; widgets are deleted later, never
//   under a running handler.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class QEventLoop;

namespace examdeck::forms {

class program;

class form : public QObject {
    Q_OBJECT

  public:
    form(program& owner, QString name);
    ~form() override;

    const QString& name() const { return name_; }

    // These only ask; they never load the form.
    bool is_loaded() const { return state_ != state::unloaded; }
    bool is_loading() const { return state_ == state::loading; }
    // The top-level widget if the form is loaded, else null.
    QWidget* loaded_window() const { return widget_; }

    // First use: loads the form when it is not loaded.
    QWidget* window();
    void load() { window(); }
    void show();
    void hide();
    // Shows the form as a modal window and returns when it is hidden or
    // closed.
    void show_modal();
    // Unloads the form: runs its unload procedure and discards the widgets.
    void close();

    // Discards the widgets without running the unload procedure (the
    // program is ending).
    void abandon();

  protected:
    // Builds the widgets from the design, hidden, and returns the top-level
    // widget.
    virtual QWidget* build() = 0;
    // Forgets the pointers to the widgets of a discarded window.
    virtual void forget_widgets() {}
    virtual void load_procedure() {}
    virtual void unload_procedure() {}
    // The user closed the window from its title bar.
    virtual void close_box_procedure() { close(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

    program& owner() const { return owner_; }

  private:
    void discard_widget();

    enum class state { unloaded, loading, loaded, unloading };

    program& owner_;
    QString name_;
    state state_ = state::unloaded;
    QPointer<QWidget> widget_;
    QEventLoop* modal_loop_ = nullptr;
};

// A form whose controls are reached through ui(); using them loads the
// form. build() hands the controls it made to ui_.
template <typename Controls> class designed_form : public form {
  public:
    using controls = Controls;
    using form::form;

    Controls& ui()
    {
        load();
        return *ui_;
    }

  protected:
    std::unique_ptr<Controls> ui_;

  private:
    void forget_widgets() override { ui_.reset(); }
};

} // namespace examdeck::forms
