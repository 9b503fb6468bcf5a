// Every box that takes typed text, given quotes, wildcards, the separators
// of the loan strings and the reader record, full-width digits, 1,000
// characters and characters outside GBK: each is stored and found exactly,
// refused with its message, or read as the number it starts with.
#include "app/loginwindow.h"
#include "app/passwordpage.h"
#include "app/passwordtransform.h"
#include "app/uifixture.h"
#include "catalogue/searchpage.h"
#include "circulation/lendingpage.h"
#include "circulation/loanstrings.h"
#include "pages/pagefixture.h"
#include "readers/readerspage.h"
#include "store/schema.h"
#include "support/transferfixture.h"

#include <QComboBox>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.left(60).toStdString() << (text.size() > 60 ? "…" : "") << '"';
}

namespace {

const QStringList kHostile = {
    u"O'Brien \"双引号\" ''"_s,
    u"100%"_s,
    u"a_b"_s,
    u"甲|乙"_s,
    u"甲,乙"_s,
    u"１２３４５"_s,
    QString(1000, QChar(u'书')),
    u"𠀀😀"_s, // outside GBK: stored as GB18030, never as "?"
};

class HostileReaders : public test::PageFixture<ReadersPage>
{ };

TEST_F(HostileReaders, AddedViewedAndDeletedExactly)
{
    addReader(u"一班"_s, u"甲"_s, u"201409001"_s);
    const QString bystander = u"一班|甲|201409001|0|0|0"_s;
    for (const QString &text : kHostile) {
        type(u"编辑框_班别"_s, text);
        type(u"编辑框_姓名"_s, text);
        type(u"编辑框_借书证号_添加"_s, text);
        click(u"按钮_添加读者"_s);
        const QString added = QStringList{text, text, text, u"0"_s, u"0"_s, u"0"_s}.join(u'|');
        EXPECT_EQ(tableRows(kReaderTable), (QStringList{bystander, added}));
        EXPECT_TRUE(rowTexts(u"超级列表框_显示读者信息"_s, 3).contains(text));

        type(u"编辑框_班别"_s, {});
        type(u"编辑框_姓名"_s, {});
        type(u"编辑框_转到借书证号"_s, text);
        click(u"按钮_查看读者信息"_s);
        EXPECT_EQ(edit(u"编辑框_姓名"_s)->text(), text);
        EXPECT_EQ(edit(u"编辑框_班别"_s)->text(), text);

        dialogs.answerConfirmations({true});
        click(u"按钮_删除选中的读者"_s);
        EXPECT_EQ(tableRows(kReaderTable), QStringList{bystander});
    }
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{});
}

TEST_F(HostileReaders, WorkbooksWithSuchNamesAreImportedAndExported)
{
    for (const QString &text : kHostile) {
        // A file name holds at most 255 bytes.
        const QString name = text.left(60);
        const QString from = folder.file(name + u".xls"_s);
        const QString to = folder.file(name + u"导出.xls"_s);
        test::writeWorkbook(from, u"Sheet1"_s, {u"班别"_s, u"姓名"_s, u"借书证号"_s},
                            {{text, text, text}});
        dialogs.clear();
        dialogs.answerFileChoices({from});
        click(u"按钮选择读者信息文件"_s);
        EXPECT_EQ(edit(u"编辑框读者信息文件路径"_s)->text(), from);
        click(u"按钮导入读者"_s);
        dialogs.answerFileChoices({to});
        click(u"按钮_导出读者数据"_s);
        EXPECT_EQ(dialogs.noticeTexts(),
                  (QStringList{u"共导入 1 个读者信息"_s, u"导出读者数据成功！"_s}));
        EXPECT_TRUE(test::readWorkbook(to, u"Sheet1"_s, u"借书证号"_s, {u"姓名"_s})
                        .contains(QStringList{text}));
    }
}

class HostileLending : public test::PageFixture<LendingPage>
{ };

TEST_F(HostileLending, LentAndReturnedExactlyOrRefusedForSeparators)
{
    for (const QString &text : kHostile) {
        addReader(u"一班"_s, text, text);
        addBook(text, text);
        dialogs.clear();
        type(u"编辑框_借书证号_借书还书"_s, text);
        type(u"编辑框_借书编号"_s, text);
        click(u"按钮_借书"_s);
        const QString reader = u"一班|"_s + text + u'|' + text;
        if (text.contains(u'|') || text.contains(u',')) {
            // A separator inside a book number would split the loan strings.
            EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"图书编号中含有“|”或“,”，不能借出！"_s});
            EXPECT_TRUE(tableRows(kReaderTable).contains(reader + u"|0|0|0"_s));
            continue;
        }
        EXPECT_EQ(dialogs.noticeTexts(), QStringList{});
        EXPECT_EQ(label(u"透明标签_图书是否可借"_s)->text(), u"成功记录所借图书！"_s);
        EXPECT_TRUE(tableRows(kReaderTable)
                        .contains(reader + u'|' + text + u"||2016年3月21日||"_s + text + u'|'));
        EXPECT_TRUE(tableRows(kLentTable).contains(text + u'|' + text));
        EXPECT_TRUE(tableRows(kReportTable)
                        .contains(u"2016|"_s + text + u'|' + text + u"|一班 "_s + text
                                  + u"|2016年3月21日|"_s));
        EXPECT_EQ(rowTexts(u"超级列表框_显示借书情况"_s, 0), QStringList{text});

        selectRow(u"超级列表框_显示借书情况"_s, 0);
        click(u"按钮_还书"_s);
        EXPECT_EQ(label(u"透明标签_图书是否可借"_s)->text(), u"还书成功！"_s);
        EXPECT_TRUE(tableRows(kReaderTable).contains(reader + u"|0|0|0"_s));
        EXPECT_TRUE(tableRows(kLentTable).contains(text + u"|0"_s));
    }
}

class HostileSearch : public test::PageFixture<SearchPage>
{
protected:
    void search(SearchKind kind, const QString &text)
    {
        test::control<QComboBox>(page.get(), u"组合框1"_s)->setCurrentIndex(int(kind));
        type(u"编辑框_要搜索的书名"_s, text);
        click(u"按钮_搜索图书"_s);
    }
    const QString results = u"超级列表框_显示图书搜索结果"_s;
};

TEST_F(HostileSearch, EveryKindFindsExactlyTheBookItNames)
{
    addBook(u"A00001"_s, u"红楼梦"_s, u"9787020002207"_s);
    for (const QString &text : kHostile)
        addBook(text, u"《"_s + text + u"》"_s, text);
    for (const QString &text : kHostile) {
        // % and _ are the title search's wildcards, yet no other title fits.
        search(SearchKind::Title, text);
        EXPECT_EQ(rowTexts(results, 1), QStringList{u"《"_s + text + u"》"_s});
        search(SearchKind::BookNumber, text);
        EXPECT_EQ(rowTexts(results, 3), QStringList{text});
        search(SearchKind::Barcode, text);
        EXPECT_EQ(rowTexts(results, 3), QStringList{text});
    }
    EXPECT_EQ(dialogs.noticeTexts(), QStringList{});
}

TEST_F(HostileSearch, ThePageSizeBoxReadsTheNumberItStartsWith)
{
    for (int i = 1; i <= 120; ++i)
        addBook(u"A%1"_s.arg(i), u"书"_s);
    const struct
    {
        QString text;
        int rows; // 0: refused
    } cases[] = {
        {u"100%"_s, 100}, {u"１２３４５"_s, 120}, {u"1,000"_s, 1}, {u"O'Brien"_s, 0},
        {u"a_b"_s, 0},    {u"甲|乙"_s, 0},        {u"𠀀😀"_s, 0},   {QString(1000, u'9'), 120},
        {u"-5"_s, 0}};
    for (const auto &[text, rows] : cases) {
        dialogs.clear();
        type(u"编辑框_每页行数"_s, text);
        search(SearchKind::AllBooks, {});
        if (rows == 0) {
            EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"请输入大于0的数"_s})
                << text.toStdString();
        } else {
            EXPECT_EQ(dialogs.noticeTexts(), QStringList{}) << text.toStdString();
            EXPECT_EQ(list(results)->model()->rowCount(), rows) << text.toStdString();
        }
    }
}

class HostilePasswords : public test::UiFixture
{ };

TEST_F(HostilePasswords, ChangedToAndThenAcceptedAtLogin)
{
    ASSERT_TRUE(passwordFile.write(storedPasswordText(u"quill"_s)));
    PasswordPage page(services);
    LoginWindow login(state, dialogs, passwordFile, random);
    QSignalSpy accepted(&login, &LoginWindow::loginAccepted);
    login.show();
    QString current = u"quill"_s;
    for (const QString &text : kHostile) {
        dialogs.clear();
        test::control<QLineEdit>(&page, u"编辑框_旧密码"_s)->setText(current);
        test::control<QLineEdit>(&page, u"编辑框_新密码"_s)->setText(text);
        QTest::mouseClick(test::control<QPushButton>(&page, u"按钮_修改登录信息"_s),
                          Qt::LeftButton);
        EXPECT_EQ(dialogs.noticeTexts(), QStringList{u"修改密码成功！"_s});
        current = text;
        EXPECT_EQ(passwordFile.read(), storedPasswordText(current));

        // The login window takes what is stored now, and the code as drawn.
        test::control<QLineEdit>(&login, u"编辑框pass"_s)->setText(current);
        test::control<QLineEdit>(&login, u"编辑框_验证码"_s)->setText(text);
        const int before = int(accepted.count());
        QTest::mouseClick(test::control<QPushButton>(&login, u"按钮登录系统"_s), Qt::LeftButton);
        EXPECT_EQ(accepted.count(), before);
        test::control<QLineEdit>(&login, u"编辑框pass"_s)->setText(current);
        test::control<QLineEdit>(&login, u"编辑框_验证码"_s)->setText(state.verificationCode);
        QTest::mouseClick(test::control<QPushButton>(&login, u"按钮登录系统"_s), Qt::LeftButton);
        EXPECT_EQ(accepted.count(), before + 1) << text.toStdString();
    }
    EXPECT_EQ(state.passwordFailureCount, 0);
}

} // namespace
