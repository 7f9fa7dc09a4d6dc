#include "TCusomerLCDForm.h"

#include "accounts/Currency.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "shell/Options.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QTableView *readOnlyGrid(const char *name, QStandardItemModel *model, QWidget *parent)
{
    auto *grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}
} // namespace

TCusomerLCDForm::TCusomerLCDForm(TDataFormSQL &data, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_data(data)
    , m_orders(new QStandardItemModel(0, 8, this))
    , m_orderLines(new QStandardItemModel(0, 4, this))
    , m_menu(new QStandardItemModel(0, 4, this))
{
    setObjectName(QStringLiteral("TCusomerLCDForm"));
    auto *layout = new QHBoxLayout(this);
    auto *orders = new QVBoxLayout;
    m_grd1 = readOnlyGrid("CustomerGrd1", m_orders, this);
    m_grd2 = readOnlyGrid("CustomerGrd2", m_orderLines, this);
    orders->addWidget(m_grd1, 2);
    orders->addWidget(m_grd2, 1);
    layout->addLayout(orders, 2);
    m_menuPanel = new QGroupBox(this);
    m_menuPanel->setObjectName(QStringLiteral("MenuPanel"));
    auto *menuLayout = new QVBoxLayout(m_menuPanel);
    m_grd3 = readOnlyGrid("CustomerGrd3", m_menu, m_menuPanel);
    menuLayout->addWidget(m_grd3);
    layout->addWidget(m_menuPanel, 1);
    retranslate();
}

void TCusomerLCDForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TCusomerLCDForm::retranslate()
{
    setWindowTitle(tr("Customer"));
    m_orders->setHorizontalHeaderLabels({tr("No."), tr("Date"), tr("Note"), tr("Start Time"), tr("Prepared"),
                                         tr("Prepare Time"), tr("Delivered"), tr("Delivery Time")});
    m_orderLines->setHorizontalHeaderLabels({tr("Item Code"), tr("Description"), tr("Quantity"), tr("Note")});
    m_menu->setHorizontalHeaderLabels({tr("No."), tr("Description"), tr("Rate"), tr("Note")});
    m_menuPanel->setTitle(tr("Menu"));
}

void TCusomerLCDForm::placeOnScreens()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2) {
        hide();
        return;
    }
    setGeometry(screens.at(1)->geometry());
    show();
}

void TCusomerLCDForm::refreshMenu()
{
    m_menuPanel->setVisible(options().isOn(QString::fromLatin1(OptKey::FoodMenu)));
    m_menu->removeRows(0, m_menu->rowCount());
    if (!m_data.isOpen())
        return;
    const int decimals = Money::decimalsFor(options().number(QString::fromLatin1(CurrencyKeys::Parts), 2));
    bool ok = false;
    QSqlQuery q = m_data.exec(QStringLiteral(R"(SELECT "QkbNo", "Description", "Rate", "Note" FROM "CodeTb" )"
                                             R"(WHERE "QkbNo" > 0 ORDER BY "QkbNo")"),
                              {}, &ok);
    while (ok && q.next()) {
        QList<QStandardItem *> row;
        row << new QStandardItem(q.value(0).toString()) << new QStandardItem(q.value(1).toString().trimmed())
            << new QStandardItem(Money::format(q.value(2).toDouble(), decimals))
            << new QStandardItem(q.value(3).toString().trimmed());
        m_menu->appendRow(row);
    }
}
