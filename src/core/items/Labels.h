#pragma once

#include <QString>
#include <QStringList>

// Barcode labels: the data a label encodes, its height on the sheet, the
// text under the bars and the label settings file of the data folder.
namespace Labels {

// The symbologies of the label window, by their stored index.
QStringList symbologyNames();
constexpr int SymbologyCount = 23;
constexpr int DefaultSymbology = 9; // Code93Extended

struct Encoded
{
    QString data; // what the bars carry
    bool weightOk = true;
    QString message;     // shown when the weight does not fit
    QString fixedWeight; // the weight field's replacement when it does not fit
};
// The code, followed by the five weight digits when the quantity is on:
// the weight with three decimals, separators removed, "0" on the left to
// five characters (1 -> 01000, 12.345 -> 12345). A weight of 100 or more
// (or not a number, or below 0) gives the message and a replacement field
// of its first two characters and ".000"; the data then carries that.
Encoded encodedData(const QString &code, bool weightOn, const QString &weightText);
// The five digits of a weight; empty when it does not fit.
QString weightDigits(double weight);

// The bar height in label pixels for the rows on the sheet: also the label
// band's height (the page height 297 is fixed here).
int barHeight(double topMargin, double bottomMargin, int rows);
// Label pixels per millimetre on the sheet: 464 pixels fill 277 mm.
constexpr double PixelMm = 277.0 / 464.0;

// The lower text of an item's label: the description; with the price or
// the description option on it is built from empty: the price, then three
// spaces and the description.
QString lowerText(const QString &description, const QString &priceText, bool rateInBar,
                  bool desInBar);

struct Settings
{
    double topMargin = 10, rightMargin = 10, bottomMargin = 10, leftMargin = 10;
    double columnSpace = 2;
    QString upperText;
    int columns = 1, rows = 1;
    int symbology = DefaultSymbology;
    unsigned barColor = 0; // 0x00BBGGRR
    int zoom = 1, ratio = 1;
    int language = 1; // 0 Arabic, 1 English
    bool stretch = false;
    bool upperOn = true;
    double pageWidth = 210, pageHeight = 297;
    double whiteOnRight = 0;

    // One value a line, in the file's order.
    QStringList lines() const;
    // Reads the lines; false when a required line is missing or not a
    // number (the settings then keep their values).
    bool fromLines(const QStringList &lines);

    // The file in the data folder.
    static QString fileName(const QString &appDir);
    // Reads the file; when there is none the values stay and the file is
    // written. False (with the reason) when the file cannot be read or
    // written.
    bool open(const QString &path, QString *error = nullptr);
    bool save(const QString &path, QString *error = nullptr) const;
};

} // namespace Labels
