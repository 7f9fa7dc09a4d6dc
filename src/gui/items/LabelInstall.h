#pragma once

class TBarForm;
class TStoreForm;

// The label window of the main window: "Barcode" with "Price In Bar" and
// "Desc. In Bar" on the codes page (opens the label of the current item,
// which then follows the current item), and the users window's "print the
// password as a barcode". Installed once; a second call gives the window.
TBarForm *installBarcodeLabels(TStoreForm &window);
