#pragma once

// The diagram viewer: one window for every diagram button, the picture
// stretched to fill it.

#include "form.h"

class QLabel;
class QPushButton;

namespace examdeck {

struct diagram_controls {
    QPushButton* Command1;
    QLabel* Image1;
};

class diagram_form : public forms::designed_form<diagram_controls> {
    Q_OBJECT

  public:
    explicit diagram_form(forms::program& owner);

    // Shows the picture in the named file. A name that is not an ordinary
    // file does nothing; a file that can't be read or decoded does nothing
    // either, and says why on standard error.
    void open_picture(const QString& file);

  protected:
    QWidget* build() override;
};

} // namespace examdeck
