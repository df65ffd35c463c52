#include "exhibit_form.h"

#include "attachment_file.h"
#include "centre_form.h"
#include "design.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace examdeck {

exhibit_form::exhibit_form(forms::program& owner) : designed_form(owner, QStringLiteral("Exhibit"))
{
}

QWidget* exhibit_form::build()
{
    auto* w = forms::design_window(QStringLiteral("Exhibit"), 8775, 4770, forms::border::sizable);
    auto* layout = new forms::twips_layout(w, {8775, 4770}, false);
    auto c = std::make_unique<controls>();
    c->Text1 = layout->place(new QPlainTextEdit(QStringLiteral("Text1"), w),
                             QStringLiteral("Text1"), 120, 120, 8535, 4095);
    c->Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c->Text1->setTabChangesFocus(true);
    c->Text1->setAccessibleName(QStringLiteral("Exhibit text"));
    c->Command1 = layout->place(new QPushButton(QStringLiteral("close"), w),
                                QStringLiteral("Command1"), 3600, 4320, 1935, 375);
    c->Command1->setAutoDefault(true);
    QWidget::setTabOrder(c->Text1, c->Command1);
    forms::pass_focus(c->Text1, c->Command1);
    connect(c->Command1, &QPushButton::clicked, this, &exhibit_form::hide);
    ui_ = std::move(c);
    return w;
}

void exhibit_form::open_text(const QString& file)
{
    if (!is_ordinary_file(file))
        return;
    const auto bytes = read_attachment(file);
    if (!bytes)
        return;
    show();
    centre_form(*this);
    ui().Text1->clear();
    ui().Text1->setPlainText(exhibit_text(*bytes));
}

} // namespace examdeck
