#include "store/backup.h"

#include "app/appstate.h"
#include "common/clock.h"
#include "common/datetimetext.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

// Byte-for-byte, through a temporary file that replaces the destination only
// once complete and flushed to disk.
bool copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(buffer.data(), kChunk);
        if (read < 0) {
            target.cancelWriting();
            return false;
        }
        if (read == 0)
            break;
        if (target.write(buffer.constData(), read) != read) {
            target.cancelWriting();
            return false;
        }
    }
    if (!target.flush() || ::fsync(target.handle()) != 0) {
        target.cancelWriting();
        return false;
    }
    return target.commit();
}

struct ClearStep
{
    QString question;
    QString table;
    QString failure;
};

ClearStep clearStep(ClearTarget target)
{
    switch (target) {
    case ClearTarget::Books:
        return {u"确定要清空图书数据吗？"_s, kBookTable, u"清空图书数据失败"_s};
    case ClearTarget::Readers:
        return {u"确定要清空读者数据吗？"_s, kReaderTable, u"删除读者数据失败"_s};
    case ClearTarget::LentBooks:
        break;
    }
    return {u"确定要清空借出数据吗？"_s, kLentTable, u"删除借出数据失败"_s};
}

} // namespace

QString backupFileName(const QDateTime &moment)
{
    return u"数据库"_s + dateTimeText(moment) + u".sdb"_s;
}

bool backupDatabase(const Clock &clock)
{
    const QString source = databaseFilePath();
    const QString backup = programFolder() + u'/' + backupFileName(clock.now());
    if (!copyWhole(source, backup))
        return false;
    const QFileInfo copied(backup);
    return copied.isFile() && copied.size() == QFileInfo(source).size();
}

QStringList listBackups()
{
    const QString folder = programFolder();
    const QStringList names =
        QDir(folder).entryList({u"数据库*年*月*日*.sdb"_s}, QDir::Files | QDir::Hidden, QDir::Name);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : names)
        paths << folder + u'/' + name;
    return paths;
}

bool clearTable(ClearTarget target, AppState &state, Dialogs &dialogs, const Clock &clock)
{
    const ClearStep step = clearStep(target);
    if (!dialogs.confirm(step.question, kWarningTitle))
        return false;
    if (!backupDatabase(clock)) {
        dialogs.notify(kBackupFailedText, kNoticeTitle, MessageIcon::Error);
        return false;
    }
    if (!state.database.deleteAllRows(step.table)) {
        dialogs.notify(step.failure, kNoticeTitle);
        return false;
    }
    if (target == ClearTarget::Books)
        state.bookTotal = 0;
    return true;
}

} // namespace songtao
