#include "app/codecanvas.h"
#include "app/loginwindow.h"
#include "app/profilestring.h"
#include "support/uitesting.h"
#include "uifixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::control;

namespace {

class LoginWindowTest : public test::UiFixture
{
protected:
    LoginWindowTest()
    {
        window = new LoginWindow(state, dialogs, passwordFile, random);
        passwordBox = control<QLineEdit>(window, u"编辑框pass"_s);
        codeBox = control<QLineEdit>(window, u"编辑框_验证码"_s);
        canvas = control<CodeCanvas>(window, u"画板1"_s);
    }
    ~LoginWindowTest() override { delete window; }

    void show()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    void attempt(const QString &password, const QString &code)
    {
        passwordBox->clear();
        codeBox->clear();
        QTest::keyClicks(passwordBox, password);
        QTest::keyClicks(codeBox, code);
        QTest::mouseClick(control<QPushButton>(window, u"按钮登录系统"_s), Qt::LeftButton);
    }

    LoginWindow *window = nullptr;
    QLineEdit *passwordBox = nullptr;
    QLineEdit *codeBox = nullptr;
    CodeCanvas *canvas = nullptr;
};

TEST_F(LoginWindowTest, ShowingResetsTheCountAndDrawsACode)
{
    state.passwordFailureCount = 3;
    show();
    EXPECT_EQ(state.passwordFailureCount, 0);
    const QString code = state.verificationCode;
    ASSERT_EQ(code.size(), 4);
    EXPECT_EQ(canvas->drawing().code, code);
    EXPECT_EQ(canvas->drawing().lines.size(), 5);
    EXPECT_TRUE(code[0].isDigit() && code[1].isUpper() && code[2].isDigit() && code[3].isLower());
}

TEST_F(LoginWindowTest, EmptyPasswordAsksForItAndNothingElse)
{
    for (bool withFile : {false, true}) {
        if (withFile)
            storePassword(u"quill"_s);
        show();
        dialogs.clear();
        attempt({}, state.verificationCode);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].text, u"请输入密码"_s);
        EXPECT_EQ(dialogs.shown()[0].title, u"提示"_s);
        EXPECT_EQ(dialogs.shown()[0].icon, MessageIcon::None);
        EXPECT_EQ(window->focusWidget(), passwordBox);
        EXPECT_EQ(state.passwordFailureCount, 0);
        EXPECT_EQ(passwordFile.read().isEmpty(), !withFile);
    }
}

TEST_F(LoginWindowTest, FirstUseResetsToTheDefaultPasswordWhichThenOpens)
{
    QSignalSpy accepted(window, &LoginWindow::loginAccepted);
    show();
    const QString code = state.verificationCode;
    attempt(u"whatever"_s, code);
    EXPECT_EQ(dialogs.noticeTexts(),
              QStringList({u"第一次使用本程序，密码已重置为：quill，建议修改登录密码。"_s}));
    EXPECT_EQ(passwordBox->text(), u"whatever"_s);
    EXPECT_EQ(state.verificationCode, code);
    EXPECT_EQ(state.passwordFailureCount, 0);
    EXPECT_EQ(readProfileString(test::readFileBytes(passwordFile.path()), "login", "pass"),
              storedPasswordText(u"quill"));
    EXPECT_EQ(accepted.count(), 0);

    attempt(u"quill"_s, code);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(dialogs.shown().size(), 1);
}

TEST_F(LoginWindowTest, FifthWrongPasswordEndsTheProgramAfterItsMessage)
{
    storePassword(u"quill"_s);
    show();
    const QString code = state.verificationCode;
    int endsDuringLastNotice = -1;
    dialogs.onNotice([&](const auto &) { endsDuringLastNotice = programEnds; });
    for (int count = 1; count <= 5; ++count) {
        attempt(u"quil"_s, code);
        EXPECT_EQ(dialogs.noticeTexts().last(),
                  u"密码错误，请重试，密码错误次数： "_s + QString::number(count)
                      + u" ，失败 5 次程序将结束！"_s);
        EXPECT_TRUE(passwordBox->text().isEmpty());
        EXPECT_EQ(window->focusWidget(), passwordBox);
        // A wrong password leaves the code as drawn.
        EXPECT_EQ(state.verificationCode, code);
        EXPECT_EQ(programEnds, count < 5 ? 0 : 1);
    }
    EXPECT_EQ(endsDuringLastNotice, 0);
}

TEST_F(LoginWindowTest, FourWrongPasswordsThenTheRightOneOpens)
{
    storePassword(u"quill"_s);
    QSignalSpy accepted(window, &LoginWindow::loginAccepted);
    show();
    for (int i = 0; i < 4; ++i)
        attempt(u"x"_s, u"bad"_s);
    attempt(u"quill"_s, state.verificationCode);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(state.passwordFailureCount, 4);
    EXPECT_EQ(programEnds, 0);
}

TEST_F(LoginWindowTest, CodeInTheWrongCaseGivesANewCode)
{
    storePassword(u"quill"_s);
    QSignalSpy accepted(window, &LoginWindow::loginAccepted);
    show();
    const QString code = state.verificationCode;
    attempt(u"quill"_s, code.toLower());
    EXPECT_EQ(dialogs.noticeTexts(), QStringList({u"验证码不正确，注意区分大小写。"_s}));
    EXPECT_TRUE(codeBox->text().isEmpty());
    EXPECT_EQ(window->focusWidget(), codeBox);
    EXPECT_EQ(passwordBox->text(), u"quill"_s);
    EXPECT_EQ(state.passwordFailureCount, 0);
    EXPECT_NE(state.verificationCode, code);
    EXPECT_EQ(canvas->drawing().code, state.verificationCode);

    attempt(u"quill"_s, code);
    EXPECT_EQ(accepted.count(), 0);
    attempt(u"quill"_s, state.verificationCode);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(LoginWindowTest, UserNameBoxHasNoEffect)
{
    storePassword(u"quill"_s);
    QSignalSpy accepted(window, &LoginWindow::loginAccepted);
    show();
    control<QLineEdit>(window, u"编辑框name"_s)->setText(u"someone"_s);
    attempt(u"quill"_s, state.verificationCode);
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(LoginWindowTest, TitleButtonsMinimiseAndEnd)
{
    show();
    QTest::mouseClick(control<QToolButton>(window, u"图形按钮_最小化"_s), Qt::LeftButton);
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(programEnds, 0);
    QTest::mouseClick(control<QToolButton>(window, u"图形按钮_关闭"_s), Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(LoginWindowTest, DraggingTheBackgroundMovesTheWindow)
{
    show();
    QWindow *handle = window->windowHandle();
    const QPoint start = window->pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(200, 30));
    QTest::mouseMove(handle, QPoint(230, 50));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(200, 30));
    EXPECT_EQ(window->pos(), start + QPoint(30, 20));
    EXPECT_EQ(window->size(), QSize(380, 250));

    // The title and the captions drag it too; the picture buttons do not.
    for (const QPoint at : {QPoint(100, 10), QPoint(20, 60)}) {
        const QPoint before = window->pos();
        QTest::mousePress(handle, Qt::LeftButton, {}, at);
        QTest::mouseMove(handle, at + QPoint(5, 5));
        // Released where the pointer is: the window moved under it.
        QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
        EXPECT_EQ(window->pos(), before + QPoint(5, 5)) << at.x() << "," << at.y();
    }
    const QPoint before = window->pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(320, 10));
    QTest::mouseMove(handle, QPoint(330, 12));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(330, 12));
    EXPECT_EQ(window->pos(), before);
}

} // namespace
