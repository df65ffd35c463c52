#include "quest_form.h"

#include "design.h"
#include "message_box.h"
#include "quiz_rules.h"
#include "random_source.h"
#include "setup_form.h"
#include "shell/app_windows.h"
#include "shell/welcome_form.h"
#include "toggle_button.h"
#include "viewers/answer_form.h"
#include "viewers/diagram_form.h"
#include "viewers/exhibit_form.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace examdeck {

namespace {

constexpr double design_width = 9435;
constexpr double design_height = 6345;

QFrame* coloured_box(QWidget* parent, QColor colour)
{
    auto* box = new QFrame(parent);
    box->setFrameShape(QFrame::NoFrame);
    QPalette p = box->palette();
    p.setColor(QPalette::Window, colour);
    box->setPalette(p);
    box->setAutoFillBackground(true);
    return box;
}

QFrame* line(QWidget* parent, bool vertical)
{
    auto* l = new QFrame(parent);
    l->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    l->setFrameShadow(QFrame::Plain);
    l->setLineWidth(1);
    return l;
}

void set_bordered(QPlainTextEdit* box, bool bordered)
{
    box->setFrameShape(bordered ? QFrame::Box : QFrame::NoFrame);
    box->setLineWidth(1);
}

// Names and descriptions for screen readers. A label that shows a value
// keeps its text as its name (a name set on a label would hide the text)
// and says in its description what the value is.
void describe_for_screen_readers(quest_form::controls& c)
{
    c.Q1->setAccessibleName(QStringLiteral("Question"));
    for (int i = 1; i <= 6; ++i) {
        const QString letter(QChar(u'A' + i - 1));
        c.QChoice(i)->setAccessibleName(QStringLiteral("Choice ") + letter);
        c.abox(i)->setAccessibleName(QStringLiteral("Text of choice ") + letter);
    }
    c.score->setAccessibleDescription(
        QStringLiteral("Score: questions answered right, over questions answered"));
    c.Percent_Right->setAccessibleDescription(
        QStringLiteral("Percentage of questions answered right"));
    c.question_number->setAccessibleDescription(
        QStringLiteral("Number of this question in the quiz"));
    c.qid->setAccessibleDescription(
        QStringLiteral("Question ID: the number of this question in the bank"));
    c.Gauge1->setAccessibleName(QStringLiteral("Gauge of wrong answers"));
    c.Gauge1->setAccessibleDescription(QStringLiteral("No answer judged yet"));
    c.the_gauge->setAccessibleName(QStringLiteral("Wrong answers"));
}

} // namespace

quest_form::quest_form(forms::program& owner) : designed_form(owner, QStringLiteral("quest"))
{
}

QWidget* quest_form::build()
{
    auto* w = forms::design_window(QStringLiteral("Veltrane Tests - www.example.com"), design_width,
                                   design_height, forms::border::sizable);
    auto c = std::make_unique<controls>();
    auto* layout = c->layout = new forms::twips_layout(w, {design_width, design_height});
    auto button = [&](const QString& text, const QString& name, double x, double y, double wd,
                      double h) {
        auto* b = layout->place(new QPushButton(text, w), name, x, y, wd, h);
        b->setAutoDefault(true);
        return b;
    };

    c->Image1 = layout->place(new QLabel(w), QStringLiteral("Image1"), 0, 0, 615, 6375);
    c->Image1->setPixmap(QPixmap(QStringLiteral(":/examdeck/strip.png")));
    c->Image1->setScaledContents(true);

    c->Q1 = layout->place(new QPlainTextEdit(w), QStringLiteral("Q1"), 720, 120, 7815, 1335);
    c->Q1->setReadOnly(true);
    c->Q1->setFont(forms::design_font("MS Sans Serif", 12));
    c->Q1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c->Q1->setTabChangesFocus(true);
    c->Q1->installEventFilter(this);

    for (int i = 1; i <= 6; ++i) {
        const double top = 1560 + 600 * (i - 1);
        auto* toggle = new forms::toggle_button(w);
        c->QChoice(i) =
            layout->place(toggle, QStringLiteral("QChoice_%1").arg(i), 840, top, 735, 495);
        auto* box = new QPlainTextEdit(w);
        c->abox(i) = layout->place(box, QStringLiteral("abox_%1").arg(i), 1680, top, 6900, 495);
        box->setFont(forms::design_font("MS Sans Serif", 9.75));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setReadOnly(i != 1);
        set_bordered(box, false);
    }

    c->typestuff = layout->place(new QLabel(QStringLiteral("Please Type Answer in Box Above"), w),
                                 QStringLiteral("typestuff"), 2760, 2160, 4575, 375);
    c->typestuff->setFont(forms::design_font("MS Sans Serif", 12, true));
    c->typestuff->hide();

    c->Label3 = layout->place(new QLabel(QStringLiteral("Question#"), w), QStringLiteral("Label3"),
                              8640, 120, 735, 255);
    c->question_number =
        layout->place(new QLabel(w), QStringLiteral("question_number"), 8640, 480, 615, 375);
    c->question_number->setFont(forms::design_font("MS Sans Serif", 13.5));
    c->Gauge1 = layout->place(coloured_box(w, QColor(0, 0, 128)), QStringLiteral("Gauge1"), 8760,
                              1080, 495, 1815);
    c->the_gauge = layout->place(coloured_box(w, QColor(255, 0, 0)), QStringLiteral("the_gauge"),
                                 8760, 1080, 495, 15);
    c->the_gauge->raise();
    c->Percent_Right =
        layout->place(new QLabel(w), QStringLiteral("Percent_Right"), 8880, 3000, 495, 255);
    c->Line2 = layout->place(line(w, false), QStringLiteral("Line2"), 8760, 3360, 600, 15);
    c->Label2 = layout->place(new QLabel(QStringLiteral("Score:"), w), QStringLiteral("Label2"),
                              8760, 3480, 735, 255);
    c->score = layout->place(new QLabel(w), QStringLiteral("score"), 8760, 3840, 615, 255);
    c->Line1 = layout->place(line(w, false), QStringLiteral("Line1"), 8760, 4200, 600, 15);
    c->Label4 = layout->place(new QLabel(QStringLiteral("QID:"), w), QStringLiteral("Label4"), 8760,
                              4440, 1095, 255);
    c->qid = layout->place(new QLabel(w), QStringLiteral("qid"), 9120, 4680, 375, 255);
    c->Line3 = layout->place(line(w, true), QStringLiteral("Line3"), 8640, 1080, 15, 4200);

    c->cluebutton =
        button(QStringLiteral("CLUE"), QStringLiteral("cluebutton"), 720, 5160, 615, 375);
    for (int i = 1; i <= 3; ++i) {
        c->diagrambutton(i) =
            button(QStringLiteral("Diagram #%1").arg(i), QStringLiteral("diagrambutton_%1").arg(i),
                   1440 + 1200 * (i - 1), 5160, 1095, 315);
        c->exhibitbutton(i) =
            button(QStringLiteral("Exhibit #%1").arg(i), QStringLiteral("exhibitbutton_%1").arg(i),
                   5040 + 1200 * (i - 1), 5160, 1095, 315);
    }
    c->quitquiz =
        button(QStringLiteral("Quit Test"), QStringLiteral("quitquiz"), 720, 5640, 855, 495);
    c->Directions =
        layout->place(new QLabel(w), QStringLiteral("Directions"), 1920, 5640, 4575, 375);
    c->Directions->setFont(forms::design_font("MS Sans Serif", 9.75, true));
    c->NextButton =
        button(QStringLiteral("&NEXT ->"), QStringLiteral("NextButton"), 6720, 5520, 1815, 615);
    c->NextButton->setFont(forms::design_font("MS Sans Serif", 8.25, true));

    // Keyboard order: each toggle with its choice, then NEXT and the other
    // buttons.
    std::vector<QWidget*> order;
    for (int i = 1; i <= 6; ++i)
        order.insert(order.end(), {c->QChoice(i), c->abox(i)});
    order.insert(order.end(), {c->NextButton, c->quitquiz, c->cluebutton});
    order.insert(order.end(), c->diagrambutton.begin(), c->diagrambutton.end());
    order.insert(order.end(), c->exhibitbutton.begin(), c->exhibitbutton.end());
    order.push_back(c->Q1);
    forms::set_tab_order(order);

    describe_for_screen_readers(*c);

    connect(c->NextButton, &QPushButton::clicked, this, &quest_form::NextButton_Click);
    connect(c->quitquiz, &QPushButton::clicked, this, &quest_form::quitquiz_Click);
    connect(c->cluebutton, &QPushButton::clicked, this, &quest_form::cluebutton_Click);
    for (int i = 1; i <= 3; ++i) {
        connect(c->diagrambutton(i), &QPushButton::clicked, this,
                [this, i] { diagrambutton_Click(i); });
        connect(c->exhibitbutton(i), &QPushButton::clicked, this,
                [this, i] { exhibitbutton_Click(i); });
    }
    ui_ = std::move(c);
    return w;
}

bool quest_form::eventFilter(QObject* watched, QEvent* event)
{
    // The question box never keeps the focus.
    if (ui_ && watched == ui_->Q1 && event->type() == QEvent::FocusIn)
        ui_->NextButton->setFocus();
    return form::eventFilter(watched, event);
}

void quest_form::load_procedure()
{
    clear_the_boxes();
    ui_->the_gauge->hide();
}

void quest_form::unload_procedure()
{
    windows().pick_a_quiz->close();
}

void quest_form::close_box_procedure()
{
    close();
    // No viewer may keep an invisible program running once the quiz window
    // is gone.
    windows().Diagram->close();
    windows().Exhibit->close();
}

void quest_form::clear_the_boxes()
{
    controls& c = ui();
    for (int i = 1; i <= 6; ++i) {
        c.QChoice(i)->set_pressed(false);
        c.abox(i)->clear();
    }
    c.Q1->clear();
    c.Directions->clear();
    c.qid->clear();
    c.score->clear();
    c.question_number->clear();
    c.Percent_Right->clear();
}

void quest_form::show_quest()
{
    auto& s = quiz_state;
    randomize();
    ui().NextButton->setFocus();
    ++s.question_count;
    if (s.question_count > s.questions_per_quiz) {
        end_the_test();
        return;
    }
    controls& c = ui();
    s.current_index =
        static_cast<int16>(quiz_record(s.quiz_number, s.question_order(s.question_count)));
    c.qid->setText(number_text(s.current_index));
    c.question_number->setText(number_text(s.question_count));

    const question_record& record = question_bank(s.current_index);
    permutation6 order;
    for (int i = 1; i <= 6; ++i)
        order(i) = static_cast<int16>(i);
    s.choice_count = static_cast<int16>(count_choices(record));
    if (s.shuffle_answers == 1)
        shuffle_choices(order, s.choice_count, random_float);
    s.current_question = in_display_order(record, order);
    const question_record& q = s.current_question;

    c.Q1->setPlainText(q.question_text);
    c.cluebutton->hide();
    if (!is_empty_text(q.clue_text))
        c.cluebutton->show();
    set_bordered(c.abox(1), false);
    c.abox(1)->setAccessibleName(QStringLiteral("Text of choice A"));
    c.typestuff->hide();

    if (!is_fill_in(q.question_type)) {
        c.Directions->setText(QStringLiteral(" Please Select the correct answer(s)"));
        c.NextButton->setFocus();
        for (int i = 1; i <= 6; ++i) {
            c.QChoice(i)->set_pressed(false);
            c.abox(i)->setPlainText(q.choice_text(i));
            const bool shown = !is_empty_text(q.choice_text(i));
            c.abox(i)->setVisible(shown);
            c.QChoice(i)->setVisible(shown);
            c.QChoice(i)->setAccessibleDescription(q.choice_text(i));
        }
    } else {
        for (int i = 1; i <= 6; ++i) {
            c.abox(i)->hide();
            c.QChoice(i)->hide();
        }
        set_bordered(c.abox(1), true);
        c.typestuff->show();
        c.abox(1)->show();
        c.abox(1)->clear();
        c.abox(1)->setAccessibleName(QStringLiteral("Your answer"));
        c.Directions->setText(QStringLiteral(" Please Type in the Correct Answer"));
        c.abox(1)->setFocus();
    }
    for (int i = 1; i <= 3; ++i) {
        c.diagrambutton(i)->setVisible(!is_empty_text(q.diagram_file(i)));
        c.exhibitbutton(i)->setVisible(!is_empty_text(q.exhibit_file(i)));
    }
    if (!is_fill_in(q.question_type))
        c.NextButton->setFocus();
}

void quest_form::NextButton_Click()
{
    windows().Diagram->close();
    windows().Exhibit->close();
    ui().NextButton->setFocus();
    check_answer();
    show_quest();
}

void quest_form::quitquiz_Click()
{
    quiz_state.question_count = quiz_state.questions_per_quiz;
    show_quest();
}

void quest_form::check_answer()
{
    auto& s = quiz_state;
    controls& c = ui();
    const question_record& q = s.current_question;
    s.answer_result = 1;
    bool right = true;
    if (!is_fill_in(q.question_type)) {
        flags6 pressed, visible;
        for (int i = 1; i <= 6; ++i) {
            pressed(i) = c.QChoice(i)->pressed();
            visible(i) = !c.QChoice(i)->isHidden();
        }
        right = judge_choices(pressed, visible, q);
    } else {
        right = judge_typed(c.abox(1)->toPlainText(), q);
    }
    if (!right)
        s.answer_result = 99;
    if (s.answer_result == 1) {
        if (s.show_when_right == 1)
            show_answer();
        ++s.right_count;
    }
    if (s.answer_result == 99 && s.show_when_wrong == 1)
        show_answer();

    controls& after = ui();
    after.score->setText(score_text(s.right_count, s.question_count));
    after.Percent_Right->setText(number_text(whole_percent(s.right_count, s.question_count)) +
                                 u'%');
    set_gauge();
}

void quest_form::set_gauge()
{
    const auto& s = quiz_state;
    controls& c = ui();
    const double full = c.layout->current_height(c.Gauge1);
    const gauge_bar bar = gauge_for(s.right_count, s.question_count, full);
    c.layout->set_height(c.the_gauge, bar.height);
    c.the_gauge->raise();
    c.the_gauge->setVisible(bar.visible);
    c.Gauge1->setAccessibleDescription(
        QStringLiteral("%1% of the answers so far are wrong")
            .arg(whole_percent(s.question_count - s.right_count, s.question_count)));
}

void quest_form::show_answer()
{
    const auto& s = quiz_state;
    flags6 visible;
    for (int i = 1; i <= 6; ++i)
        visible(i) = !ui().QChoice(i)->isHidden();
    const QString text = answer_text(s.current_question, s.answer_result == 1, visible);
    windows().theanswer->show_text(text);
    // The answer window has no owner: bring the quiz window back to the
    // front so that the focus really is on NEXT.
    ui().NextButton->setFocus();
    loaded_window()->activateWindow();
}

void quest_form::end_the_test()
{
    auto& s = quiz_state;
    --s.question_count;
    forms::plain_message(QStringLiteral("Test Complete!"),
                         result_message(s.right_count, s.question_count));
    // Loading the start window afresh closes this window (and with it the
    // setup window); hiding it afterwards loads it again, empty and hidden.
    windows().Welcome->show();
    hide();
}

void quest_form::cluebutton_Click()
{
    forms::plain_message(QStringLiteral("Clue"), quiz_state.current_question.clue_text);
}

void quest_form::diagrambutton_Click(int index)
{
    windows().Diagram->open_picture(quiz_state.current_question.diagram_file(index));
}

void quest_form::exhibitbutton_Click(int index)
{
    windows().Exhibit->open_text(quiz_state.current_question.exhibit_file(index));
}

} // namespace examdeck
