#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace songtao {

// INI text handled as the Windows profile-string functions handle it, so
// that a file written by a Windows install reads the same here and the
// other way round. Everything is raw bytes: no code page is applied.

// The value of `key` in the first section named `section`, both matched
// regardless of ASCII case; blanks around the value and one pair of
// enclosing quotes are dropped. Empty when the section or key is missing.
QByteArray readProfileString(QByteArrayView content, QByteArrayView section, QByteArrayView key);

// `content` with `key` of `section` set to `value`: the key's line is
// replaced in place, a missing key is added at the end of its section, a
// missing section at the end of the text. New lines end in CRLF.
QByteArray writeProfileString(QByteArrayView content, QByteArrayView section, QByteArrayView key,
                              QByteArrayView value);

} // namespace songtao
