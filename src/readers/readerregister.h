#pragma once

#include "readers/readerrecord.h"

#include <QList>
#include <QString>

#include <optional>

namespace songtao {

struct AppState;
class Dialogs;
class RecordSet;

// Finds the reader with exactly this card number (case-sensitive) and keeps
// the result as the state's current reader; nothing for an empty card number,
// an unknown one or a failed query.
std::optional<ReaderRecord> lookupReader(AppState &state, const QString &cardNumber);

struct ReaderListRow
{
    int number = 0;
    QString className;
    QString name;
    QString cardNumber;
    QString booksOut; // the raw book-number loan string; empty when it is "0"
};

// Every reader in the table's order; nothing when the query fails.
std::optional<QList<ReaderListRow>> readReaderList(RecordSet &records);

// "当前读者数量：" + count + "个"
QString readerCountText(qsizetype count);

// What a page does after an operation: where the focus goes and whether the
// reader list must be filled again. Messages were shown already.
struct RegisterOutcome
{
    bool focusCardBox = false;
    bool refillList = false;
};

// The three register operations. Each shows its own messages.
class ReaderRegister
{
public:
    ReaderRegister(AppState &state, Dialogs &dialogs) : m_state(state), m_dialogs(dialogs) { }

    // The reader's class, name and card number, or nothing when the card
    // number is empty or unknown.
    std::optional<ReaderRecord> view(const QString &cardNumber, RegisterOutcome &outcome);
    RegisterOutcome remove(const QString &cardNumber);
    RegisterOutcome add(const QString &className, const QString &name, const QString &cardNumber);

private:
    AppState &m_state;
    Dialogs &m_dialogs;
};

} // namespace songtao
