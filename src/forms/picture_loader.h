#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace examdeck::forms {

// Decodes a picture whole before anything is shown. Bytes that can't be
// decoded, or a picture that would need more memory than the allocation
// limit, give a null image and the reason in error.
QImage decode_picture(const QByteArray& bytes, QString* error = nullptr);

} // namespace examdeck::forms
