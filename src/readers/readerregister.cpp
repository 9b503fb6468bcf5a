#include "readers/readerregister.h"

#include "app/appstate.h"
#include "common/dialogs.h"
#include "common/numbertext.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

// Only the first row of a card number counts.
const QString kSelectByCard = u"select * from 读者数据 where 借书证号 = ? limit 1"_s;
const QString kNoLoans = u"0"_s;

ReaderRecord readRecord(const RecordSet &records)
{
    return {records.readColumn(u"班别"_s),       records.readColumn(u"姓名"_s),
            records.readColumn(u"借书证号"_s),   records.readColumn(u"图书编号串"_s),
            records.readColumn(u"日期编号串"_s), records.readColumn(u"书名串"_s)};
}

} // namespace

std::optional<ReaderRecord> lookupReader(AppState &state, const QString &cardNumber)
{
    state.currentReader = {};
    if (cardNumber.isEmpty())
        return std::nullopt;
    RecordSet &records = state.recordSet;
    if (!records.query(kSelectByCard, {cardNumber}))
        return std::nullopt;
    std::optional<ReaderRecord> found;
    if (records.step())
        found = readRecord(records);
    records.close();
    if (found)
        state.currentReader = *found;
    return found;
}

std::optional<QList<ReaderListRow>> readReaderList(RecordSet &records)
{
    if (!records.query(u"select * from 读者数据"_s) || !records.countAndRewind()) {
        records.close();
        return std::nullopt;
    }
    const int className = records.columnIndex(u"班别"_s);
    const int name = records.columnIndex(u"姓名"_s);
    const int card = records.columnIndex(u"借书证号"_s);
    const int books = records.columnIndex(u"图书编号串"_s);
    QList<ReaderListRow> rows;
    rows.reserve(records.recordCount());
    for (int i = 1; i <= records.recordCount() && records.step(); ++i) {
        QString booksOut = records.readColumn(books);
        if (booksOut == kNoLoans)
            booksOut.clear();
        rows.append({i, records.readColumn(className), records.readColumn(name),
                     records.readColumn(card), booksOut});
    }
    records.close();
    return rows;
}

QString readerCountText(qsizetype count)
{
    return u"当前读者数量："_s + integerText(count) + u"个"_s;
}

std::optional<ReaderRecord> ReaderRegister::view(const QString &cardNumber,
                                                 RegisterOutcome &outcome)
{
    if (cardNumber.isEmpty()) {
        outcome.focusCardBox = true;
        m_dialogs.notify(u"请输入借书证号"_s, kNoticeTitle);
        return std::nullopt;
    }
    std::optional<ReaderRecord> reader = lookupReader(m_state, cardNumber);
    if (!reader)
        m_dialogs.notify(u"无该借书证号"_s, kNoticeTitle);
    return reader;
}

RegisterOutcome ReaderRegister::remove(const QString &cardNumber)
{
    RegisterOutcome outcome;
    if (cardNumber.isEmpty()) {
        outcome.focusCardBox = true;
        m_dialogs.notify(u"请输入借书证号"_s, kNoticeTitle);
        return outcome;
    }
    RecordSet &records = m_state.recordSet;
    std::optional<QString> booksOut;
    if (records.query(kSelectByCard, {cardNumber}) && records.step())
        booksOut = records.readColumn(u"图书编号串"_s);
    records.close();

    if (!booksOut) {
        m_dialogs.notify(u"不存在以下借书证号"_s + cardNumber, kNoticeTitle);
    } else if (*booksOut != kNoLoans) {
        m_dialogs.notify(u"该读者有图书未还，不能删除！"_s, kWarningTitle);
    } else if (m_dialogs.confirm(u"确定要删除读者吗？ "_s + cardNumber, kNoticeTitle)) {
        outcome.refillList =
            m_state.database.execute(u"delete from 读者数据 where 借书证号 = ?"_s, {cardNumber});
    }
    return outcome;
}

RegisterOutcome ReaderRegister::add(const QString &className, const QString &name,
                                    const QString &cardNumber)
{
    RegisterOutcome outcome;
    if (className.isEmpty() || name.isEmpty() || cardNumber.isEmpty()) {
        m_dialogs.notify(u"请输入完整的读者信息"_s, kNoticeTitle);
        return outcome;
    }
    RecordSet &records = m_state.recordSet;
    if (!records.query(kSelectByCard, {cardNumber}))
        return outcome;
    const bool taken = records.step();
    records.close();
    if (taken) {
        m_dialogs.notify(u"已读者人使用以下借书证号："_s + cardNumber, kNoticeTitle);
        return outcome;
    }
    if (m_state.database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s,
                                 {className, name, cardNumber, kNoLoans, kNoLoans, kNoLoans}))
        outcome.refillList = true;
    else
        m_dialogs.notify(u"添加读者表失败"_s, kNoticeTitle);
    return outcome;
}

} // namespace songtao
