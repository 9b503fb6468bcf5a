#include "app/passwordrules.h"

#include "app/passwordfile.h"
#include "app/passwordtransform.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

QString wrongPasswordMessage(int failureCount)
{
    return u"密码错误，请重试，密码错误次数： "_s + QString::number(failureCount)
        + u" ，失败 5 次程序将结束！"_s;
}

LoginResult checkLogin(const PasswordFile &file, int &failureCount, const QString &verificationCode,
                       const QString &password, const QString &typedCode)
{
    if (password.isEmpty())
        return {LoginOutcome::PasswordMissing, u"请输入密码"_s};

    const QByteArray stored = file.read();
    if (stored.isEmpty()) {
        // First use, or the file was lost: the default password opens the
        // door. Whether the write took is seen at the next click.
        file.write(storedPasswordText(kDefaultPassword));
        return {LoginOutcome::FirstUseReset,
                u"第一次使用本程序，密码已重置为：quill，建议修改登录密码。"_s};
    }

    if (storedPasswordText(password) != stored) {
        ++failureCount;
        return {failureCount >= kPasswordFailureLimit ? LoginOutcome::WrongPasswordLimit
                                                      : LoginOutcome::WrongPassword,
                wrongPasswordMessage(failureCount)};
    }

    if (typedCode != verificationCode)
        return {LoginOutcome::WrongCode, u"验证码不正确，注意区分大小写。"_s};

    return {LoginOutcome::Accepted, {}};
}

PasswordChangeResult changePassword(const PasswordFile &file, int &failureCount,
                                    const QString &oldPassword, const QString &newPassword)
{
    if (failureCount >= kPasswordFailureLimit)
        return {PasswordChangeOutcome::EndProgram, {}};
    if (oldPassword.isEmpty())
        return {PasswordChangeOutcome::OldPasswordMissing, u"请输入旧密码"_s};
    if (newPassword.isEmpty())
        return {PasswordChangeOutcome::NewPasswordMissing, u"新密码不能为空"_s};

    const QByteArray previous = file.read();
    if (storedPasswordText(oldPassword) != previous) {
        ++failureCount;
        return {PasswordChangeOutcome::WrongOldPassword, wrongPasswordMessage(failureCount)};
    }

    static const QString writeFailed = u"写入新密码失败！"_s;
    const QByteArray next = storedPasswordText(newPassword);
    // An empty stored text would read as "no password yet" and quietly turn
    // the login back to the default password at the next start.
    if (next.isEmpty())
        return {PasswordChangeOutcome::WriteFailed, writeFailed};

    file.write(next);
    if (file.read() != next) {
        // What is in the file now matches no password: put the old one back
        // so that the librarian is not locked out.
        file.write(previous);
        return {PasswordChangeOutcome::WriteFailed, writeFailed};
    }

    failureCount = 0;
    return {PasswordChangeOutcome::Changed, u"修改密码成功！"_s};
}

} // namespace songtao
