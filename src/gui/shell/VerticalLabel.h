#pragma once

#include <QLabel>

// A label whose text runs vertically, bottom to top (the read-only marker
// along the window's edge).
class VerticalLabel : public QLabel
{
    Q_OBJECT
public:
    explicit VerticalLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
