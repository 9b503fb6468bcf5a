#include "common/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace songtao {
namespace {

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QByteArray toGbk(QStringView text)
{
    // Most values (book numbers, card numbers, dates) are plain ASCII; they
    // skip the converter, which matters when a list of 100,000 rows is read.
    if (isAscii(text))
        return text.toLatin1();
    thread_local QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString fromGbk(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    thread_local QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

qsizetype gbkCharLength(QByteArrayView bytes, qsizetype at)
{
    const auto byteAt = [&](qsizetype i) {
        return static_cast<unsigned char>(bytes[i]);
    };
    const qsizetype left = bytes.size() - at;
    const unsigned lead = byteAt(at);
    if (lead < 0x81 || lead == 0xFF || left < 2)
        return 1;
    const unsigned second = byteAt(at + 1);
    if (second >= 0x30 && second <= 0x39) {
        if (left >= 4 && byteAt(at + 2) >= 0x81 && byteAt(at + 2) <= 0xFE && byteAt(at + 3) >= 0x30
            && byteAt(at + 3) <= 0x39)
            return 4;
        return 1;
    }
    if (second >= 0x40 && second <= 0xFE && second != 0x7F)
        return 2;
    return 1;
}

} // namespace songtao
