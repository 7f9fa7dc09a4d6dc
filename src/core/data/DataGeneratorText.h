#pragma once

#include <QList>
#include <QString>

class SeededRandom;

// The words the data generator builds its texts from: item categories with
// their products in English and Arabic, brand and person names, addresses
// and the usual texts of vouchers and opening balances.
namespace DataGeneratorText {

struct Category
{
    QString en, ar;      // item kind name in both languages (at most 10 characters)
    int weight = 1;      // share of the catalogue
    bool byWeight = false; // sold by the kilogram (weight barcodes)
    bool service = false;
    int minPrice = 1, maxPrice = 10; // sale price range, whole currency units
    QList<QPair<QString, QString>> products; // English, Arabic
    QStringList sizes;   // pack sizes ("500g", "1L", "XL"); empty for none
};

const QList<Category> &categories();

struct ItemText
{
    QString description; // at most 100 characters
    QString size;        // at most 6 characters, may be empty
};
ItemText item(SeededRandom &rnd, const Category &category);

QString personName(SeededRandom &rnd, bool arabic);
QString companyName(SeededRandom &rnd, bool arabic, bool supplier);
QString expenseAccountName(int index, bool arabic);
int expenseAccountCount();
QString address(SeededRandom &rnd, bool arabic);   // at most 50 characters
QString phone(SeededRandom &rnd, bool mobile);     // at most 15 characters
QString location(SeededRandom &rnd);               // shelf or store
QString itemNote(SeededRandom &rnd);               // at most 10 characters, often empty
QString lineNote(SeededRandom &rnd, bool isReturn); // at most 25 characters, mostly empty
QString manufacturingNote(SeededRandom &rnd);      // at most 50 characters
QString accountNote(SeededRandom &rnd);            // at most 100 characters, often empty
QString accountKind(int role, bool arabic);        // role: 0 customer, 1 supplier, 2 employee, 3 expenses

// Voucher and opening-balance texts (at most 100 characters).
QString invoicePayment(bool arabic, int number);   // "Payment/Invoice " + number
QString salaryText(bool arabic, int month);
QString expenseText(SeededRandom &rnd, bool arabic);
QString receiptText(SeededRandom &rnd, bool arabic);
QString openingBalanceText(SeededRandom &rnd, bool arabic);

} // namespace DataGeneratorText
