#pragma once

#include <QString>
#include <QTemporaryDir>

namespace songtao::test {

// A small tmpfs on a fresh folder, for a disk that fills up or a folder
// that cannot be written. Mounting needs root (CAP_SYS_ADMIN); where it is
// not possible, mounted() is false and the test skips. Permission bits are
// no use here: root ignores them, a read-only mount it cannot.
class SmallDisk
{
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path() const { return m_folder.path(); }
    QString file(const QString &name) const { return m_folder.filePath(name); }
    bool makeReadOnly() const;
    bool makeWritable() const;
    // Fills the free space with a file until the disk is full.
    bool fill() const;

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

// One file made read-only by a read-only bind mount over itself; its folder
// stays writable.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QString &path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile &) = delete;
    ReadOnlyFile &operator=(const ReadOnlyFile &) = delete;

    bool mounted() const { return m_mounted; }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace songtao::test
