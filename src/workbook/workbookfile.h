#pragma once

#include <QByteArray>
#include <QString>

namespace songtao {

// The bytes of a workbook file, or empty when `path` is not a readable
// file or is larger than any workbook the link handles (256 MB).
QByteArray readWorkbookFile(const QString &path);

// Replaces the file at `path` with `bytes` atomically: either the whole new
// content is in place or the old file is untouched.
bool writeWorkbookFile(const QString &path, const QByteArray &bytes);

} // namespace songtao
