// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace clavora {

namespace {
// A line cut at a byte count may end inside a UTF-8 sequence; drop that partial character.
void dropPartialUtf8(QByteArray& bytes)
{
    for (int back = 1; back <= 4 && back <= bytes.size(); ++back) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((b & 0xC0) == 0x80)
            continue; // a continuation byte: look further back for the lead byte
        const int needed = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
        if (needed > back)
            bytes.chop(back);
        return;
    }
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b < 0xA0 ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

LineReader::LineReader(QIODevice& device, qsizetype keepBytes)
    : device_(device), keepBytes_(keepBytes) {}

bool LineReader::fill()
{
    if (eof_)
        return false;
    buffer_ = device_.read(64 * 1024);
    pos_ = 0;
    if (buffer_.isEmpty()) {
        eof_ = true; // end of file or a read error: both end the reading
        return false;
    }
    return true;
}

bool LineReader::next(QString& line)
{
    QByteArray kept;
    bool any = false;
    bool cut = false;
    const auto finish = [&] {
        if (cut)
            dropPartialUtf8(kept);
        line = decodeText(kept);
    };
    for (;;) {
        if (pos_ >= buffer_.size() && !fill()) {
            if (!any)
                return false;
            finish();
            return true;
        }
        any = true;
        const char* data = buffer_.constData();
        qsizetype i = pos_;
        while (i < buffer_.size() && data[i] != '\r' && data[i] != '\n')
            ++i;
        const qsizetype room = keepBytes_ - kept.size();
        if (room > 0)
            kept.append(data + pos_, std::min(room, i - pos_));
        if (i - pos_ > room)
            cut = true;
        if (i < buffer_.size()) {
            const bool cr = data[i] == '\r';
            pos_ = i + 1;
            if (cr) {
                if (pos_ >= buffer_.size())
                    fill();
                if (pos_ < buffer_.size() && buffer_[pos_] == '\n')
                    ++pos_;
            }
            finish();
            return true;
        }
        pos_ = i;
    }
}

QStringList readFirstLines(const QString& path, int count, qsizetype keepBytes)
{
    QStringList lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    LineReader reader(file, keepBytes);
    QString line;
    while (lines.size() < count && reader.next(line))
        lines.append(line);
    return lines;
}

} // namespace clavora
