#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <vector>

class TDataFormSQL;

// One item as the editor and the item card see it.
struct CatalogueItem
{
    int itemId = 0;
    QString code;
    QString description;
    int kind = 0;
    QString kindName;
    QString location;
    QString size;
    double rate = 0;
    double notLes = 0;
    QString note;
    bool isService = false;
    QVariant qkbNo;    // NULL or 1..24
    QVariant ofCount;  // NULL or an integer
    QVariant ofItemId; // NULL or an item
};

// The editor's fields as typed; the checks turn them into values.
struct ItemInput
{
    int itemId = 0; // 0 when inserting
    QString code;
    QString description;
    int kind = 0;   // 0 when no kind is chosen
    QString location;
    QString size;
    QString rate;
    QString notLes;
    QString note;
    bool isService = false;
    QString qkbNo;
    QString ofCount;
    QString ofItemId;
};

// One row of the items list (kept small: the list may hold every item).
struct CatalogueRow
{
    int itemId = 0;
    QString code;
    QString description;
    QString location;
    QString kindName;
    QString size;
    double notLes = 0;
    double rate = 0;
    bool isService = false;
    bool hasOfCount = false;
    int ofCount = 0;
};

struct ItemKindRow
{
    int id = 0;
    QString name;
};

// The item catalogue: item kinds and items, their checks and the deletes
// that leave items in use and kinds in use alone. Texts of the messages
// follow the interface language of the moment.
class Catalogue
{
public:
    explicit Catalogue(TDataFormSQL &data);

    // "English" or "Arabic" by the interface language.
    static QString text(const char *english, const QString &arabic);
    static QString text(const char *english, const char *arabic);

    // -- kinds
    QList<ItemKindRow> kinds(bool *ok = nullptr) const;
    int kindCount() const;
    // The kind with the smallest ItemKindID (0 when there is none).
    ItemKindRow firstKind() const;
    QString kindName(int kindId) const;

    enum class KindResult { Added, Empty, Exists, Deleted, InUse, Failed };
    struct KindOutcome
    {
        KindResult result = KindResult::Failed;
        int kindId = 0;
        QString message; // what the user is told (empty when nothing)
    };
    KindOutcome addKind(const QString &name);
    static QString deleteKindQuestion(const QString &name);
    KindOutcome deleteKind(int kindId);

    // -- items
    // The editor fields that a check can point at.
    enum class Field { None, Code, PartCount, Rate, Min, QuickKey, Kind };
    struct SaveOutcome
    {
        bool ok = false;
        Field field = Field::None;
        QString message;
        int itemId = 0; // the saved item
    };
    // True when another item (not exceptId) has exactly this code.
    bool codeExists(const QString &code, int exceptId = 0) const;
    // The Save rule of the editor while the code is typed.
    bool canSave(const QString &code, bool inserting) const;
    // Runs every check in order, then inserts (input.itemId == 0) or updates.
    SaveOutcome saveItem(const ItemInput &input);
    // The checks alone (no database change).
    SaveOutcome checkItem(const ItemInput &input) const;

    bool item(int itemId, CatalogueItem *out) const;
    // Code and description of an item ("part of" display); false when none.
    bool codeAndDescription(int itemId, QString *code, QString *description) const;

    struct DeleteOutcome
    {
        bool deleted = false;
        QString message; // the refusal, empty when deleted
    };
    static QString deleteItemQuestion(const QString &code, const QString &description);
    DeleteOutcome deleteItem(int itemId);
    // True when a document line, the opening stock, a warranty claim or
    // another item's "part of" points at the item.
    bool isItemUsed(int itemId) const;

    int itemCount() const;
    // Items whose code, description, kind name or location contain the
    // fragment (all items when empty), ordered by code.
    std::vector<CatalogueRow> search(const QString &fragment, bool *ok = nullptr) const;
    // At most `limit` listed items with a code after `afterCode` (from the
    // start when afterCode is null), ordered by code.
    std::vector<CatalogueRow> rowsAfter(const QString &afterCode, int limit, bool *ok = nullptr) const;
    bool row(int itemId, CatalogueRow *out) const;

    QString lastError() const { return m_error; }

    // The tables whose rows point at an item by ItemID.
    static const QStringList &lineTables();

private:
    std::vector<CatalogueRow> readRows(const QString &where, const QVariantList &values, const QString &tail,
                                       bool *ok, int reserve = 0) const;

    TDataFormSQL &m_data;
    mutable QString m_error;
};
