#include "TQKBForm.h"

#include "PosPage.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "pos/PosSale.h"
#include "shell/AppState.h"
#include "shell/TStoreForm.h"
#include "shell/Users.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// Buttons of keys 13 to 24 are named after their place on the pad.
QString keyObjectName(int k)
{
    if (k <= 12)
        return QStringLiteral("kb%1").arg(k);
    return QStringLiteral("kb2%1").arg(k - 12);
}
} // namespace

TQKBForm::TQKBForm(TStoreForm &window, PosPage &pos, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_window(window)
    , m_pos(pos)
    , m_data(window.data())
{
    setObjectName(QStringLiteral("TQKBForm"));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);

    auto *keys = new QGridLayout;
    for (int k = 1; k <= kKeys; ++k) {
        auto *cell = new QVBoxLayout;
        m_keys[k - 1] = new QPushButton(keyCaption(k), this);
        m_keys[k - 1]->setObjectName(keyObjectName(k));
        m_keys[k - 1]->setFocusPolicy(Qt::NoFocus);
        m_keys[k - 1]->setMinimumHeight(40);
        m_labels[k - 1] = new QLabel(this);
        m_labels[k - 1]->setObjectName(QStringLiteral("lb%1").arg(k));
        m_labels[k - 1]->setAlignment(Qt::AlignCenter);
        cell->addWidget(m_keys[k - 1]);
        cell->addWidget(m_labels[k - 1]);
        keys->addLayout(cell, (k - 1) / 12 * 2, (k - 1) % 12);
        connect(m_keys[k - 1], &QPushButton::clicked, this, [this, k] { AddQuickKeyItem(k); });
    }
    m_prices = new QLabel(this);
    m_prices->setObjectName(QStringLiteral("PricesLB"));
    m_prices1 = new QLabel(this);
    m_prices1->setObjectName(QStringLiteral("PricesLB1"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    m_prices->setFont(mono);
    m_prices1->setFont(mono);
    keys->addWidget(m_prices, 1, 0, 1, 12);
    keys->addWidget(m_prices1, 3, 0, 1, 12);
    layout->addLayout(keys);

    auto *bottom = new QHBoxLayout;
    m_sg = new QTableWidget(kKeys + 1, 3, this);
    m_sg->setObjectName(QStringLiteral("sg"));
    m_sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sg->setFocusPolicy(Qt::NoFocus);
    m_sg->horizontalHeader()->hide();
    m_sg->verticalHeader()->hide();
    m_sg->horizontalHeader()->setStretchLastSection(true);
    bottom->addWidget(m_sg, 1);

    auto *side = new QVBoxLayout;
    m_lastInv = new QLabel(this);
    m_lastInv->setObjectName(QStringLiteral("LastInvLB"));
    side->addWidget(m_lastInv);
    m_enter = new QPushButton(QStringLiteral("Enter"), this);
    m_enter->setObjectName(QStringLiteral("EnterKB"));
    m_enter->setFocusPolicy(Qt::NoFocus);
    m_enter->setMinimumHeight(50);
    m_enterLb = new QLabel(this);
    m_enterLb->setObjectName(QStringLiteral("EnterLB"));
    side->addWidget(m_enter);
    side->addWidget(m_enterLb);
    m_calcChk = new QCheckBox(this);
    m_calcChk->setObjectName(QStringLiteral("CalcChk"));
    m_calcChk->setFocusPolicy(Qt::NoFocus);
    side->addWidget(m_calcChk);
    m_calcPanel = new QWidget(this);
    m_calcPanel->setObjectName(QStringLiteral("CalcPanel"));
    auto *calc = new QHBoxLayout(m_calcPanel);
    m_startLb = new QLabel(m_calcPanel);
    m_startInv = new QLineEdit(m_calcPanel);
    m_startInv->setObjectName(QStringLiteral("StartInvED"));
    m_totalEd = new QLineEdit(QStringLiteral("0.00"), m_calcPanel);
    m_totalEd->setObjectName(QStringLiteral("TotalEd"));
    m_totalEd->setReadOnly(true);
    m_totalEd->setFocusPolicy(Qt::NoFocus);
    calc->addWidget(m_startLb);
    calc->addWidget(m_startInv);
    calc->addWidget(m_totalEd);
    m_calcPanel->hide();
    side->addWidget(m_calcPanel);
    side->addStretch(1);
    bottom->addLayout(side);
    layout->addLayout(bottom, 1);

    m_startInv->installEventFilter(this);
    connect(m_enter, &QPushButton::clicked, this, &TQKBForm::EnterKBClick);
    connect(m_startInv, &QLineEdit::textChanged, this, &TQKBForm::StartInvEDChange);
    connect(m_calcChk, &QCheckBox::toggled, this, [this](bool on) {
        m_calcPanel->setVisible(on);
        StartInvEDChange();
    });
    showEnter(false);
    retranslate();
    resize(900, 560);
}

QString TQKBForm::keyCaption(int k)
{
    if (k >= 1 && k <= 12)
        return QStringLiteral("F%1").arg(k);
    if (k >= 13 && k <= 21)
        return QString::number(k - 12);
    switch (k) {
    case 22:
        return QStringLiteral("0");
    case 23:
        return QStringLiteral("-");
    case 24:
        return QStringLiteral("=");
    default:
        return QString();
    }
}

int TQKBForm::keyNumber(int key, Qt::KeyboardModifiers modifiers)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return key - Qt::Key_F1 + 1;
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return key - Qt::Key_1 + 13;
    if (key == Qt::Key_0)
        return 22;
    if (key == Qt::Key_Minus)
        return 23;
    if (key == Qt::Key_Equal || (key == Qt::Key_Plus && (modifiers & Qt::KeypadModifier)))
        return 24;
    return 0;
}

void TQKBForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TQKBForm::retranslate()
{
    setWindowTitle(tr("Quick Keys"));
    m_enterLb->setText(tr("Print+New"));
    m_calcChk->setText(tr("Calc. Total"));
    m_startLb->setText(tr("Total From Inv.   No."));
    m_sg->setItem(0, 0, new QTableWidgetItem(tr("Key")));
    m_sg->setItem(0, 1, new QTableWidgetItem(tr("Description")));
    m_sg->setItem(0, 2, new QTableWidgetItem(tr("Rate")));
}

void TQKBForm::showEnter(bool shown)
{
    m_enter->setVisible(shown);
    m_enterLb->setVisible(shown);
}

void TQKBForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TQKBForm::FormShow()
{
    if (!m_data.isOpen())
        return;
    const int decimals = m_pos.moneyDecimals();
    for (int r = 1; r <= kKeys; ++r)
        for (int c = 0; c < 3; ++c)
            m_sg->setItem(r, c, new QTableWidgetItem);
    bool ok = false;
    QSqlQuery q = m_data.exec(QStringLiteral(R"(SELECT "QkbNo", "Description", "Rate" FROM "CodeTb" )"
                                             R"(WHERE "QkbNo" > 0 ORDER BY "QkbNo")"),
                              {}, &ok);
    int row = 1;
    while (ok && q.next() && row <= kKeys) {
        m_sg->item(row, 0)->setText(keyCaption(q.value(0).toInt()));
        m_sg->item(row, 1)->setText(q.value(1).toString().trimmed());
        m_sg->item(row, 2)->setText(Money::format(q.value(2).toDouble(), decimals));
        ++row;
    }
    q.finish();
    showEnter(false);
    QString prices;
    QString prices1;
    for (int k = 1; k <= kKeys; ++k) {
        bool found = false;
        QSqlQuery item = m_data.exec(
            QStringLiteral(R"(SELECT "Rate", "Description" FROM "CodeTb" WHERE "QkbNo"=? ORDER BY "ItemID")"), {k},
            &found);
        QString description;
        QString price;
        if (found && item.next()) {
            description = item.value(1).toString().trimmed();
            price = Money::format(item.value(0).toDouble(), decimals);
        }
        m_labels[k - 1]->setText(description);
        (k <= 12 ? prices : prices1) += price.leftJustified(8, u' ');
    }
    m_prices->setText(prices);
    m_prices1->setText(prices1);
    m_lastInv->setText(m_pos.shownSale() ? QString::number(m_pos.shownSale()) : QString());
    StartInvEDChange();
    setFocus();
}

bool TQKBForm::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        EnterKBClick();
        return true;
    }
    const int k = keyNumber(key, modifiers);
    if (k == 0)
        return false;
    AddQuickKeyItem(k);
    return true;
}

void TQKBForm::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() || !handleKey(event->key(), event->modifiers()))
        QWidget::keyReleaseEvent(event);
}

bool TQKBForm::eventFilter(QObject *watched, QEvent *event)
{
    // Keys typed into the total's start number also sell.
    if (watched == m_startInv && event->type() == QEvent::KeyRelease) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            handleKey(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void TQKBForm::AddQuickKeyItem(int k)
{
    if (k < 1 || k > kKeys)
        return;
    bool ok = false;
    QSqlQuery q = m_data.exec(
        QStringLiteral(R"(SELECT "ItemCode" FROM "CodeTb" WHERE "QkbNo"=? ORDER BY "ItemID")"), {k}, &ok);
    const QString code = ok && q.next() ? q.value(0).toString().trimmed() : QString();
    q.finish();
    if (code.isEmpty())
        return;
    m_pos.addCode(code);
    m_lastInv->setText(QString::number(m_pos.shownSale()));
    if (m_window.currentUser().Coupon) {
        EnterKBClick();
        showEnter(false);
    } else {
        showEnter(true);
    }
    StartInvEDChange();
}

void TQKBForm::EnterKBClick()
{
    showEnter(false);
    m_pos.PrintBillActionExecute();
    m_pos.InsBtnClick();
    m_lastInv->setText(QString::number(m_pos.shownSale()));
    StartInvEDChange();
}

void TQKBForm::StartInvEDChange()
{
    if (!m_calcChk->isChecked() || !isVisible())
        return;
    m_totalEd->setText(QStringLiteral("0.00"));
    QString sql = QStringLiteral(R"(SELECT sum("TotalAmount") FROM "Sales" WHERE ("Cash"=?))");
    QVariantList values{m_data.boolValue(true)};
    bool isNumber = false;
    const int start = m_startInv->text().trimmed().toInt(&isNumber);
    if (isNumber) {
        sql += QStringLiteral(R"( AND ("InvID">=?))");
        values << start;
    }
    bool ok = false;
    const QVariant sum = m_data.scalar(sql, values, &ok);
    if (ok)
        m_totalEd->setText(Money::format(sum.toDouble(), m_pos.moneyDecimals()));
}

void TQKBForm::setLastInv(int invId)
{
    if (isVisible())
        m_lastInv->setText(invId ? QString::number(invId) : QString());
}

void TQKBForm::closeEvent(QCloseEvent *event)
{
    // A sale opened here and left without lines is removed again.
    PosSale &sale = m_pos.sale();
    const int invId = sale.currentSale();
    if (invId && sale.currentSaleIsEmpty()) {
        if (m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM "Sales" WHERE "InvID"=? AND NOT EXISTS )"
                                           R"((SELECT 1 FROM "SaleOne" WHERE "InvID"=?))"),
                            {invId, invId}))
            sale.closeSale();
        m_pos.enterPage();
    }
    event->accept();
    const Users::User &user = m_window.currentUser();
    if (appState().CurUID != 0 && user.UKind == Users::PointOfSale && user.Qkb)
        m_window.PassNotOK();
}
