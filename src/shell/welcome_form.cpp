#include "welcome_form.h"

#include "app_windows.h"
#include "centre_form.h"
#include "design.h"
#include "program.h"
#include "question_bank.h"
#include "quiz/quest_form.h"
#include "quiz/setup_form.h"
#include "quiz_state.h"
#include "viewers/diagram_form.h"
#include "viewers/exhibit_form.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace examdeck {

namespace {

QString resource_text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

void make_white(QWidget* w)
{
    QPalette p = w->palette();
    for (auto role : {QPalette::Window, QPalette::Base})
        p.setColor(role, Qt::white);
    for (auto role : {QPalette::WindowText, QPalette::Text})
        p.setColor(role, Qt::black);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

welcome_form::welcome_form(forms::program& owner) : designed_form(owner, QStringLiteral("Welcome"))
{
}

QWidget* welcome_form::build()
{
    // A fixed dialog border: a close box, no minimise or maximise button.
    // Two blanks as caption until the load procedure puts the title there.
    auto* w = forms::design_window(QStringLiteral("  "), 9195, 6045, forms::border::fixed_dialog);
    make_white(w);
    auto* layout = new forms::twips_layout(w, {9195, 6045});
    auto c = std::make_unique<controls>();

    c->Image1 = layout->place(new QLabel(w), QStringLiteral("Image1"), 240, 120, 9165, 3150);
    c->Image1->setPixmap(QPixmap(QStringLiteral(":/examdeck/banner.jpg")));
    c->Image1->setScaledContents(true);

    c->test_name = layout->place(new QLineEdit(QStringLiteral("Please Wait........"), w),
                                 QStringLiteral("test_name"), 240, 3360, 4575, 405);
    c->test_name->setFont(forms::design_font("MS Sans Serif", 18, true));
    c->test_name->setFrame(false);

    c->lblLabels_2 = layout->place(new QLabel(QStringLiteral("Written By"), w),
                                   QStringLiteral("lblLabels_2"), 1920, 3840, 855, 255);

    c->author_name2 =
        layout->place(new QLineEdit(w), QStringLiteral("author_name2"), 2880, 3840, 2055, 285);
    c->author_name2->setFrame(false);

    c->test_description = layout->place(new QPlainTextEdit(w), QStringLiteral("test_description"),
                                        120, 4080, 4695, 1845);
    c->test_description->setFont(forms::design_font("Arial", 8.25));
    c->test_description->setFrameShape(QFrame::NoFrame);
    c->test_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c->test_description->setTabChangesFocus(true);
    c->test_description->setPlainText(resource_text(QStringLiteral(":/examdeck/agreement.txt")));

    c->Label1 = layout->place(
        new QLabel(resource_text(QStringLiteral(":/examdeck/agreement_question.txt")), w),
        QStringLiteral("Label1"), 5040, 4320, 3735, 255);

    c->Start_Quiz = layout->place(new QPushButton(QStringLiteral("I Agree"), w),
                                  QStringLiteral("Start_Quiz"), 5040, 4680, 2175, 615);
    c->Command1 = layout->place(new QPushButton(QStringLiteral("Exit"), w),
                                QStringLiteral("Command1"), 7800, 4680, 1095, 615);
    for (QPushButton* b : {c->Start_Quiz, c->Command1}) {
        b->setFont(forms::design_font("MS Sans Serif", 12, true));
        b->setAutoDefault(true);
    }
    for (QWidget* child : std::initializer_list<QWidget*>{c->lblLabels_2, c->Label1, c->test_name,
                                                          c->author_name2, c->test_description})
        make_white(child);

    c->test_name->setAccessibleName(QStringLiteral("Title"));
    c->author_name2->setAccessibleName(QStringLiteral("Author"));
    c->test_description->setAccessibleName(QStringLiteral("Licence agreement"));
    c->Image1->setAccessibleName(QStringLiteral("Banner"));

    forms::set_tab_order(
        {c->test_name, c->test_description, c->author_name2, c->Start_Quiz, c->Command1});

    connect(c->Start_Quiz, &QPushButton::clicked, this, &welcome_form::Start_Quiz_Click);
    connect(c->Command1, &QPushButton::clicked, this, &welcome_form::Command1_Click);
    ui_ = std::move(c);
    return w;
}

void welcome_form::load_procedure()
{
    QWidget* w = loaded_window();
    w->hide();
    load_bank();
    windows().quest->close();
    w->setCursor(Qt::WaitCursor);
    ui_->test_name->setText(bank_title);
    w->setWindowTitle(bank_title);
    ui_->author_name2->setText(bank_author);
    quiz_state.questions_per_quiz = questions_for_bank(bank_size);
    w->repaint();
    w->unsetCursor();
    centre_form(*this);
    w->show();
    w->activateWindow();
    ui_->Start_Quiz->setFocus();
}

void welcome_form::unload_procedure()
{
    windows().quest->close();
    windows().pick_a_quiz->close();
    windows().Exhibit->close();
    windows().Diagram->close();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void welcome_form::Start_Quiz_Click()
{
    setup_form& setup = *windows().pick_a_quiz;
    setup.hide();
    centre_form(setup);
    setup.show();
    setup.ui().Command1->setFocus();
    hide();
}

void welcome_form::Command1_Click()
{
    owner().end_now();
}

} // namespace examdeck
