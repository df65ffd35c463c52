#pragma once

// The exhibit viewer: the text of an exhibit file, centred on the screen at
// every opening.

#include "form.h"

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace examdeck {

class exhibit_form : public forms::form {
    Q_OBJECT

  public:
    explicit exhibit_form(forms::program& owner);
    ~exhibit_form() override;

    struct controls {
        QPlainTextEdit* Text1;
        QPushButton* Command1;
    };
    controls& ui();

    // Shows the text of the named file. A name that is not an ordinary file,
    // or a file that can't be read, does nothing.
    void open_text(const QString& file);

  protected:
    QWidget* build() override;
    void forget_widgets() override;

  private:
    std::unique_ptr<controls> ui_;
};

} // namespace examdeck
