#include "picture_loader.h"

#include <QBuffer>
#include <QImageReader>

namespace examdeck::forms {

namespace {
// Far above any diagram (a 561 x 329 picture takes under 1 MiB) and far
// below what would hurt the machine.
constexpr int allocation_limit_mib = 64;
} // namespace

QImage decode_picture(const QByteArray& bytes, QString* error)
{
    QImageReader::setAllocationLimit(allocation_limit_mib);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = reader.errorString();
    return image;
}

} // namespace examdeck::forms
