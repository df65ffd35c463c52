#include "attachment_file.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace examdeck {

bool is_ordinary_file(const QString& name)
{
    if (name.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(name).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

void report_unusable(const QString& name, const QString& reason)
{
    std::fprintf(stderr, "examdeck: %s: %s\n", QFile::encodeName(name).constData(),
                 qPrintable(reason));
}

std::optional<QByteArray> read_attachment(const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    const int fd =
        ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        report_unusable(name, QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        report_unusable(name, QStringLiteral("not an ordinary file"));
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            report_unusable(name, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(fd);
            return std::nullopt;
        }
    }
    ::close(fd);
    return bytes;
}

namespace {

// The printable characters that CP1252 puts at 0x80 to 0x9F; the five
// unassigned bytes keep their C1 code points.
constexpr char16_t cp1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(b >= 0x80 && b < 0xA0 ? cp1252_high[b - 0x80] : char16_t(b));
    }
    return text;
}

} // namespace

QString exhibit_text(const QByteArray& bytes)
{
    const QString text = decode(bytes);
    QString result;
    result.reserve(text.size() + text.size() / 16 + 2);
    qsizetype start = 0;
    const qsizetype n = text.size();
    auto end_line = [&](qsizetype end) {
        result.append(QStringView(text).sliced(start, end - start));
        result.append(u"\r\n");
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            end_line(i);
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        } else if (c == u'\n') {
            end_line(i);
            start = i + 1;
        }
    }
    if (start < n)
        end_line(n);
    result.replace(QChar(0), QChar(0x2400));
    return result;
}

} // namespace examdeck
