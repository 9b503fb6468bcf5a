#include "circulation/circulation.h"

#include "app/appstate.h"
#include "circulation/loanstrings.h"
#include "common/clock.h"
#include "common/datetimetext.h"
#include "common/dialogs.h"
#include "readers/readerregister.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

void Circulation::showReaderLoans(const QString &cardNumber)
{
    m_state.shownCardNumber = cardNumber;
    m_shownRows.clear();
    const std::optional<ReaderRecord> reader = lookupReader(m_state, cardNumber);
    if (!reader) {
        m_view.showLoans(u"无该借书证号！"_s, {});
        return;
    }
    m_shownRows = loanRows(*reader, m_clock.now().date());
    m_view.showLoans(readerSummary(*reader, m_shownRows.size()), m_shownRows);
}

QString Circulation::lookUpTitle(const QString &bookNumber)
{
    RecordSet &records = m_state.recordSet;
    QString title;
    // Only the first matching row counts; without an index the scan can at
    // least stop there.
    if (records.query(u"select * from 图书数据 where 图书编号 = ? limit 1"_s, {bookNumber})
        && records.step())
        title = records.readColumn(u"书名"_s);
    records.close();
    return title;
}

LentStatus Circulation::checkAvailability(const QString &bookNumber)
{
    m_state.currentBookTitle = lookUpTitle(bookNumber);
    if (m_state.currentBookTitle.isEmpty())
        return LentStatus::Missing;

    RecordSet &records = m_state.recordSet;
    if (!records.query(u"select * from 借出数据 where 图书编号 = ? limit 1"_s, {bookNumber}))
        return LentStatus::Missing;
    LentStatus status = LentStatus::NeverLent;
    if (records.step()) {
        const QString borrower = records.readColumn(u"借书证号"_s);
        status = borrower == kNoLoansMarker ? LentStatus::Returned : LentStatus::Out;
        m_view.showBorrower(status == LentStatus::Out ? u"借阅者证号："_s + borrower : QString());
    } else {
        m_view.showBorrower({});
    }
    records.close();
    return status;
}

bool Circulation::failWrite(const QString &message, const QString &title)
{
    // Nothing of a failed lending or return may become durable, not even
    // through a later commit.
    m_state.database.rollbackTransaction();
    m_dialogs.notify(message, title);
    return false;
}

CirculationFocus Circulation::lend(const QString &cardNumber, const QString &bookNumber)
{
    if (bookNumber.isEmpty()) {
        m_dialogs.notify(u"请输入图书编号"_s, kNoticeTitle);
        return CirculationFocus::BookNumberBox;
    }
    const std::optional<ReaderRecord> reader = lookupReader(m_state, cardNumber);
    if (!reader) {
        m_dialogs.notify(u"无该借书证号"_s, kNoticeTitle);
        return CirculationFocus::None;
    }
    // The loan strings separate items with "|": such a number would split
    // into two loans and misplace every later one of this reader.
    if (bookNumber.contains(u'|') || bookNumber.contains(u',')) {
        m_dialogs.notify(u"图书编号中含有“|”或“,”，不能借出！"_s, kNoticeTitle);
        return CirculationFocus::BookNumberBox;
    }

    m_view.showAvailability(u"查询图书是否可借。。。"_s);
    const LentStatus status = checkAvailability(bookNumber);
    if (status == LentStatus::Missing) {
        m_view.showAvailability(u"无该图书编号！"_s);
        return CirculationFocus::None;
    }
    if (status == LentStatus::Out) {
        m_view.showAvailability(u"该图书已借出！"_s);
        return CirculationFocus::None;
    }
    m_view.showAvailability(u"该图书可借！"_s);

    Database &database = m_state.database;
    const QDate today = m_clock.now().date();
    const QString lentOn = dateText(today);
    const QString title = m_state.currentBookTitle;
    database.beginTransaction();

    if (!updateLoanStrings(database, cardNumber,
                           withLoanAppended(*reader, bookNumber, lentOn, title))) {
        failWrite(u"更新读者数据失败"_s, kWarningTitle);
        return CirculationFocus::None;
    }
    m_view.showAvailability(u"成功记录所借图书！"_s);

    if (!database.execute(u"insert into 借阅报表 values(?,?,?,?,?,'')"_s,
                          {QString::number(today.year()), bookNumber, title,
                           reader->className + u' ' + reader->name, lentOn})) {
        failWrite(u"记录借阅报表失败"_s, kNoticeTitle);
        return CirculationFocus::None;
    }

    const bool lentWritten = status == LentStatus::NeverLent
        ? database.execute(u"insert into 借出数据 values(?,?)"_s, {bookNumber, cardNumber})
        : database.execute(u"update 借出数据 set 借书证号 = ? where 图书编号=?"_s,
                           {cardNumber, bookNumber});
    if (!lentWritten) {
        failWrite(u"写入<是否借出>失败，请重新尝试借书操作！"_s, kUntitledTitle);
        return CirculationFocus::None;
    }

    if (!database.commitTransaction()) {
        failWrite(u"借书记录未能保存，请重新尝试借书操作！"_s, kNoticeTitle);
        m_view.showAvailability(u"该图书可借！"_s);
        showReaderLoans(cardNumber);
        return CirculationFocus::None;
    }
    showReaderLoans(cardNumber);
    return CirculationFocus::None;
}

CirculationFocus Circulation::returnSelected(const QString &cardNumber, int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= m_shownRows.size()
        || m_shownRows[selectedRow].bookNumber.isEmpty()) {
        m_dialogs.notify(u"未选择书本"_s, kNoticeTitle);
        return CirculationFocus::None;
    }
    if (cardNumber != m_state.shownCardNumber) {
        m_dialogs.notify(u"你已更改读者借书证号，该图书借阅者证号："_s + m_state.shownCardNumber,
                         kNoticeTitle);
        return CirculationFocus::CardNumberBox;
    }

    const QString bookNumber = m_shownRows[selectedRow].bookNumber;
    // The remaining loans are written back exactly as they were shown.
    QStringList books, dates, titles;
    for (int i = 0; i < m_shownRows.size(); ++i) {
        if (i == selectedRow)
            continue;
        books << m_shownRows[i].bookNumber;
        dates << m_shownRows[i].lendingDate;
        titles << m_shownRows[i].title;
    }
    const QString returnedOn = dateText(m_clock.now().date());
    Database &database = m_state.database;
    database.beginTransaction();

    if (!updateLoanStrings(database, cardNumber,
                           {joinLoanItems(books), joinLoanItems(dates), joinLoanItems(titles)})) {
        failWrite(u"更新还书信息失败"_s, kNoticeTitle);
        return CirculationFocus::None;
    }
    if (!database.execute(u"update 借阅报表 set 还书日期=? where 图书编号=? and 还书日期=''"_s,
                          {returnedOn, bookNumber})) {
        failWrite(u"记录借阅报表失败"_s, kNoticeTitle);
        return CirculationFocus::None;
    }
    if (!database.execute(u"update 借出数据 set 借书证号 = '0' where 图书编号=?"_s, {bookNumber})) {
        failWrite(u"写入借出数据失败，请重新尝试借书操作！"_s, kUntitledTitle);
        return CirculationFocus::None;
    }
    if (!database.commitTransaction()) {
        failWrite(u"还书记录未能保存，请重新尝试还书操作！"_s, kNoticeTitle);
        return CirculationFocus::None;
    }
    showReaderLoans(cardNumber);
    m_view.showAvailability(u"还书成功！"_s);
    m_view.showBorrower({});
    return CirculationFocus::None;
}

} // namespace songtao
