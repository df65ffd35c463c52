#include "centre_form.h"

#include "design.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace examdeck {

float centred_position(float screen, float window, float offset)
{
    return (screen - window) / 2.0f - offset;
}

void centre_form(forms::form& window, float x_offset, float y_offset)
{
    QWidget* w = window.window();
    if (!w)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window that has never been shown learns its frame from the window
    // system once it exists there.
    w->winId();
    const QSize outer = w->frameGeometry().size();
    const QSize area = screen->geometry().size();
    const float left =
        centred_position(static_cast<float>(forms::to_twips(area.width())),
                         static_cast<float>(forms::to_twips(outer.width())), x_offset);
    const float top =
        centred_position(static_cast<float>(forms::to_twips(area.height())),
                         static_cast<float>(forms::to_twips(outer.height())), y_offset);
    w->move(screen->geometry().topLeft() + QPoint(forms::to_pixels(left), forms::to_pixels(top)));
}

} // namespace examdeck
