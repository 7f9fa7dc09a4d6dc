#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class TDataFormSQL;

// One account of the address book.
struct AccountRow
{
    int id = 0;
    QString name;
    QString tel1;
    QString tel2;
    QString fax;
    QString address;
    QString kind;
    QString note;
    bool cashOnly = false;
};

// The address book: the accounts of customers, suppliers and every other
// counterparty. Accounts 1 to 3 belong to the system: they are never
// listed, changed or deleted here. Message texts follow the interface
// language of the moment.
class AddressBook
{
public:
    explicit AddressBook(TDataFormSQL &data);

    static QString text(const char *english, const char *arabic);
    // The highest number of a system account.
    static constexpr int kLastSystemAccount = 3;
    static bool isSystemAccount(int id) { return id >= 1 && id <= kLastSystemAccount; }

    // The listed accounts ordered by name; with a fragment only those whose
    // name, first telephone number or kind contain it (any letter case).
    std::vector<AccountRow> list(const QString &fragment = QString(), bool *ok = nullptr) const;
    bool account(int id, AccountRow *out) const;
    // True when an account other than exceptId has exactly this name.
    bool nameExists(const QString &name, int exceptId = 0) const;

    struct Outcome
    {
        bool ok = false;
        int id = 0;
        QString message; // what the user is told (empty when nothing)
    };
    // Inserts (row.id == 0) or updates the account.
    Outcome save(const AccountRow &row);
    // Gives account id a new name.
    Outcome rename(int id, const QString &newName);

    static QString deleteQuestion(const QString &name);
    static QString renameQuestion(const QString &oldName, const QString &newName);
    // Deletes an account nothing refers to, then reseeds the numbering.
    Outcome remove(int id);
    // True when a document, voucher, opening balance, cheque, user,
    // employee or partner refers to the account.
    bool isUsed(int id) const;

    QString lastError() const { return m_error; }

private:
    TDataFormSQL &m_data;
    mutable QString m_error;
};
