#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace songtao::xls {

// Compound files (the container of Excel 97-2003 workbooks): a FAT of
// sectors, a mini stream for small streams, and a directory of named
// streams. Only the streams right under the root storage are looked at.
//
// The reader trusts nothing in the file: every sector number, chain, size
// and directory link is checked, chains that loop or run off the file end
// the read with "no stream", and no allocation exceeds the file's own size.
class CompoundFile
{
public:
    // Checks the header and loads the FAT, mini FAT and directory; nothing
    // when the bytes are not a sound compound file.
    static std::optional<CompoundFile> open(QByteArray file);

    // The named stream under the root (names compared without letter case,
    // as the format asks), or nothing when it is missing or damaged.
    std::optional<QByteArray> stream(const QString &name) const;

private:
    struct Entry
    {
        QString name;
        quint8 type = 0;
        quint32 left = 0;
        quint32 right = 0;
        quint32 child = 0;
        quint32 start = 0;
        quint64 size = 0;
    };

    CompoundFile() = default;
    std::optional<QByteArray> readChain(const std::vector<quint32> &table, quint32 start,
                                        quint64 size, bool mini) const;
    qsizetype sectorOffset(quint32 sector) const;

    QByteArray m_file;
    int m_sectorSize = 512;
    quint32 m_miniCutoff = 4096;
    std::vector<quint32> m_fat;
    std::vector<quint32> m_miniFat;
    std::vector<Entry> m_entries;
    QByteArray m_miniStream;
};

// A compound file holding one stream under the root. Streams under 4096
// bytes go to the mini stream, as the format asks.
QByteArray buildCompoundFile(const QString &streamName, QByteArrayView stream);

} // namespace songtao::xls
