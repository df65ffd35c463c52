#pragma once

// Building windows from designs given in twips (1440 per inch; 15 twips per
// device-independent pixel, Qt scaling the rest on high-DPI screens).

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRectF>
#include <QSize>
#include <QString>
#include <unordered_map>
#include <vector>

class QWidget;

namespace examdeck::forms {

inline constexpr double twips_per_pixel = 15.0;

inline int to_pixels(double twips)
{
    return static_cast<int>(std::lround(twips / twips_per_pixel));
}

inline double to_twips(int pixels)
{
    return pixels * twips_per_pixel;
}

// Passes the keyboard focus on to another control whenever from receives
// it, so that the focus always rests on target.
void pass_focus(QWidget* from, QWidget* target);

// Sets the keyboard order of the controls, first to last.
void set_tab_order(const std::vector<QWidget*>& controls);

// Maps the fonts the designs name to installed ones with the same metrics.
// Call once, after the application object exists.
void map_design_fonts();

// A font of the designs: family and size in points.
QFont design_font(const char* family, double points, bool bold = false);
// The default font of a window whose design names none.
QFont default_window_font();

// Sets the inner (client) size of a window in twips.
void set_inner_size(QWidget* window, double width, double height, bool fixed);

// A hidden top-level window of a design: its caption, the default font,
// its inner size in twips, and either the ordinary sizable border or a fixed
// dialog border with only a close box.
enum class border { sizable, fixed_dialog };
QWidget* design_window(const QString& caption, double width, double height, border kind);

// Keeps every registered control at its design geometry, in proportion to
// the window's inner size. With a fixed window it simply places them.
// Geometry that code changes at run time goes through set_height, in design
// units, so that a later resize scales it instead of restoring the design.
class twips_layout : public QObject {
  public:
    twips_layout(QWidget* window, QSizeF inner_design_size, bool proportional = true);

    // Names control and places it at (left, top, width, height) twips in
    // its parent.
    template <typename W>
    W* place(W* control, const QString& name, double left, double top, double width, double height)
    {
        control->setObjectName(name);
        add(control, QRectF(left, top, width, height));
        return control;
    }
    void set_height(QWidget* control, double height);
    // The control's height now, in twips of the window as it is sized now.
    double current_height(const QWidget* control) const;

  private:
    void add(QWidget* control, const QRectF& twips);
    double scale_x() const;
    double scale_y() const;
    void apply(QWidget* control, const QRectF& twips) const;
    void apply_all() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* window_;
    QSizeF design_;
    bool proportional_;
    std::unordered_map<QWidget*, QRectF> controls_;
};

} // namespace examdeck::forms
