#pragma once

// The start window: the bank's title and author, the agreement, "I Agree"
// and "Exit".

#include "form.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace examdeck {

struct welcome_controls {
    QLabel* Image1;
    QLineEdit* test_name;
    QLabel* lblLabels_2;
    QLineEdit* author_name2;
    QPlainTextEdit* test_description;
    QLabel* Label1;
    QPushButton* Start_Quiz;
    QPushButton* Command1;
};

class welcome_form : public forms::designed_form<welcome_controls> {
    Q_OBJECT

  public:
    explicit welcome_form(forms::program& owner);

    void Start_Quiz_Click();
    void Command1_Click();

  protected:
    QWidget* build() override;
    void load_procedure() override;
    void unload_procedure() override;
};

} // namespace examdeck
