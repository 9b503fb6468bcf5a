#pragma once

#include <QByteArray>
#include <QString>

namespace songtao {

// The stored login password: key "pass" of section "login" in a small INI
// file, read and written byte for byte as the Windows profile-string
// functions do, so that a file copied from a Windows install works.
class PasswordFile
{
public:
    explicit PasswordFile(QString path) : m_path(std::move(path)) { }

    // "c:\stzy.ini" on Windows; elsewhere "stzy.ini" in the user's
    // configuration folder.
    static QString defaultPath();

    const QString &path() const { return m_path; }

    // The stored bytes; empty when the file, section or key is missing.
    QByteArray read() const;
    // Sets the stored bytes, creating the file when needed; false when the
    // file cannot be written.
    bool write(const QByteArray &stored) const;

private:
    QString m_path;
};

} // namespace songtao
