#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace songtao {

struct AppState;
class Clock;
class Dialogs;

// The backup's file name for a moment: 数据库 + date-time text + .sdb.
QString backupFileName(const QDateTime &moment);

// Copies the database file to a dated backup in the program's folder,
// replacing a backup of the same name. True only when the copy itself
// succeeded and the backup has the database file's size: a copy cut short
// (a full disk) or an older file left under the name is no backup.
bool backupDatabase(const Clock &clock);

// Full paths of the backups in the program's folder (files named
// 数据库*年*月*日*.sdb), by name.
QStringList listBackups();

// Shown when a backup could not be made: the step it guards does not run,
// and the librarian learns why rather than seeing nothing happen.
inline const QString kBackupFailedText = QStringLiteral("备份数据库失败");

enum class ClearTarget { Books, Readers, LentBooks };

// Empties one table after a confirmation and a fresh backup. Shows the
// confirmation and the failure message; returns true when the table was
// emptied.
bool clearTable(ClearTarget target, AppState &state, Dialogs &dialogs, const Clock &clock);

} // namespace songtao
