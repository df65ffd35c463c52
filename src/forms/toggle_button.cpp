#include "toggle_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>

namespace examdeck::forms {

toggle_button::toggle_button(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void toggle_button::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool on = isChecked();
    const bool down = isDown();

    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (on) {
        fill.setColorAt(0, QColor(0, 0, 96));
        fill.setColorAt(1, QColor(20, 40, 150));
    } else {
        fill.setColorAt(0, down ? QColor(200, 200, 200) : QColor(250, 250, 250));
        fill.setColorAt(1, down ? QColor(180, 180, 180) : QColor(210, 210, 210));
    }
    p.setPen(QPen(on ? QColor(0, 0, 60) : QColor(120, 120, 120), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5, 5);

    // The box that takes the check mark.
    const double side = std::min(r.width(), r.height()) * 0.62;
    const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setPen(QPen(on ? Qt::white : QColor(90, 90, 90), 1.5));
    p.setBrush(on ? QColor(0, 0, 128) : Qt::white);
    p.drawRect(box);
    if (on) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.18, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.78);
        tick.lineTo(box.left() + side * 0.84, box.top() + side * 0.22);
        p.setPen(QPen(Qt::white, std::max(2.0, side * 0.16), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 160, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    }
}

} // namespace examdeck::forms
