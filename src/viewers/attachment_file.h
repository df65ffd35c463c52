#pragma once

// The files that questions name: looked up by their names as stored,
// relative to the working directory.

#include <QByteArray>
#include <QString>
#include <optional>

namespace examdeck {

// True when the name leads (through links, if any) to an existing ordinary
// file: a missing name, a directory, a FIFO or a device is not found.
bool is_ordinary_file(const QString& name);

// One line on standard error about an attachment that can't be shown.
void report_unusable(const QString& name, const QString& reason);

// Reads a whole ordinary file. Nothing when it is not an ordinary file or
// can't be read (the reason goes to standard error). Opening never blocks,
// even if the name has turned into a FIFO since it was looked up.
std::optional<QByteArray> read_attachment(const QString& name);

// The text an exhibit box receives: the file's lines in order, each
// followed by CR LF, the last one too. A line ends at CR LF, a lone CR or a
// lone LF. UTF-8 (a BOM skipped), or CP1252 when the bytes are not valid
// UTF-8. A NUL byte shows as a visible symbol instead of ending the text.
QString exhibit_text(const QByteArray& bytes);

} // namespace examdeck
