#include "design.h"

#include <QEvent>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <cmath>

namespace examdeck::forms {

namespace {

class focus_passer : public QObject {
  public:
    focus_passer(QWidget* from, QWidget* target) : QObject(from), target_(target) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && target_)
            target_->setFocus();
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> target_;
};

} // namespace

void pass_focus(QWidget* from, QWidget* target)
{
    from->installEventFilter(new focus_passer(from, target));
}

void set_tab_order(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 0; i + 1 < controls.size(); ++i)
        QWidget::setTabOrder(controls[i], controls[i + 1]);
}

void map_design_fonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont design_font(const char* family, double points, bool bold)
{
    // Resolving the mapped family here spares the font system a search for
    // a family that is not installed, once for every font of every window.
    QFont font(QFont::substitute(QString::fromLatin1(family)));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont default_window_font()
{
    return design_font("MS Sans Serif", 8.25);
}

void set_inner_size(QWidget* window, double width, double height, bool fixed)
{
    const QSize size(to_pixels(width), to_pixels(height));
    if (fixed)
        window->setFixedSize(size);
    else
        window->resize(size);
}

QWidget* design_window(const QString& caption, double width, double height, border kind)
{
    const Qt::WindowFlags flags = kind == border::sizable
                                      ? Qt::Window
                                      : Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    auto* w = new QWidget(nullptr, flags);
    w->setWindowTitle(caption);
    w->setFont(default_window_font());
    set_inner_size(w, width, height, kind == border::fixed_dialog);
    return w;
}

twips_layout::twips_layout(QWidget* window, QSizeF inner_design_size, bool proportional)
    : QObject(window), window_(window), design_(inner_design_size), proportional_(proportional)
{
    window->installEventFilter(this);
}

void twips_layout::add(QWidget* control, const QRectF& twips)
{
    controls_[control] = twips;
    QObject::connect(control, &QObject::destroyed, this,
                     [this, control] { controls_.erase(control); });
    apply(control, twips);
}

void twips_layout::set_height(QWidget* control, double height)
{
    const auto it = controls_.find(control);
    if (it == controls_.end())
        return;
    it->second.setHeight(height / scale_y());
    apply(control, it->second);
}

double twips_layout::current_height(const QWidget* control) const
{
    const auto it = controls_.find(const_cast<QWidget*>(control));
    if (it == controls_.end())
        return 0;
    return it->second.height() * scale_y();
}

double twips_layout::scale_x() const
{
    return proportional_ && window_->width() > 0 ? to_twips(window_->width()) / design_.width()
                                                 : 1.0;
}

double twips_layout::scale_y() const
{
    return proportional_ && window_->height() > 0 ? to_twips(window_->height()) / design_.height()
                                                  : 1.0;
}

void twips_layout::apply(QWidget* control, const QRectF& twips) const
{
    const double sx = scale_x();
    const double sy = scale_y();
    // Edges are rounded, not sizes, so that neighbours meet exactly.
    const int left = to_pixels(twips.left() * sx);
    const int top = to_pixels(twips.top() * sy);
    const int right = to_pixels(twips.right() * sx);
    const int bottom = to_pixels(twips.bottom() * sy);
    control->setGeometry(left, top, right - left, bottom - top);
}

void twips_layout::apply_all() const
{
    for (const auto& [control, twips] : controls_)
        apply(control, twips);
}

bool twips_layout::eventFilter(QObject* watched, QEvent* event)
{
    if (proportional_ && watched == window_ && event->type() == QEvent::Resize)
        apply_all();
    return QObject::eventFilter(watched, event);
}

} // namespace examdeck::forms
