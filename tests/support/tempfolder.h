#pragma once

#include <QString>
#include <QTemporaryDir>

namespace songtao::test {

// A fresh folder per test, set as the program's folder so that the database,
// backups and exports of the code under test land there and nowhere else.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// The bytes of a file, or empty when it cannot be read.
QByteArray readFileBytes(const QString &path);
bool writeFileBytes(const QString &path, const QByteArray &bytes);

} // namespace songtao::test
