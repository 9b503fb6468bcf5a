#include "app/codecanvas.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace songtao {

CodeCanvas::CodeCanvas(QWidget *parent) : QWidget(parent)
{
    // Characters 21 pixels high in normal weight, in the face the system
    // chooses for Chinese text.
    QFont codeFont = font();
    codeFont.setPixelSize(21);
    codeFont.setWeight(QFont::Normal);
    setFont(codeFont);
}

void CodeCanvas::showDrawing(const VerificationDrawing &drawing)
{
    m_drawing = drawing;
    update();
}

void CodeCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 250, 240));
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    for (const QLine &line : std::as_const(m_drawing.lines))
        painter.drawLine(line);

    painter.setPen(QColor(20, 40, 120));
    painter.setFont(font());
    const int ascent = painter.fontMetrics().ascent();
    // The drawn position is the character cell's top-left corner.
    for (const CodeCharacter &character : std::as_const(m_drawing.characters))
        painter.drawText(character.topLeft + QPoint(0, ascent), QString(character.character));
}

} // namespace songtao
