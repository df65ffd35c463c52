#include "form.h"

#include "program.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QWidget>

namespace examdeck::forms {

form::form(program& owner, QString name) : owner_(owner), name_(std::move(name))
{
    owner_.add(this);
}

form::~form()
{
    abandon();
    owner_.remove(this);
}

QWidget* form::window()
{
    if (state_ != state::unloaded)
        return widget_;
    QWidget* widget = build();
    widget->setObjectName(name_);
    widget->installEventFilter(this);
    widget_ = widget;
    state_ = state::loading;
    load_procedure();
    if (state_ == state::loading)
        state_ = state::loaded;
    return widget_;
}

void form::show()
{
    QWidget* w = window();
    if (!w)
        return;
    // Showing a window brings it to the front, ready for the keyboard.
    w->show();
    w->raise();
    w->activateWindow();
}

void form::hide()
{
    QWidget* w = window();
    if (w)
        w->hide();
}

void form::show_modal()
{
    QWidget* w = window();
    if (!w)
        return;
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->activateWindow();
    QEventLoop loop;
    modal_loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modal_loop_ = nullptr;
}

void form::close()
{
    if (state_ != state::loaded)
        return;
    state_ = state::unloading;
    unload_procedure();
    discard_widget();
    owner_.form_closed();
}

void form::abandon()
{
    if (state_ == state::unloaded)
        return;
    discard_widget();
}

void form::discard_widget()
{
    state_ = state::unloaded;
    if (modal_loop_)
        modal_loop_->quit();
    forget_widgets();
    if (QWidget* w = widget_) {
        widget_ = nullptr;
        w->removeEventFilter(this);
        w->hide();
        w->deleteLater();
    }
}

bool form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget_) {
        if (event->type() == QEvent::Close) {
            // The close box, or any close of the widget itself: unload the
            // form instead of letting Qt merely hide the window.
            event->ignore();
            close_box_procedure();
            return true;
        }
        if (event->type() == QEvent::Hide && modal_loop_)
            modal_loop_->quit();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace examdeck::forms
