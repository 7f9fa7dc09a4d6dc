#include "WaitPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

WaitPanel::WaitPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("WaitPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QHBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("WaitLB"));
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(false);
    layout->addWidget(m_caption);
    layout->addWidget(m_gauge, 1);
    hide();
}

void WaitPanel::step(const QString &caption)
{
    const int next = m_gauge->value() + 1;
    m_gauge->setValue(next > m_gauge->maximum() ? 0 : next);
    showText(caption);
}

void WaitPanel::showText(const QString &caption)
{
    m_caption->setText(caption);
    if (isHidden())
        show();
    repaint();
}

void WaitPanel::finish()
{
    hide();
    m_gauge->setValue(0);
}
