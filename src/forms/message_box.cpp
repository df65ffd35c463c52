#include "message_box.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

namespace examdeck::forms {

void plain_message(const QString& title, const QString& text)
{
    QMessageBox box;
    box.setObjectName(QStringLiteral("message_box"));
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.exec();
}

} // namespace examdeck::forms
