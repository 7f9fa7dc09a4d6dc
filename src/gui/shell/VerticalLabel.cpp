#include "VerticalLabel.h"

#include <QPainter>

VerticalLabel::VerticalLabel(QWidget *parent)
    : QLabel(parent)
{
}

QSize VerticalLabel::sizeHint() const
{
    const QSize horizontal = QLabel::sizeHint();
    return {horizontal.height(), horizontal.width()};
}

QSize VerticalLabel::minimumSizeHint() const
{
    const QSize horizontal = QLabel::minimumSizeHint();
    return {horizontal.height(), horizontal.width()};
}

void VerticalLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.translate(0, height());
    painter.rotate(-90);
    const QRect area(0, 0, height(), width());
    QTextOption option(Qt::AlignCenter);
    option.setTextDirection(Qt::LeftToRight);
    painter.drawText(area, text(), option);
}
