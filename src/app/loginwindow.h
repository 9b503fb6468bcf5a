#pragma once

#include "app/windowdrag.h"

#include <QWidget>

#include <memory>

namespace Ui {
class LoginWindow;
}

namespace songtao {

struct AppState;
class Dialogs;
class PasswordFile;
class RandomSource;

// The first window: one password and a drawn verification code guard the
// main window. Borderless; its own title row carries minimise and close.
class LoginWindow final : public QWidget
{
    Q_OBJECT
public:
    LoginWindow(AppState &state, Dialogs &dialogs, const PasswordFile &passwordFile,
                RandomSource &random, QWidget *parent = nullptr);
    ~LoginWindow() override;

Q_SIGNALS:
    // The password and the code were right: the main window is to open.
    void loginAccepted();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawVerificationCode();
    void runLoginCheck();

    std::unique_ptr<Ui::LoginWindow> m_ui;
    AppState &m_state;
    Dialogs &m_dialogs;
    const PasswordFile &m_passwordFile;
    RandomSource &m_random;
    WindowDrag m_drag{this};
    bool m_activated = false;
};

} // namespace songtao
