#include "PricePeek.h"

#include <QMouseEvent>

PricePeek::PricePeek(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("FindCodeEDIPrc"));
    setAutoFillBackground(true);
    setMinimumWidth(90);
    setFrameShape(QFrame::Box);
    paintText(false);
}

void PricePeek::paintText(bool revealed)
{
    m_revealed = revealed;
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::yellow);
    p.setColor(QPalette::WindowText, revealed ? QColor(3, 3, 3) : QColor(Qt::yellow));
    setPalette(p);
}

void PricePeek::mousePressEvent(QMouseEvent *event)
{
    paintText(true);
    QLabel::mousePressEvent(event);
}

void PricePeek::mouseReleaseEvent(QMouseEvent *event)
{
    paintText(false);
    QLabel::mouseReleaseEvent(event);
    emit released();
}
