#pragma once

// The answer window: the verdict, the correct answer, the question and the
// explanation, shown modally after a question has been judged.

#include "form.h"

class QPlainTextEdit;
class QPushButton;

namespace examdeck {

struct answer_controls {
    QPlainTextEdit* Text1;
    QPushButton* Closeb;
};

class answer_form : public forms::designed_form<answer_controls> {
    Q_OBJECT

  public:
    explicit answer_form(forms::program& owner);

    // Loads the window afresh, puts the text in, centres it, shows it
    // modally until the user closes it, and unloads it.
    void show_text(const QString& text);

  protected:
    QWidget* build() override;
};

} // namespace examdeck
