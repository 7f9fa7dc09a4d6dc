// The documents page: copying the lines of a document to the item
// clipboard or a file, and pasting them into the current document.

#include "DocumentsPage.h"

#include "data/TDataFormSQL.h"
#include "documents/ItemClipboard.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/MsgBox.h"
#include "shell/TStoreForm.h"
#include "shell/YearGuard.h"

#include <QFileInfo>
#include <QPushButton>

void DocumentsPage::updateClipboardButtons()
{
    const bool hasDocument = currentInvId() > 0;
    m_copy->setEnabled(hasDocument);
    m_copyFile->setEnabled(hasDocument);
    m_paste->setEnabled(hasDocument && !ItemClipboard::current().isEmpty());
    m_pasteFile->setEnabled(hasDocument);
}

void DocumentsPage::CopyItemsBtnClick()
{
    const int invId = currentInvId();
    if (invId <= 0)
        return;
    QString error;
    const QList<ClipLine> lines =
        ItemClipboard::copyLines(m_window.data(), m_kind, invId, false, &error);
    if (!error.isEmpty()) {
        MsgBox::error(this, error);
        return;
    }
    ItemClipboard::setCurrent(lines);
    updateClipboardButtons();
}

bool DocumentsPage::pasteLines(const QList<ClipLine> &lines)
{
    const int invId = currentInvId();
    if (invId <= 0 || lines.isEmpty())
        return false;
    QString error;
    PasteReport report;
    if (!ItemClipboard::paste(m_window.data(), m_kind, invId, lines, false, &report, &error)) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return false;
    }
    setActiveGrid(1);
    refreshTotals(-3);
    return true;
}

void DocumentsPage::PasteItemsBtnClick()
{
    if (currentInvId() <= 0 || ShowCurYearErrorIfPast(this))
        return;
    pasteLines(ItemClipboard::current());
}

void DocumentsPage::CopyToFileBtnClick()
{
    const int invId = currentInvId();
    if (invId <= 0)
        return;
    QString path = FileDialogs::saveFileName(this, tr("Copy Bill To File"), appState().AppDir,
                                             ItemClipboard::fileFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + ItemClipboard::fileSuffix();
    QString error;
    const QList<ClipLine> lines =
        ItemClipboard::copyLines(m_window.data(), m_kind, invId, false, &error);
    if (!error.isEmpty()) {
        MsgBox::error(this, error);
        return;
    }
    ItemClipboard::setCurrent(lines);
    if (!ItemClipboard::writeFile(path, lines, &error))
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
    updateClipboardButtons();
}

void DocumentsPage::PasteFromFileBtnClick()
{
    if (currentInvId() <= 0 || ShowCurYearErrorIfPast(this))
        return;
    const QString path = FileDialogs::openFileName(this, tr("Paste Bill From File"),
                                                   appState().AppDir, ItemClipboard::fileFilter());
    if (path.isEmpty())
        return;
    QString error;
    int ignored = 0;
    const std::optional<QList<ClipLine>> lines = ItemClipboard::readFile(path, &error, &ignored);
    if (!lines) {
        MsgBox::error(this, error.isEmpty() ? QStringLiteral("Error") : error);
        return;
    }
    ItemClipboard::setCurrent(*lines);
    if (ignored > 0)
        MsgBox::warning(this, ItemClipboard::ignoredLinesText(ignored));
    pasteLines(*lines);
    updateClipboardButtons();
}
