#include "app/passwordpage.h"
#include "support/uitesting.h"
#include "uifixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::control;

namespace {

class PasswordPageTest : public test::UiFixture
{
protected:
    PasswordPageTest()
        : page(services),
          oldBox(control<QLineEdit>(&page, u"编辑框_旧密码"_s)),
          newBox(control<QLineEdit>(&page, u"编辑框_新密码"_s))
    {
        page.show();
    }

    void change(const QString &oldPassword, const QString &newPassword)
    {
        oldBox->setText(oldPassword);
        newBox->setText(newPassword);
        QTest::mouseClick(control<QPushButton>(&page, u"按钮_修改登录信息"_s), Qt::LeftButton);
    }

    PasswordPage page;
    QLineEdit *oldBox;
    QLineEdit *newBox;
};

TEST_F(PasswordPageTest, EmptyBoxesAreNamedAndTakeTheFocus)
{
    storePassword(u"quill"_s);
    change({}, {});
    EXPECT_EQ(dialogs.noticeTexts(), QStringList({u"请输入旧密码"_s}));
    EXPECT_EQ(page.focusWidget(), oldBox);

    dialogs.clear();
    change(u"quill"_s, {});
    EXPECT_EQ(dialogs.noticeTexts(), QStringList({u"新密码不能为空"_s}));
    EXPECT_EQ(dialogs.shown()[0].title, u"提示"_s);
    EXPECT_EQ(page.focusWidget(), newBox);
}

TEST_F(PasswordPageTest, TypedPasswordsAreChangedAndTheBoxesKeepThem)
{
    storePassword(u"quill"_s);
    state.passwordFailureCount = 3;
    QTest::keyClicks(oldBox, u"quill"_s);
    QTest::keyClicks(newBox, u"bamboo-7"_s);
    EXPECT_EQ(oldBox->echoMode(), QLineEdit::Password);
    QTest::mouseClick(control<QPushButton>(&page, u"按钮_修改登录信息"_s), Qt::LeftButton);
    EXPECT_EQ(dialogs.noticeTexts(), QStringList({u"修改密码成功！"_s}));
    EXPECT_EQ(passwordFile.read(), storedPasswordText(u"bamboo-7"));
    EXPECT_EQ(state.passwordFailureCount, 0);
    EXPECT_EQ(oldBox->text(), u"quill"_s);
    EXPECT_EQ(newBox->text(), u"bamboo-7"_s);
}

TEST_F(PasswordPageTest, SixthClickAfterFiveWrongOldPasswordsEndsSilently)
{
    storePassword(u"quill"_s);
    for (int count = 1; count <= 5; ++count)
        change(u"wrong"_s, u"new"_s);
    QStringList expected;
    for (int count = 1; count <= 5; ++count)
        expected << u"密码错误，请重试，密码错误次数： "_s + QString::number(count)
                + u" ，失败 5 次程序将结束！"_s;
    EXPECT_EQ(dialogs.noticeTexts(), expected);
    EXPECT_EQ(programEnds, 0);
    EXPECT_EQ(oldBox->text(), u"wrong"_s);

    change({}, {});
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(dialogs.noticeTexts().size(), 5);
}

TEST_F(PasswordPageTest, UnstorablePasswordsAreRefusedAndTheOldOneStays)
{
    storePassword(u"quill"_s);
    // An empty stored text, and one the file gives back trimmed.
    for (const QString &unstorable : {u"pw2800"_s, u"pw100"_s}) {
        dialogs.clear();
        change(u"quill"_s, unstorable);
        EXPECT_EQ(dialogs.noticeTexts(), QStringList({u"写入新密码失败！"_s}));
        EXPECT_EQ(passwordFile.read(), storedPasswordText(u"quill"));
    }
}

} // namespace
