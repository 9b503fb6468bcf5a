#include "workbook/bytes.h"
#include "workbook/compoundfile.h"

#include <algorithm>

namespace songtao::xls {
namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kHeaderDifatEntries = 109;
constexpr int kEntrySize = 128;
constexpr quint8 kStreamType = 2;
constexpr quint8 kRootType = 5;

const char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

} // namespace

qsizetype CompoundFile::sectorOffset(quint32 sector) const
{
    return qsizetype(sector + 1) * m_sectorSize;
}

// Follows a chain through the FAT (or the mini FAT) and gathers `size`
// bytes. A chain can visit each sector once at most, so a loop ends it.
std::optional<QByteArray> CompoundFile::readChain(const std::vector<quint32> &table, quint32 start,
                                                  quint64 size, bool mini) const
{
    const int unit = mini ? 64 : m_sectorSize;
    const QByteArrayView source = mini ? QByteArrayView(m_miniStream) : QByteArrayView(m_file);
    if (size > quint64(source.size()))
        return std::nullopt;
    QByteArray out;
    out.reserve(qsizetype(size));
    std::vector<bool> visited(table.size(), false);
    quint32 sector = start;
    while (quint64(out.size()) < size) {
        if (sector >= table.size() || visited[sector])
            return std::nullopt;
        visited[sector] = true;
        const qsizetype offset = mini ? qsizetype(sector) * unit : sectorOffset(sector);
        const qsizetype wanted = qsizetype(std::min<quint64>(unit, size - quint64(out.size())));
        if (offset + wanted > source.size())
            return std::nullopt;
        out.append(source.sliced(offset, wanted));
        sector = table[sector];
    }
    return out;
}

std::optional<CompoundFile> CompoundFile::open(QByteArray file)
{
    if (file.size() < 512 || !file.startsWith(QByteArrayView(kSignature, 8)))
        return std::nullopt;
    CompoundFile cf;
    cf.m_file = std::move(file);
    const QByteArrayView bytes(cf.m_file);

    const quint16 major = readU16(bytes, 26);
    const quint16 byteOrder = readU16(bytes, 28);
    const quint16 sectorShift = readU16(bytes, 30);
    const quint16 miniShift = readU16(bytes, 32);
    if (byteOrder != 0xFFFE || miniShift != 6 || readU32(bytes, 56) != 4096)
        return std::nullopt;
    if (!((major == 3 && sectorShift == 9) || (major == 4 && sectorShift == 12)))
        return std::nullopt;
    cf.m_sectorSize = 1 << sectorShift;
    const quint32 fatSectors = readU32(bytes, 44);
    const quint32 firstDirectory = readU32(bytes, 48);
    cf.m_miniCutoff = readU32(bytes, 56);
    const quint32 firstMiniFat = readU32(bytes, 60);
    const quint32 miniFatSectors = readU32(bytes, 64);
    quint32 difatSector = readU32(bytes, 68);
    const quint32 difatSectors = readU32(bytes, 72);

    // Sectors that can exist in a file of this size; a partial last sector
    // counts, reads past the end are refused where they happen.
    const quint64 sectorsInFile =
        (quint64(cf.m_file.size()) + cf.m_sectorSize - 1) / cf.m_sectorSize - 1;
    if (fatSectors == 0 || fatSectors > sectorsInFile || difatSectors > sectorsInFile)
        return std::nullopt;

    // The FAT's own sectors: 109 listed in the header, the rest in a chain
    // of DIFAT sectors whose last entry points to the next.
    std::vector<quint32> fatSectorList;
    for (int i = 0; i < kHeaderDifatEntries && fatSectorList.size() < fatSectors; ++i)
        fatSectorList.push_back(readU32(bytes, 76 + 4 * i));
    const int perDifat = cf.m_sectorSize / 4 - 1;
    for (quint32 walked = 0; fatSectorList.size() < fatSectors; ++walked) {
        if (walked >= difatSectors || difatSector >= sectorsInFile)
            return std::nullopt;
        const qsizetype offset = cf.sectorOffset(difatSector);
        if (offset + cf.m_sectorSize > cf.m_file.size())
            return std::nullopt;
        for (int i = 0; i < perDifat && fatSectorList.size() < fatSectors; ++i)
            fatSectorList.push_back(readU32(bytes, offset + 4 * i));
        difatSector = readU32(bytes, offset + 4 * perDifat);
    }

    cf.m_fat.reserve(fatSectors * (cf.m_sectorSize / 4));
    for (const quint32 sector : fatSectorList) {
        if (sector >= sectorsInFile)
            return std::nullopt;
        const qsizetype offset = cf.sectorOffset(sector);
        if (offset + cf.m_sectorSize > cf.m_file.size())
            return std::nullopt;
        for (int i = 0; i < cf.m_sectorSize / 4; ++i)
            cf.m_fat.push_back(readU32(bytes, offset + 4 * i));
    }
    // Entries past the end of the file can never be read; dropping them lets
    // chains end at the table's end rather than at the file's.
    if (cf.m_fat.size() > sectorsInFile)
        cf.m_fat.resize(sectorsInFile);

    // The directory has no size of its own: its chain gives it.
    QByteArray directory;
    {
        std::vector<bool> visited(cf.m_fat.size(), false);
        quint32 sector = firstDirectory;
        while (sector != kEndOfChain) {
            if (sector >= cf.m_fat.size() || visited[sector])
                return std::nullopt;
            visited[sector] = true;
            const qsizetype offset = cf.sectorOffset(sector);
            if (offset + cf.m_sectorSize > cf.m_file.size())
                return std::nullopt;
            directory.append(bytes.sliced(offset, cf.m_sectorSize));
            sector = cf.m_fat[sector];
        }
    }
    const qsizetype entryCount = directory.size() / kEntrySize;
    if (entryCount == 0)
        return std::nullopt;
    cf.m_entries.reserve(entryCount);
    for (qsizetype i = 0; i < entryCount; ++i) {
        const qsizetype at = i * kEntrySize;
        Entry entry;
        const int nameBytes = std::min<int>(readU16(directory, at + 64), 64);
        for (int c = 0; c + 1 < nameBytes; c += 2) {
            const char16_t unit = readU16(directory, at + c);
            if (unit == 0)
                break;
            entry.name.append(QChar(unit));
        }
        entry.type = quint8(directory[at + 66]);
        entry.left = readU32(directory, at + 68);
        entry.right = readU32(directory, at + 72);
        entry.child = readU32(directory, at + 76);
        entry.start = readU32(directory, at + 116);
        entry.size = readU32(directory, at + 120);
        if (major == 4)
            entry.size |= quint64(readU32(directory, at + 124)) << 32;
        cf.m_entries.push_back(std::move(entry));
    }
    const Entry &root = cf.m_entries.front();
    if (root.type != kRootType)
        return std::nullopt;

    // The mini FAT and the mini stream are needed only by small streams; a
    // damaged one fails those streams, not the file.
    if (miniFatSectors > 0 && miniFatSectors <= sectorsInFile && firstMiniFat < kFreeSector - 1) {
        const quint64 miniFatBytes = quint64(miniFatSectors) * cf.m_sectorSize;
        if (const auto table = cf.readChain(cf.m_fat, firstMiniFat, miniFatBytes, false)) {
            cf.m_miniFat.reserve(table->size() / 4);
            for (qsizetype i = 0; i + 4 <= table->size(); i += 4)
                cf.m_miniFat.push_back(readU32(*table, i));
        }
        if (root.size > 0) {
            if (auto mini = cf.readChain(cf.m_fat, root.start, root.size, false))
                cf.m_miniStream = std::move(*mini);
            else
                cf.m_miniFat.clear();
        }
    }
    return cf;
}

std::optional<QByteArray> CompoundFile::stream(const QString &name) const
{
    // The root's children form a tree through left and right links; walk it
    // with a visited mark so that a damaged tree cannot loop.
    std::vector<bool> visited(m_entries.size(), false);
    std::vector<quint32> pending{m_entries.front().child};
    while (!pending.empty()) {
        const quint32 id = pending.back();
        pending.pop_back();
        if (id == kNoStream || id >= m_entries.size() || visited[id] || id == 0)
            continue;
        visited[id] = true;
        const Entry &entry = m_entries[id];
        if (entry.type == kStreamType && entry.name.compare(name, Qt::CaseInsensitive) == 0) {
            if (entry.size < m_miniCutoff)
                return readChain(m_miniFat, entry.start, entry.size, true);
            return readChain(m_fat, entry.start, entry.size, false);
        }
        pending.push_back(entry.left);
        pending.push_back(entry.right);
    }
    return std::nullopt;
}

} // namespace songtao::xls
