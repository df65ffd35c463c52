#include "diagram_form.h"

#include "attachment_file.h"
#include "design.h"
#include "picture_loader.h"

#include <QLabel>
#include <QPushButton>

namespace examdeck {

diagram_form::diagram_form(forms::program& owner) : designed_form(owner, QStringLiteral("Diagram"))
{
}

QWidget* diagram_form::build()
{
    auto* w = forms::design_window(QStringLiteral("Diagram"), 8730, 5595, forms::border::sizable);
    auto* layout = new forms::twips_layout(w, {8730, 5595});
    auto c = std::make_unique<controls>();
    c->Command1 = layout->place(new QPushButton(QStringLiteral("Close"), w),
                                QStringLiteral("Command1"), 3360, 5160, 2055, 375);
    c->Command1->setAutoDefault(true);
    c->Image1 = layout->place(new QLabel(w), QStringLiteral("Image1"), 120, 120, 8415, 4935);
    c->Image1->setScaledContents(true);
    c->Image1->setAccessibleName(QStringLiteral("Diagram picture"));
    connect(c->Command1, &QPushButton::clicked, this, &diagram_form::hide);
    ui_ = std::move(c);
    return w;
}

void diagram_form::open_picture(const QString& file)
{
    if (!is_ordinary_file(file))
        return;
    const auto bytes = read_attachment(file);
    if (!bytes)
        return;
    QString error;
    const QImage picture = forms::decode_picture(*bytes, &error);
    if (picture.isNull()) {
        report_unusable(file, error);
        return;
    }
    show();
    ui().Image1->setPixmap(QPixmap::fromImage(picture));
    loaded_window()->repaint();
}

} // namespace examdeck
