#pragma once

#include <QByteArrayView>

struct sqlite3;

namespace songtao {

// LIKE on GBK bytes: '%' and '_' stand for whole characters, never half of a
// two-byte one, and ASCII letters match regardless of case. `escape` is the
// bytes of one character, or empty for none.
bool gbkLike(QByteArrayView pattern, QByteArrayView text, QByteArrayView escape = {});

// Replaces SQLite's built-in like(), which reads its operands as UTF-8 and so
// both misses and invents matches on GBK text.
bool registerGbkLike(sqlite3 *connection);

} // namespace songtao
