#pragma once

// The setup window: which quiz, whether to shuffle, when to show the answer,
// and "Start the Quiz".

#include "form.h"
#include "indexed_array.h"

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace examdeck {

class setup_form : public forms::form {
    Q_OBJECT

  public:
    explicit setup_form(forms::program& owner);
    ~setup_form() override;

    struct controls {
        QGroupBox* Frame1;
        indexed_array<QRadioButton*, 1, 4> which_quiz;
        QGroupBox* Frame2;
        QLabel* Label1;
        QCheckBox* answer_when_wrong;
        QCheckBox* answer_when_right;
        QGroupBox* Frame3;
        QCheckBox* random_questions;
        QCheckBox* random_answers;
        QPushButton* Command1;
    };
    controls& ui();

    // "Start the Quiz".
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
