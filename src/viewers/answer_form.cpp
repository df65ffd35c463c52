#include "answer_form.h"

#include "centre_form.h"
#include "design.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace examdeck {

answer_form::answer_form(forms::program& owner) : designed_form(owner, QStringLiteral("theanswer"))
{
}

QWidget* answer_form::build()
{
    auto* w =
        forms::design_window(QStringLiteral("The Answer"), 8700, 5880, forms::border::sizable);
    w->setFont(forms::design_font("Courier New", 8.25));
    auto* layout = new forms::twips_layout(w, {8700, 5880}, false);
    auto c = std::make_unique<controls>();
    c->Text1 = layout->place(new QPlainTextEdit(QStringLiteral("Text1"), w),
                             QStringLiteral("Text1"), 240, 0, 8175, 5055);
    c->Text1->setFont(forms::design_font("Courier New", 9));
    c->Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c->Text1->setTabChangesFocus(true);
    c->Text1->setAccessibleName(QStringLiteral("Answer and explanation"));
    c->Closeb = layout->place(new QPushButton(QStringLiteral("Close"), w), QStringLiteral("Closeb"),
                              6240, 5400, 1935, 375);
    c->Closeb->setFont(forms::design_font("MS Sans Serif", 8.25));
    c->Closeb->setAutoDefault(true);
    QWidget::setTabOrder(c->Closeb, c->Text1);
    forms::pass_focus(c->Text1, c->Closeb);
    connect(c->Closeb, &QPushButton::clicked, this, &answer_form::hide);
    ui_ = std::move(c);
    return w;
}

void answer_form::show_text(const QString& text)
{
    load();
    ui().Text1->setPlainText(text);
    centre_form(*this);
    ui().Closeb->setFocus();
    show_modal();
    close();
}

} // namespace examdeck
