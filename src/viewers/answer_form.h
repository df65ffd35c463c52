#pragma once

// The answer window: the verdict, the correct answer, the question and the
// explanation, shown modally after a question has been judged.

#include "form.h"

#include <memory>

class QPlainTextEdit;
class QPushButton;

namespace examdeck {

class answer_form : public forms::form {
    Q_OBJECT

  public:
    explicit answer_form(forms::program& owner);
    ~answer_form() override;

    struct controls {
        QPlainTextEdit* Text1;
        QPushButton* Closeb;
    };
    controls& ui();

    // Loads the window afresh, puts the text in, centres it, shows it
    // modally until the user closes it, and unloads it.
    void show_text(const QString& text);

  protected:
    QWidget* build() override;
    void forget_widgets() override;

  private:
    std::unique_ptr<controls> ui_;
};

} // namespace examdeck
