#include "program.h"

#include "form.h"

#include <QMetaObject>
#include <algorithm>

namespace examdeck::forms {

program::program() = default;

program::~program()
{
    // Forms that outlive their program must not call back into it.
    for (form* f : forms_)
        f->abandon();
}

bool program::any_loaded() const
{
    return std::any_of(forms_.begin(), forms_.end(), [](const form* f) { return f->is_loaded(); });
}

void program::remove(form* f)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
}

void program::end_now()
{
    if (ended_)
        return;
    ended_ = true;
    for (form* f : forms_)
        f->abandon();
    emit ended();
}

void program::form_closed()
{
    if (check_pending_ || ended_)
        return;
    check_pending_ = true;
    QMetaObject::invokeMethod(this, &program::check_end, Qt::QueuedConnection);
}

void program::check_end()
{
    check_pending_ = false;
    if (!ended_ && !any_loaded()) {
        ended_ = true;
        emit ended();
    }
}

} // namespace examdeck::forms
