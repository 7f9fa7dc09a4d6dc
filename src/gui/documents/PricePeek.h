#pragma once

#include <QLabel>

// The concealed price of the item search: a yellow box whose text is
// yellow too, readable only while a mouse button is held down on it.
class PricePeek : public QLabel
{
    Q_OBJECT
public:
    explicit PricePeek(QWidget *parent = nullptr);
    bool revealed() const { return m_revealed; }

signals:
    // The button was released (the focus goes back to the search field).
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintText(bool revealed);
    bool m_revealed = false;
};
