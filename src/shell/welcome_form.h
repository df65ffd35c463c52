#pragma once

// The start window: the bank's title and author, the agreement, "I Agree"
// and "Exit".

#include "form.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace examdeck {

class welcome_form : public forms::form {
    Q_OBJECT

  public:
    explicit welcome_form(forms::program& owner);
    ~welcome_form() override;

    struct controls {
        QLabel* Image1;
        QLineEdit* test_name;
        QLabel* lblLabels_2;
        QLineEdit* author_name2;
        QPlainTextEdit* test_description;
        QLabel* Label1;
        QPushButton* Start_Quiz;
        QPushButton* Command1;
    };
    // The controls; first use loads the window.
    controls& ui();

    void Start_Quiz_Click();
    void Command1_Click();

  protected:
    QWidget* build() override;
    void forget_widgets() override;
    void load_procedure() override;
    void unload_procedure() override;

  private:
    std::unique_ptr<controls> ui_;
};

} // namespace examdeck
