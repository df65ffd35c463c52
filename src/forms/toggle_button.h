#pragma once

// The two-state answer toggle: a click (or Space) flips its pressed state,
// code sets and reads it. Released it is a raised grey key; pressed it is a
// sunken navy key with a white check mark.

#include <QAbstractButton>

namespace examdeck::forms {

class toggle_button : public QAbstractButton {
    Q_OBJECT

  public:
    explicit toggle_button(QWidget* parent = nullptr);

    bool pressed() const { return isChecked(); }
    void set_pressed(bool on) { setChecked(on); }

    QSize sizeHint() const override { return {49, 33}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace examdeck::forms
