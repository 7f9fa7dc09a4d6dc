#include "TChosePrinterDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

TChosePrinterDialog::TChosePrinterDialog(int kind, const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_kind(kind)
{
    setObjectName(QStringLiteral("TChosePrinterDialog"));
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PrintersLB"));
    m_list->addItems(QPrinterInfo::availablePrinterNames());
    const QList<QListWidgetItem *> found = m_list->findItems(current, Qt::MatchExactly);
    if (!found.isEmpty())
        m_list->setCurrentItem(found.first());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(m_title);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    retranslate();
}

QString TChosePrinterDialog::chosen() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->text() : QString();
}

void TChosePrinterDialog::retranslate()
{
    setWindowTitle(tr("Chose Printer"));
    switch (m_kind) {
    case InvoicePrinter:
        m_title->setText(tr("Invoice Printer"));
        break;
    case BarcodePrinter:
        m_title->setText(tr("BarCode Printer"));
        break;
    default:
        m_title->setText(tr("Display Printer"));
        break;
    }
}

void TChosePrinterDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
