#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace songtao {

// The database and the password file hold GBK bytes. GB18030 keeps every GBK
// byte sequence as it is and can still carry the characters GBK lacks (rare
// characters in pupils' names), so no character is ever replaced by "?".
QByteArray toGbk(QStringView text);
QString fromGbk(QByteArrayView bytes);

// Length in bytes of the GB18030 character that starts at `at`: 1, 2 or 4.
// A truncated or malformed sequence counts as one byte so that walking a
// damaged text always moves on.
qsizetype gbkCharLength(QByteArrayView bytes, qsizetype at);

} // namespace songtao
