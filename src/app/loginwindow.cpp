#include "app/loginwindow.h"

#include "app/appstate.h"
#include "app/passwordrules.h"
#include "app/pictures.h"
#include "app/verificationcode.h"
#include "app/windowcolours.h"
#include "common/dialogs.h"
#include "common/programend.h"
#include "ui_loginwindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace songtao {

LoginWindow::LoginWindow(AppState &state, Dialogs &dialogs, const PasswordFile &passwordFile,
                         RandomSource &random, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::LoginWindow>()),
      m_state(state),
      m_dialogs(dialogs),
      m_passwordFile(passwordFile),
      m_random(random)
{
    loadPictures();
    m_ui->setupUi(this);
    setGeometry(50, 50, 380, 250);
    setWindowIcon(m_ui->图片框_图标->pixmap());
    // The icon and the picture buttons take the mouse: a press on them
    // never drags the window. The captions are drawn on the background, so a
    // press on them drags it as the background does.
    m_ui->图片框_图标->setAttribute(Qt::WA_NoMousePropagation);
    m_ui->图片框1->setAttribute(Qt::WA_NoMousePropagation);
    for (QLabel *caption : {m_ui->透明标签1, m_ui->透明标签2, m_ui->透明标签3, m_ui->透明标签4})
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(m_ui->按钮登录系统, &QPushButton::clicked, this, &LoginWindow::runLoginCheck);
    connect(m_ui->图形按钮_最小化, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->图形按钮_关闭, &QToolButton::clicked, this, [] { endProgram(); });
}

LoginWindow::~LoginWindow() = default;

void LoginWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    m_state.passwordFailureCount = 0;
    drawVerificationCode();
}

void LoginWindow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), kWindowBlue);
}

void LoginWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.start({}, event->globalPosition().toPoint());
}

void LoginWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.follow(event->globalPosition().toPoint());
}

void LoginWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_drag.finish();
}

void LoginWindow::drawVerificationCode()
{
    CodeCanvas *canvas = m_ui->画板1;
    const VerificationDrawing drawing =
        songtao::drawVerificationCode(canvas->width(), canvas->height(), m_random);
    canvas->showDrawing(drawing);
    m_state.verificationCode = drawing.code;
}

void LoginWindow::runLoginCheck()
{
    const LoginResult result =
        checkLogin(m_passwordFile, m_state.passwordFailureCount, m_state.verificationCode,
                   m_ui->编辑框pass->text(), m_ui->编辑框_验证码->text());
    switch (result.outcome) {
    case LoginOutcome::PasswordMissing:
        m_dialogs.notify(result.message, kNoticeTitle);
        m_ui->编辑框pass->setFocus();
        return;
    case LoginOutcome::FirstUseReset:
        m_dialogs.notify(result.message, kNoticeTitle);
        return;
    case LoginOutcome::WrongPassword:
    case LoginOutcome::WrongPasswordLimit:
        m_ui->编辑框pass->clear();
        m_ui->编辑框pass->setFocus();
        m_dialogs.notify(result.message, kNoticeTitle);
        if (result.outcome == LoginOutcome::WrongPasswordLimit)
            endProgram();
        return;
    case LoginOutcome::WrongCode:
        m_ui->编辑框_验证码->clear();
        m_ui->编辑框_验证码->setFocus();
        m_dialogs.notify(result.message, kNoticeTitle);
        drawVerificationCode();
        return;
    case LoginOutcome::Accepted:
        Q_EMIT loginAccepted();
        return;
    }
}

} // namespace songtao
