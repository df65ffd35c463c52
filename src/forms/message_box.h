#pragma once

#include <QString>

namespace examdeck::forms {

// A message box with a title, the text as plain text, one OK button and no
// icon. Returns when the user has closed it.
void plain_message(const QString& title, const QString& text);

} // namespace examdeck::forms
