#pragma once

class DocumentsPage;
class TStoreForm;

// Puts the invoices page into page 1 of the main window with its page
// work and the document actions. Installing twice gives the same page.
DocumentsPage *installDocumentsPage(TStoreForm &window);
