#pragma once

#include "app/verificationcode.h"

#include <QWidget>

namespace songtao {

// The login window's drawing surface for the verification code.
class CodeCanvas final : public QWidget
{
    Q_OBJECT
public:
    explicit CodeCanvas(QWidget *parent = nullptr);

    // Clears the canvas and shows `drawing` instead.
    void showDrawing(const VerificationDrawing &drawing);
    const VerificationDrawing &drawing() const { return m_drawing; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    VerificationDrawing m_drawing;
};

} // namespace songtao
