#pragma once

// The quiz window: one question at a time, with its choices and toggles or
// its typing box, the question's number and QID, the running score, the
// percentage and the gauge, and buttons for the question's attachments.

#include "form.h"
#include "indexed_array.h"

class QLabel;
class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace examdeck::forms {
class toggle_button;
class twips_layout;
} // namespace examdeck::forms

namespace examdeck {

struct quest_controls {
    forms::twips_layout* layout;
    QPushButton* quitquiz;
    QPushButton* cluebutton;
    QFrame* the_gauge;
    indexed_array<QPushButton*, 1, 3> exhibitbutton;
    indexed_array<QPushButton*, 1, 3> diagrambutton;
    QFrame* Gauge1;
    QPushButton* NextButton;
    indexed_array<QPlainTextEdit*, 1, 6> abox;
    QPlainTextEdit* Q1;
    indexed_array<forms::toggle_button*, 1, 6> QChoice;
    QLabel* Image1;
    QLabel* typestuff;
    QFrame* Line3;
    QFrame* Line2;
    QFrame* Line1;
    QLabel* qid;
    QLabel* question_number;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* score;
    QLabel* Percent_Right;
    QLabel* Directions;
};

class quest_form : public forms::designed_form<quest_controls> {
    Q_OBJECT

  public:
    explicit quest_form(forms::program& owner);

    // The window's procedures.
    void show_quest();
    void clear_the_boxes();
    void check_answer();
    void show_answer();
    void end_the_test();

    // Its buttons.
    void NextButton_Click();
    void quitquiz_Click();
    void cluebutton_Click();
    void diagrambutton_Click(int index);
    void exhibitbutton_Click(int index);

  protected:
    QWidget* build() override;
    void load_procedure() override;
    void unload_procedure() override;
    void close_box_procedure() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void set_gauge();
};

} // namespace examdeck
