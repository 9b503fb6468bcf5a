#include "workbook/bytes.h"
#include "workbook/compoundfile.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao::xls {
namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kSectorSize = 512;
constexpr int kMiniSectorSize = 64;
constexpr quint32 kMiniCutoff = 4096;
constexpr int kEntriesPerFatSector = kSectorSize / 4;
constexpr int kHeaderDifatEntries = 109;

int sectorsFor(qsizetype bytes, int unit)
{
    return int((bytes + unit - 1) / unit);
}

void appendEntry(QByteArray &out, const QString &name, quint8 type, quint32 child, quint32 start,
                 quint32 size)
{
    QByteArray entry(128, '\0');
    const qsizetype length = std::min<qsizetype>(name.size(), 31);
    for (qsizetype i = 0; i < length; ++i)
        putU16(entry, 2 * i, name[i].unicode());
    putU16(entry, 64, quint16(2 * (length + 1)));
    entry[66] = char(type);
    entry[67] = 1; // black: a tree of one node is balanced
    putU32(entry, 68, kNoStream);
    putU32(entry, 72, kNoStream);
    putU32(entry, 76, child);
    putU32(entry, 116, start);
    putU32(entry, 120, size);
    out.append(entry);
}

void appendEmptyEntry(QByteArray &out)
{
    QByteArray entry(128, '\0');
    putU32(entry, 68, kNoStream);
    putU32(entry, 72, kNoStream);
    putU32(entry, 76, kNoStream);
    out.append(entry);
}

} // namespace

// Layout: FAT sectors, DIFAT sectors, one directory sector, then either the
// mini FAT and the mini stream, or the stream itself.
QByteArray buildCompoundFile(const QString &streamName, QByteArrayView stream)
{
    const bool mini = stream.size() < kMiniCutoff;
    const int miniSectors = mini ? sectorsFor(stream.size(), kMiniSectorSize) : 0;
    const qsizetype miniStreamBytes = qsizetype(miniSectors) * kMiniSectorSize;
    const int miniFatSectors =
        mini && miniSectors > 0 ? sectorsFor(miniSectors * 4, kSectorSize) : 0;
    const int dataSectors =
        mini ? sectorsFor(miniStreamBytes, kSectorSize) : sectorsFor(stream.size(), kSectorSize);
    const int fixedSectors = 1 + miniFatSectors + dataSectors;

    // The FAT must cover itself and the DIFAT too: grow both until they do.
    int fatSectors = 1;
    int difatSectors = 0;
    for (;;) {
        const int total = fatSectors + difatSectors + fixedSectors;
        const int neededFat = sectorsFor(total, kEntriesPerFatSector);
        const int neededDifat = neededFat > kHeaderDifatEntries
            ? sectorsFor(neededFat - kHeaderDifatEntries, kEntriesPerFatSector - 1)
            : 0;
        if (neededFat <= fatSectors && neededDifat <= difatSectors)
            break;
        fatSectors = std::max(fatSectors, neededFat);
        difatSectors = std::max(difatSectors, neededDifat);
    }
    const quint32 firstDifat = quint32(fatSectors);
    const quint32 directorySector = firstDifat + quint32(difatSectors);
    const quint32 firstMiniFat = directorySector + 1;
    const quint32 firstData = firstMiniFat + quint32(miniFatSectors);
    const int totalSectors = int(firstData) + dataSectors;

    std::vector<quint32> fat(size_t(fatSectors) * kEntriesPerFatSector, kFreeSector);
    for (int i = 0; i < fatSectors; ++i)
        fat[i] = kFatSector;
    for (int i = 0; i < difatSectors; ++i)
        fat[firstDifat + i] = kDifatSector;
    const auto chain = [&fat](quint32 first, int count) {
        for (int i = 0; i < count; ++i)
            fat[first + i] = i + 1 < count ? first + i + 1 : kEndOfChain;
    };
    chain(directorySector, 1);
    chain(firstMiniFat, miniFatSectors);
    chain(firstData, dataSectors);

    QByteArray out;
    out.reserve(qsizetype(totalSectors + 1) * kSectorSize);

    // Header.
    out.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out.append(16, '\0');
    appendU16(out, 0x003E);
    appendU16(out, 3);
    appendU16(out, 0xFFFE);
    appendU16(out, 9);
    appendU16(out, 6);
    out.append(6, '\0');
    appendU32(out, 0); // directory sectors: always 0 in version 3
    appendU32(out, quint32(fatSectors));
    appendU32(out, directorySector);
    appendU32(out, 0);
    appendU32(out, kMiniCutoff);
    appendU32(out, miniFatSectors > 0 ? firstMiniFat : kEndOfChain);
    appendU32(out, quint32(miniFatSectors));
    appendU32(out, difatSectors > 0 ? firstDifat : kEndOfChain);
    appendU32(out, quint32(difatSectors));
    for (int i = 0; i < kHeaderDifatEntries; ++i)
        appendU32(out, i < fatSectors ? quint32(i) : kFreeSector);

    for (const quint32 entry : fat)
        appendU32(out, entry);

    // DIFAT sectors: the FAT sectors beyond the header's 109, each sector
    // ending with the number of the next.
    int listed = kHeaderDifatEntries;
    for (int d = 0; d < difatSectors; ++d) {
        for (int i = 0; i < kEntriesPerFatSector - 1; ++i, ++listed)
            appendU32(out, listed < fatSectors ? quint32(listed) : kFreeSector);
        appendU32(out, d + 1 < difatSectors ? firstDifat + d + 1 : kEndOfChain);
    }

    // Directory: root, the stream, and two unused entries filling the sector.
    const quint32 size = quint32(stream.size());
    if (mini) {
        appendEntry(out, u"Root Entry"_s, 5, 1, miniSectors > 0 ? firstData : kEndOfChain,
                    quint32(miniStreamBytes));
        appendEntry(out, streamName, 2, kNoStream, miniSectors > 0 ? 0 : kEndOfChain, size);
    } else {
        appendEntry(out, u"Root Entry"_s, 5, 1, kEndOfChain, 0);
        appendEntry(out, streamName, 2, kNoStream, firstData, size);
    }
    appendEmptyEntry(out);
    appendEmptyEntry(out);

    if (miniFatSectors > 0) {
        for (int i = 0; i < miniFatSectors * kEntriesPerFatSector; ++i) {
            quint32 next = kFreeSector;
            if (i < miniSectors)
                next = i + 1 < miniSectors ? quint32(i + 1) : kEndOfChain;
            appendU32(out, next);
        }
    }

    out.append(stream.data(), stream.size());
    out.append(qsizetype(totalSectors + 1) * kSectorSize - out.size(), '\0');
    return out;
}

} // namespace songtao::xls
