#include "DocumentsInstall.h"

#include "DocumentsPage.h"
#include "shell/StoreActions.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"

#include <QAction>
#include <QBoxLayout>

DocumentsPage *installDocumentsPage(TStoreForm &window)
{
    QWidget *page = window.page(StorePages::Purchase);
    if (auto *existing = page->findChild<DocumentsPage *>(QStringLiteral("DocumentsPage")))
        return existing;
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *documents = new DocumentsPage(window, page);
    layout->addWidget(documents);
    window.setPageWork(StorePages::Purchase, [documents] { documents->enterPage(); });
    // The actions that work on the current document of the page.
    const auto onPage = [&window, documents](const char *name, void (DocumentsPage::*work)()) {
        QAction *action = window.actions().action(QString::fromLatin1(name));
        if (!action)
            return;
        QObject::connect(action, &QAction::triggered, documents, [&window, documents, work] {
            if (window.currentPage() == StorePages::Purchase)
                (documents->*work)();
        });
        window.actions().markReady(action);
    };
    onPage("ChangeCashAction", &DocumentsPage::ChangeCashDebitBtnClick);
    onPage("CopyAction", &DocumentsPage::CopyItemsBtnClick);
    onPage("PastAction", &DocumentsPage::PasteItemsBtnClick);
    onPage("CopyToFileAction", &DocumentsPage::CopyToFileBtnClick);
    onPage("PastFromFileAction", &DocumentsPage::PasteFromFileBtnClick);
    // A page shown already when the page arrives gets its work now.
    if (window.currentPage() == StorePages::Purchase)
        documents->enterPage();
    return documents;
}
