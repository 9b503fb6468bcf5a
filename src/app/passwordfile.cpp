#include "app/passwordfile.h"

#include "app/profilestring.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

constexpr QByteArrayView kSection = "login";
constexpr QByteArrayView kKey = "pass";

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QString PasswordFile::defaultPath()
{
#ifdef Q_OS_WIN
    return u"c:\\stzy.ini"_s;
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/stzy.ini"_s;
#endif
}

QByteArray PasswordFile::read() const
{
    return readProfileString(fileContent(m_path), kSection, kKey);
}

bool PasswordFile::write(const QByteArray &stored) const
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const QByteArray content = writeProfileString(fileContent(m_path), kSection, kKey, stored);
    // The whole file is replaced at once: a failed write leaves the previous
    // password in place instead of a half-written file.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size())
        return false;
    return file.commit();
}

} // namespace songtao
