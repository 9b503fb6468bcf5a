#pragma once

#include <QString>

namespace songtao {

class PasswordFile;

// The password the first use of the program sets.
inline const QString kDefaultPassword = QStringLiteral("quill");
// Wrong passwords (login and password change together) that end the program.
inline constexpr int kPasswordFailureLimit = 5;

// "密码错误，请重试，密码错误次数： <count> ，失败 5 次程序将结束！"
QString wrongPasswordMessage(int failureCount);

enum class LoginOutcome {
    PasswordMissing, // nothing changed; the password box takes the focus
    FirstUseReset, // the default password was stored; nothing else changed
    WrongPassword, // counted; the password box is emptied and focused
    WrongPasswordLimit, // as WrongPassword, then the program ends
    WrongCode, // the code box is emptied and focused, a new code drawn
    Accepted, // the main window opens
};

struct LoginResult
{
    LoginOutcome outcome;
    QString message; // empty for Accepted
};

// The login check: the typed password against the stored one, then the
// typed verification code against the one drawn (exact, case-sensitive).
LoginResult checkLogin(const PasswordFile &file, int &failureCount, const QString &verificationCode,
                       const QString &password, const QString &typedCode);

enum class PasswordChangeOutcome {
    EndProgram, // the failure limit had been reached; no message
    OldPasswordMissing, // the old password box takes the focus
    NewPasswordMissing, // the new password box takes the focus
    WrongOldPassword, // counted; nothing else changes
    WriteFailed, // the previous stored password is in place
    Changed, // stored, read back equal; the failure count is 0
};

struct PasswordChangeResult
{
    PasswordChangeOutcome outcome;
    QString message; // empty for EndProgram
};

// The password change: the old password must match what is stored now,
// read afresh; the new one is stored and read back to prove it.
PasswordChangeResult changePassword(const PasswordFile &file, int &failureCount,
                                    const QString &oldPassword, const QString &newPassword);

} // namespace songtao
