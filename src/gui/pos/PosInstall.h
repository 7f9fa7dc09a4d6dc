#pragma once

class TStoreForm;

// Puts the point-of-sale page into page 0 of the main window, with its
// page-change work, the customer display, the customer's second-screen
// window and the point-of-sale user's OK button on the start page.
void installPosPage(TStoreForm &window);
