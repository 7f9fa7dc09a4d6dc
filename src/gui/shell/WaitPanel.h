#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;

// The wait panel of long operations (WaitPanel): a gauge (Gauge1) that
// advances one step per call and wraps at its maximum, and a caption
// (WaitLB).
class WaitPanel : public QFrame
{
    Q_OBJECT
public:
    explicit WaitPanel(QWidget *parent = nullptr);

    QProgressBar *gauge() const { return m_gauge; }
    QLabel *caption() const { return m_caption; }

public slots:
    // Shows the panel if hidden, advances the gauge and sets the caption.
    void step(const QString &caption);
    // Shows the panel with a caption, the gauge left as it is.
    void showText(const QString &caption);
    void finish();

private:
    QProgressBar *m_gauge;
    QLabel *m_caption;
};
