#pragma once

// The diagram viewer: one window for every diagram button, the picture
// stretched to fill it.

#include "form.h"

#include <memory>

class QLabel;
class QPushButton;

namespace examdeck {

class diagram_form : public forms::form {
    Q_OBJECT

  public:
    explicit diagram_form(forms::program& owner);
    ~diagram_form() override;

    struct controls {
        QPushButton* Command1;
        QLabel* Image1;
    };
    controls& ui();

    // Shows the picture in the named file. A name that is not an ordinary
    // file does nothing; a file that can't be read or decoded does nothing
    // either, and says why on standard error.
    void open_picture(const QString& file);

  protected:
    QWidget* build() override;
    void forget_widgets() override;

  private:
    std::unique_ptr<controls> ui_;
};

} // namespace examdeck
