#pragma once

// The exhibit viewer: the text of an exhibit file, centred on the screen at
// every opening.

#include "form.h"

class QPlainTextEdit;
class QPushButton;

namespace examdeck {

struct exhibit_controls {
    QPlainTextEdit* Text1;
    QPushButton* Command1;
};

class exhibit_form : public forms::designed_form<exhibit_controls> {
    Q_OBJECT

  public:
    explicit exhibit_form(forms::program& owner);

    // Shows the text of the named file. A name that is not an ordinary file,
    // or a file that can't be read, does nothing.
    void open_text(const QString& file);

  protected:
    QWidget* build() override;
};

} // namespace examdeck
