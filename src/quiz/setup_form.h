#pragma once

// The setup window: which quiz, whether to shuffle, when to show the answer,
// and "Start the Quiz".

#include "form.h"
#include "indexed_array.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace examdeck {

struct setup_controls {
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

class setup_form : public forms::designed_form<setup_controls> {
    Q_OBJECT

  public:
    explicit setup_form(forms::program& owner);

    // "Start the Quiz".
    void Command1_Click();

  protected:
    QWidget* build() override;
    void load_procedure() override;
    void unload_procedure() override;
};

} // namespace examdeck
