#include "app/passwordfile.h"
#include "app/passwordrules.h"
#include "app/passwordtransform.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::TempFolder;

namespace {

class PasswordRules : public testing::Test
{
protected:
    void store(const QString &password) { ASSERT_TRUE(file.write(storedPasswordText(password))); }

    TempFolder folder;
    PasswordFile file{folder.file(u"stzy.ini"_s)};
    int failures = 0;
};

TEST_F(PasswordRules, EmptyPasswordIsRefusedWhateverTheFileHolds)
{
    for (bool withFile : {false, true}) {
        if (withFile)
            store(u"quill"_s);
        failures = 2;
        const LoginResult result = checkLogin(file, failures, u"1A2b"_s, {}, u"1A2b"_s);
        EXPECT_EQ(result.outcome, LoginOutcome::PasswordMissing);
        EXPECT_EQ(result.message, u"请输入密码"_s);
        EXPECT_EQ(failures, 2);
    }
}

TEST_F(PasswordRules, FirstUseStoresTheDefaultPasswordAndLooksAtNothingElse)
{
    failures = 3;
    const LoginResult result = checkLogin(file, failures, u"1A2b"_s, u"anything"_s, u"wrong"_s);
    EXPECT_EQ(result.outcome, LoginOutcome::FirstUseReset);
    EXPECT_EQ(result.message, u"第一次使用本程序，密码已重置为：quill，建议修改登录密码。"_s);
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(file.read(), storedPasswordText(u"quill"));

    EXPECT_EQ(checkLogin(file, failures, u"1A2b"_s, u"quill"_s, u"1A2b"_s).outcome,
              LoginOutcome::Accepted);
}

TEST_F(PasswordRules, WrongPasswordsCountAndTheFifthEndsTheProgram)
{
    store(u"quill"_s);
    for (int count = 1; count <= 5; ++count) {
        // A right code does not help a wrong password.
        const LoginResult result = checkLogin(file, failures, u"1A2b"_s, u"Quill"_s, u"1A2b"_s);
        EXPECT_EQ(result.outcome,
                  count < 5 ? LoginOutcome::WrongPassword : LoginOutcome::WrongPasswordLimit);
        EXPECT_EQ(result.message,
                  u"密码错误，请重试，密码错误次数： "_s + QString::number(count)
                      + u" ，失败 5 次程序将结束！"_s);
        EXPECT_EQ(failures, count);
    }
}

TEST_F(PasswordRules, CodeIsComparedExactlyAfterTheRightPassword)
{
    store(u"quill"_s);
    failures = 4;
    for (const QString &typed : {u"1a2b"_s, u"1A2B"_s, u" 1A2b"_s, u"1A2b "_s, QString()}) {
        const LoginResult result = checkLogin(file, failures, u"1A2b"_s, u"quill"_s, typed);
        EXPECT_EQ(result.outcome, LoginOutcome::WrongCode) << typed.toStdString();
        EXPECT_EQ(result.message, u"验证码不正确，注意区分大小写。"_s);
    }
    EXPECT_EQ(failures, 4);
    EXPECT_EQ(checkLogin(file, failures, u"1A2b"_s, u"quill"_s, u"1A2b"_s).outcome,
              LoginOutcome::Accepted);
}

TEST_F(PasswordRules, ChangeChecksItsBoxesInOrder)
{
    store(u"quill"_s);
    const struct
    {
        QString oldPassword;
        QString newPassword;
        PasswordChangeOutcome outcome;
        QString message;
    } cases[] = {
        {{}, {}, PasswordChangeOutcome::OldPasswordMissing, u"请输入旧密码"_s},
        {{}, u"new"_s, PasswordChangeOutcome::OldPasswordMissing, u"请输入旧密码"_s},
        {u"quill"_s, {}, PasswordChangeOutcome::NewPasswordMissing, u"新密码不能为空"_s},
        {u"wrong"_s, {}, PasswordChangeOutcome::NewPasswordMissing, u"新密码不能为空"_s},
    };
    for (const auto &c : cases) {
        const PasswordChangeResult result =
            changePassword(file, failures, c.oldPassword, c.newPassword);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message, c.message);
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(file.read(), storedPasswordText(u"quill"));
}

TEST_F(PasswordRules, FiveWrongOldPasswordsThenTheNextChangeEndsTheProgram)
{
    store(u"quill"_s);
    for (int count = 1; count <= 5; ++count) {
        const PasswordChangeResult result = changePassword(file, failures, u"x"_s, u"y"_s);
        EXPECT_EQ(result.outcome, PasswordChangeOutcome::WrongOldPassword);
        EXPECT_EQ(result.message, wrongPasswordMessage(count));
    }
    // Even right passwords no longer help.
    const PasswordChangeResult result = changePassword(file, failures, u"quill"_s, u"y"_s);
    EXPECT_EQ(result.outcome, PasswordChangeOutcome::EndProgram);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(file.read(), storedPasswordText(u"quill"));
}

TEST_F(PasswordRules, ChangeTakesEffectAndResetsTheCount)
{
    store(u"quill"_s);
    failures = 4;
    PasswordChangeResult result = changePassword(file, failures, u"quill"_s, u"图书馆2016"_s);
    EXPECT_EQ(result.outcome, PasswordChangeOutcome::Changed);
    EXPECT_EQ(result.message, u"修改密码成功！"_s);
    EXPECT_EQ(failures, 0);

    // The next start: the old password is wrong, the new one opens.
    int loginFailures = 0;
    EXPECT_EQ(checkLogin(file, loginFailures, u"1A2b"_s, u"quill"_s, u"1A2b"_s).outcome,
              LoginOutcome::WrongPassword);
    EXPECT_EQ(checkLogin(file, loginFailures, u"1A2b"_s, u"图书馆2016"_s, u"1A2b"_s).outcome,
              LoginOutcome::Accepted);

    // A second change in the same run needs the password of the first.
    EXPECT_EQ(changePassword(file, failures, u"quill"_s, u"z"_s).outcome,
              PasswordChangeOutcome::WrongOldPassword);
    EXPECT_EQ(changePassword(file, failures, u"图书馆2016"_s, u"图书馆2016"_s).outcome,
              PasswordChangeOutcome::Changed);
    EXPECT_EQ(file.read(), storedPasswordText(u"图书馆2016"));
}

TEST_F(PasswordRules, NewPasswordWithEmptyStoredTextIsRefused)
{
    store(u"quill"_s);
    ASSERT_TRUE(storedPasswordText(u"pw2800").isEmpty());
    failures = 2;
    const PasswordChangeResult result = changePassword(file, failures, u"quill"_s, u"pw2800"_s);
    EXPECT_EQ(result.outcome, PasswordChangeOutcome::WriteFailed);
    EXPECT_EQ(result.message, u"写入新密码失败！"_s);
    EXPECT_EQ(failures, 2);
    EXPECT_EQ(file.read(), storedPasswordText(u"quill"));
}

TEST_F(PasswordRules, StoredTextThatDoesNotReadBackLeavesThePreviousPassword)
{
    // Stored texts the INI form cannot carry: a leading blank is trimmed, a
    // line feed splits the line, enclosing quotes are dropped.
    for (const QString &unreadable : {u"pw100"_s, u"pw23"_s, u"pw5632"_s}) {
        store(u"quill"_s);
        const QByteArray stored = storedPasswordText(unreadable);
        ASSERT_FALSE(stored.isEmpty());
        failures = 1;
        const PasswordChangeResult result = changePassword(file, failures, u"quill"_s, unreadable);
        EXPECT_EQ(result.outcome, PasswordChangeOutcome::WriteFailed) << unreadable.toStdString();
        EXPECT_EQ(result.message, u"写入新密码失败！"_s);
        EXPECT_EQ(failures, 1);
        EXPECT_EQ(file.read(), storedPasswordText(u"quill"));
        int loginFailures = 0;
        EXPECT_EQ(checkLogin(file, loginFailures, u"c"_s, u"quill"_s, u"c"_s).outcome,
                  LoginOutcome::Accepted);
    }
}

} // namespace
