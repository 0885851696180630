// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include <QStringDecoder>
#include <array>
#include <cstring>

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
    constexpr qsizetype ChunkBytes = 256 * 1024; // stays in the cache while it is scanned
    if (eof_)
        return false;
    // A small file needs no more than its own size.
    const qint64 want = device_.isSequential() ? ChunkBytes
                                               : std::clamp<qint64>(device_.size() - device_.pos(), 1, ChunkBytes);
    if (buffer_.size() < want)
        buffer_.resize(want);
    size_ = std::max<qint64>(device_.read(buffer_.data(), want), 0);
    position_ = 0;
    nextCr_ = nextLf_ = -1;
    if (size_ == 0) {
        eof_ = true; // end of file or a read error: both end the reading
        return false;
    }
    return true;
}

qsizetype LineReader::lineEnd()
{
    const char* data = buffer_.constData();
    const auto find = [&](char c) {
        const void* at = std::memchr(data + position_, c, size_t(size_ - position_));
        return at ? static_cast<const char*>(at) - data : size_;
    };
    if (nextCr_ < position_)
        nextCr_ = find('\r');
    if (nextLf_ < position_)
        nextLf_ = find('\n');
    return std::min(nextCr_, nextLf_);
}

bool LineReader::read(QByteArray* kept, Until until)
{
    bool any = false;
    bool cut = false;
    const auto finish = [&] {
        if (kept && cut)
            dropPartialUtf8(*kept);
        return true;
    };
    for (;;) {
        if (position_ >= size_ && !fill())
            return any && finish();
        any = true;
        const qsizetype end = lineEnd();
        if (kept) {
            const qsizetype room = keepBytes_ - kept->size();
            if (room > 0)
                kept->append(buffer_.constData() + position_, std::min(room, end - position_));
            if (end - position_ > room) {
                cut = true;
                if (until == Until::KeptFull)
                    return finish();
            }
        }
        if (end < size_) {
            const bool cr = buffer_[end] == '\r';
            position_ = end + 1;
            if (cr) {
                if (position_ >= size_)
                    fill();
                if (position_ < size_ && buffer_[position_] == '\n')
                    ++position_;
            }
            return finish();
        }
        position_ = end;
    }
}

bool LineReader::next(QString& line)
{
    QByteArray kept;
    if (!read(&kept, Until::LineEnd))
        return false;
    line = decodeText(kept);
    return true;
}

bool LineReader::skip()
{
    return read(nullptr, Until::LineEnd);
}

bool LineReader::nextStart(QString& line)
{
    QByteArray kept;
    if (!read(&kept, Until::KeptFull))
        return false;
    line = decodeText(kept);
    eof_ = true;
    position_ = size_;
    return true;
}

} // namespace clavora
