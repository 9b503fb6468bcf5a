#include "mounts.h"

#include <QFile>

#include <sys/mount.h>
#include <unistd.h>

namespace songtao::test {

SmallDisk::SmallDisk(qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = m_folder.isValid()
        && ::mount("tmpfs", QFile::encodeName(path()).constData(), "tmpfs", 0, options.constData())
            == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

bool SmallDisk::makeReadOnly() const
{
    return ::mount(nullptr, QFile::encodeName(path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                   nullptr)
        == 0;
}

bool SmallDisk::makeWritable() const
{
    return ::mount(nullptr, QFile::encodeName(path()).constData(), nullptr, MS_REMOUNT, nullptr)
        == 0;
}

bool SmallDisk::fill() const
{
    QFile filler(file(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) { }
    // Whatever still fits, byte by byte.
    while (filler.write("x", 1) == 1) { }
    return true;
}

ReadOnlyFile::ReadOnlyFile(const QString &path) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mount(name.constData(), name.constData(), nullptr, MS_BIND, nullptr) != 0)
        return;
    m_mounted = true;
    if (::mount(nullptr, name.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr)
        != 0) {
        ::umount2(name.constData(), MNT_DETACH);
        m_mounted = false;
    }
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
}

} // namespace songtao::test
