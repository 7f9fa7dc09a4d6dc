#include "DocumentsInstall.h"

#include "DocumentsPage.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"

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
    // A page shown already when the page arrives gets its work now.
    if (window.currentPage() == StorePages::Purchase)
        documents->enterPage();
    return documents;
}
