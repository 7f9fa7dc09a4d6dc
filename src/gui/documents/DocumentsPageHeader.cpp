// The documents page: new, edited and deleted documents, and the cash /
// debit switch.

#include "DocumentsPage.h"

#include "TNewInvForm.h"
#include "accounts/Money.h"
#include "data/TDataFormSQL.h"
#include "items/DocumentCost.h"
#include "shell/Guard.h"
#include "shell/MsgBox.h"
#include "shell/TStoreForm.h"
#include "shell/YearGuard.h"

#include <QLineEdit>

void DocumentsPage::NewInvBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    {
        const QSignalBlocker block(m_find);
        m_find->clear();
    }
    m_editor->open(TNewInvForm::Insert, m_kind);
}

void DocumentsPage::EditInvBtnClick()
{
    const int invId = currentInvId();
    if (invId <= 0 || ShowCurYearErrorIfPast(this))
        return;
    m_editor->open(TNewInvForm::Edit, m_kind, invId);
}

void DocumentsPage::DelInvBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const DocumentListRow *row = currentDocument();
    if (!row) {
        MsgBox::error(this, QStringLiteral("Error"));
        return;
    }
    Documents docs(m_window.data(), m_kind);
    const int invId = row->InvID;
    if (!docs.mayDelete(invId))
        return;
    const QString name = docs.kind().hasNote ? row->Note : row->AName;
    const QString question = tr("Are you sure to delete the Invoice :") + QStringLiteral("\n\r ")
        + QString::number(invId) + QStringLiteral("\n\r") + name + QStringLiteral(" ?");
    if (!MsgBox::confirm(this, question, QMessageBox::No) || !ConfirmByPassword(this, question))
        return;
    QString error;
    if (!docs.remove(invId, &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    reloadList();
}

void DocumentsPage::ChangeCashDebitBtnClick()
{
    if (ShowCurYearErrorIfPast(this))
        return;
    const DocumentListRow *row = currentDocument();
    if (!row || row->CashOnly || !DocumentKinds::get(m_kind).hasCashDebit)
        return;
    const int invId = row->InvID;
    const QString question = tr("Do you want to change the Invoice Kind: Cash/Debit ?");
    if (!MsgBox::confirm(this, question, QMessageBox::No) || !ConfirmByPassword(this, question))
        return;
    QString error;
    if (!Documents(m_window.data(), m_kind).switchCash(invId, &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    reloadList(invId);
}

void DocumentsPage::CostBtnClick()
{
    const int invId = currentInvId();
    if (invId <= 0)
        return;
    const DocumentCost::Result cost = DocumentCost::ofDocument(m_window.data(), int(m_kind), invId);
    if (!cost.ok) {
        MsgBox::error(this, cost.error.isEmpty() ? QStringLiteral("Error") : cost.error);
        return;
    }
    MsgBox::information(this, DocumentCost::message(cost, Money::decimals()));
}
