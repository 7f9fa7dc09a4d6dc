#include "SchemaDef.h"

// The tables of a year database. Numeric and bit columns of the base tables
// default to 0 so that rows inserted with only a few columns (imported items,
// quick sales headers) never carry NULL amounts or flags. Columns marked
// upgrade() are the ones the in-place upgrade adds to older databases; the
// fresh template lists them in the order the upgrade appends them.

namespace {

ColumnDef col(const QString &name, ColType type, int size = 0, int scale = 0)
{
    ColumnDef c;
    c.name = name;
    c.type = type;
    c.size = size;
    c.scale = scale;
    switch (type) {
    case ColType::Int:
    case ColType::SmallInt:
    case ColType::TinyInt:
    case ColType::Float:
    case ColType::Real:
    case ColType::Decimal:
        c.defaultSql = QStringLiteral("0");
        break;
    case ColType::Bit:
        c.defaultSql = QStringLiteral("FALSE");
        break;
    default:
        break;
    }
    return c;
}

ColumnDef identity(const QString &name) { return col(name, ColType::Identity); }
ColumnDef intc(const QString &name) { return col(name, ColType::Int); }
ColumnDef smallint(const QString &name) { return col(name, ColType::SmallInt); }
ColumnDef tinyint(const QString &name) { return col(name, ColType::TinyInt); }
ColumnDef flt(const QString &name) { return col(name, ColType::Float); }
ColumnDef real(const QString &name) { return col(name, ColType::Real); }
// Money columns keep three decimals so that currencies with three (and
// quantities times such prices) lose nothing; the display rounds to the
// currency's own decimals.
ColumnDef dec(const QString &name, int p) { return col(name, ColType::Decimal, p + 1, 3); }
ColumnDef chr(const QString &name, int n) { return col(name, ColType::Char, n); }
ColumnDef vc(const QString &name, int n) { return col(name, ColType::VarChar, n); }
ColumnDef bit(const QString &name) { return col(name, ColType::Bit); }
ColumnDef dt(const QString &name) { return col(name, ColType::DateTime); }

// No default, nullable (columns the program leaves empty on purpose).
ColumnDef bare(ColumnDef c)
{
    c.defaultSql.clear();
    c.nullable = true;
    return c;
}

ColumnDef notNull(ColumnDef c, const QString &def)
{
    c.nullable = false;
    c.defaultSql = def;
    return c;
}

ColumnDef upgrade(ColumnDef c)
{
    c.upgrade = true;
    return c;
}

ColumnDef computed(ColumnDef c, const QString &expression)
{
    c.defaultSql.clear();
    c.generated = expression;
    return c;
}

IndexDef index(const QString &table, const QStringList &columns, bool unique = false)
{
    return IndexDef{(unique ? QStringLiteral("UX_") : QStringLiteral("IX_")) + table + u'_'
                        + columns.join(u'_'),
                    columns, unique};
}

ForeignKeyDef fk(const QString &name, const QString &column, const QString &refTable,
                 const QString &refColumn, bool isUpgrade)
{
    return ForeignKeyDef{name, column, refTable, refColumn, isUpgrade};
}

TableDef scratch(TableDef t)
{
    t.scratch = true;
    return t;
}

TableDef upgradeTable(TableDef t)
{
    t.upgrade = true;
    for (auto &c : t.columns)
        c.upgrade = true;
    for (auto &k : t.foreignKeys)
        k.upgrade = true;
    return t;
}

const QStringList &headerTables()
{
    static const QStringList t{QStringLiteral("InvoiceS"), QStringLiteral("Sales"),
                               QStringLiteral("PListS"),   QStringLiteral("BToUsS"),
                               QStringLiteral("BFromUsS"), QStringLiteral("IndTB")};
    return t;
}

TableDef header(const QString &name)
{
    TableDef t;
    t.name = name;
    t.columns = {identity("InvID"), intc("CompanyID"), dt("Date1"), bit("Cash"),
                 flt("TotalAmount"), vc("Note", 50)};
    if (name == u"InvoiceS")
        t.columns << intc("InvoiceNo");
    t.columns << upgrade(notNull(real("Discount"), "0"));
    if (name == u"Sales") {
        t.columns << upgrade(notNull(bit("Prepared"), "FALSE"))
                  << upgrade(notNull(bit("Delevered"), "FALSE")) << upgrade(bare(dt("PrepTime")))
                  << upgrade(bare(dt("DeleverTime")));
    }
    t.columns << upgrade(bare(dt("StartTime")));
    t.columns << upgrade(notNull(smallint("UID"), "0"));
    t.foreignKeys << fk("FK_" + name + "_UsersUID", "UID", "Users", "UID", true);
    t.indexes << index(name, {"Date1"}) << index(name, {"CompanyID"});
    return t;
}

TableDef lines(const QString &name, bool floatAmounts = false)
{
    TableDef t;
    t.name = name;
    ColumnDef rate = floatAmounts ? flt("Rate1") : dec("Rate1", 10);
    ColumnDef amount = floatAmounts ? flt("Amount1") : dec("Amount1", 21);
    t.columns = {identity("ID"), intc("InvID"), intc("ItemID"), flt("Quantity"), rate,
                 computed(amount, "\"Quantity\"*\"Rate1\""), vc("Note", 25)};
    t.indexes << index(name, {"InvID"}) << index(name, {"ItemID"});
    return t;
}

TableDef serials(const QString &name, const QString &lineTable)
{
    TableDef t;
    t.name = name;
    t.columns = {identity("ID"), bare(intc("SOneID")), vc("SNo", 50)};
    t.foreignKeys << fk("FK_" + name + "_SOneID", "SOneID", lineTable, "ID", true);
    t.indexes << index(name, {"SOneID"});
    return upgradeTable(t);
}

QList<TableDef> build()
{
    QList<TableDef> all;

    // -- master data
    all << TableDef{"Address",
                    {identity("ID"), vc("AName", 100), vc("Telno1", 15), vc("Telno2", 15),
                     vc("Fax", 15), vc("Adress", 50), vc("Kind", 10), vc("Note", 100),
                     bit("CashOnly")},
                    {},
                    {index("Address", {"AName"})}};
    all << TableDef{"ItemKind", {identity("ItemKindID"), chr("ItemKind", 10)}};
    {
        TableDef t{"CodeTb",
                   {identity("ItemID"), chr("ItemCode", 20), chr("Description", 100),
                    intc("Kind"), vc("Location", 50), chr("ISize", 6), dec("Rate", 10),
                    flt("NotLes"), vc("Note", 50), bit("IsService"),
                    upgrade(bare(smallint("QkbNo"))), upgrade(bare(intc("OfCount"))),
                    upgrade(bare(intc("OfItemId")))}};
        t.foreignKeys << fk("FK_CodeTB_CodeTBofItemID", "OfItemId", "CodeTb", "ItemID", true);
        t.indexes << index("CodeTb", {"ItemCode"}, true) << index("CodeTb", {"Kind"});
        all << t;
    }
    {
        TableDef t{"Users",
                   {col("UID", ColType::SmallIdentity), intc("EID"), vc("UName", 10),
                    col("Pass", ColType::NVarChar, 808), tinyint("UKind"), vc("options", 200),
                    tinyint("Lang"), tinyint("KbBarcode"), tinyint("TabShow"), bit("IsConnected"),
                    upgrade(notNull(bit("Qkb"), "FALSE")),
                    upgrade(notNull(bit("Coupon"), "FALSE"))}};
        all << t;
    }
    all << TableDef{"options", {identity("ID"), vc("OName", 50), col("OValue", ColType::Variant)}};
    all << TableDef{"Bank",
                    {identity("BankId"), vc("BankName", 100), col("ChqImg", ColType::Blob),
                     flt("Balance"), vc("Tel", 15), col("Options", ColType::VarChar, 0)}};
    all << TableDef{"PayOpt", {bare(intc("ID")), vc("Bayan", 100)}};

    // -- trading documents
    for (const QString &h : headerTables())
        all << header(h);
    all << lines("InvOne") << lines("SaleOne") << lines("PListOne") << lines("BToUsOne")
        << lines("BFrUsOne") << lines("IndInTB") << lines("IndOutTB", true);

    // -- stock
    all << TableDef{"FGood",
                    {identity("ID"), intc("ItemId"), flt("Quantity"), dec("Rate", 10),
                     computed(dec("Amount", 21), "\"Quantity\"*\"Rate\""), vc("Note", 25)},
                    {},
                    {index("FGood", {"ItemId"})}};

    all << serials("SNoInv", "InvOne") << serials("SNoSale", "SaleOne")
        << serials("SNoBTU", "BToUsOne") << serials("SNoBFU", "BFrUsOne")
        << serials("SNoIndIn", "IndInTB") << serials("SNoIndOut", "IndOutTB")
        << serials("SNoFGood", "FGood");

    // -- accounts and cash
    all << TableDef{"Pay",
                    {identity("PID"), intc("PNameID"), vc("Bayan", 100), dec("Amount", 10),
                     dt("Date1"), bit("Debit"), bit("Printed"), bare(intc("BayanSpecial")),
                     upgrade(notNull(smallint("UID"), "0"))},
                    {},
                    {index("Pay", {"Date1"}), index("Pay", {"PNameID"})}};
    all << TableDef{"Credit",
                    {identity("CID"), intc("CNameID"), vc("Bayan", 100), dec("Amount", 10),
                     dt("Date1"), bit("Debit"), bit("Printed"),
                     upgrade(notNull(smallint("UID"), "0"))},
                    {},
                    {index("Credit", {"Date1"}), index("Credit", {"CNameID"})}};
    all << TableDef{"OldDept",
                    {identity("ID"), intc("No1"), intc("PersonID"), vc("About", 100),
                     dec("Amount", 10), dt("Date1")},
                    {},
                    {index("OldDept", {"PersonID"})}};
    all << TableDef{"Cheque",
                    {identity("ChqID"), intc("BankID"), intc("ComID"), intc("ChkNo"),
                     dt("ChkDate"), flt("Amount"), bit("AccOnly")}};

    // -- employees and partners
    all << TableDef{"Emps",
                    {identity("EmpID"), intc("AccID"), bit("Resigned"), dt("ResignDate"),
                     vc("Position", 20)}};
    {
        TableDef t{"SalaryAuto", {identity("ID"), intc("EmpID")}};
        for (int m = 1; m <= 12; ++m)
            t.columns << dec(QString::number(m), 10);
        all << t;
    }
    all << TableDef{"SalaryExtra",
                    {identity("ID"), intc("EmpID"), tinyint("Month1"), dec("Amount", 20),
                     dt("Date1"), vc("About", 50)}};
    all << scratch(TableDef{"SalaryAll",
                            {intc("EmpID"), tinyint("Month1"), flt("Amount"), dt("Date1"),
                             vc("About", 50)}});
    {
        TableDef t{"SalaryAllM", {intc("EmpID")}};
        for (int m = 1; m <= 12; ++m)
            t.columns << flt(QString::number(m));
        all << scratch(t);
    }
    all << TableDef{"Partners", {identity("ID"), intc("AccID"), flt("Share"), vc("Note", 100)}};
    all << TableDef{"Profit",
                    {identity("ProfitID"), intc("PartnerID"), dec("Amount", 20), vc("About", 100),
                     dt("Date1")}};

    // -- side modules
    all << TableDef{"Diary", {identity("ID"), dt("NDate"), vc("Note", 100)}};
    {
        TableDef t{"Claim",
                   {identity("ToUs1ID"), bare(intc("ItemId")), bare(intc("CustomerID")),
                    bare(intc("SupplierID")), bare(intc("FUs1ID")), vc("SNo", 50),
                    dt("ToUs1Date"), dt("FUs1Date"), dt("ToUs2Date"), dt("FUs2Date"),
                    bare(real("ToUs2Amount")), bare(real("ToUs2Amount2")), bare(real("FUs2Amount")),
                    vc("ToUs1Memo", 1000), vc("ToUs2Memo", 1000)}};
        t.foreignKeys << fk("FK_Claim_ItemId", "ItemId", "CodeTb", "ItemID", true)
                      << fk("FK_Claim_CustomerID", "CustomerID", "Address", "ID", true)
                      << fk("FK_Claim_SupplierID", "SupplierID", "Address", "ID", true);
        all << upgradeTable(t);
    }
    {
        TableDef t{"Trucks", {bare(intc("TruckNo"))}};
        t.columns[0].nullable = false;
        t.primaryKey = "TruckNo";
        all << upgradeTable(t);
    }
    all << TableDef{"Weeks",
                    {identity("WeekID"), dt("Date1"), upgrade(notNull(real("GalonPrice"), "10.68"))}};
    {
        TableDef t{"WeekCase",
                   {identity("WCaseNo"), intc("WeekID"), intc("TruckNo"), vc("DriverName", 100),
                    notNull(intc("Dhs"), "0"), notNull(intc("KM"), "0"),
                    notNull(intc("Galons"), "0")}};
        t.foreignKeys << fk("FK_WeekCase_WeeksWeekID", "WeekID", "Weeks", "WeekID", true);
        t.indexes << index("WeekCase", {"WeekID"});
        all << t;
    }
    all << upgradeTable(scratch(TableDef{"Drivers",
                                         {bare(vc("DriverName", 100)), bare(intc("Gln0")),
                                          bare(intc("Gln1")), bare(intc("Gln")), bare(intc("Km0")),
                                          bare(intc("km1")), bare(intc("km")), bare(intc("Dhs")),
                                          bare(real("rate"))}}));
    all << TableDef{"LogFile", {vc("ver", 10), vc("details", 20)}};

    // -- scratch tables: connection-local, rebuilt by the operation that uses them
    all << scratch(TableDef{"TempCash",
                            {identity("ID"), intc("AccID"), vc("VNo", 10), vc("VKind", 20),
                             dt("VDate"), flt("Debit"), flt("Credit"), vc("About", 100)}});
    all << scratch(TableDef{"TempMonths",
                            {smallint("Month_"), flt("Pur"), flt("Sal"), flt("Goods"), flt("Pay"),
                             flt("Crd"), flt("salary"), flt("Net")}});
    all << scratch(TableDef{"tempStore1",
                            {identity("ID"), intc("ItemId"), flt("Quantity"), flt("RateStr"),
                             dt("Date1"), bit("IsService")}});
    all << scratch(TableDef{"Store",
                            {identity("CNO"), intc("ItemId"), flt("Quantity"), dec("RateStr", 10),
                             dt("Date1")}});
    all << scratch(TableDef{"TempCosts", {bare(intc("ItemID")), bare(real("RateStr")), dt("Date1")}});
    all << scratch(TableDef{"Costs", {bare(intc("ItemID")), bare(real("Cost")), dt("Date1")}});
    all << upgradeTable(scratch(TableDef{"TempClipboard",
                                         {bare(intc("ItemID")), bare(real("Quantity")),
                                          bare(real("Rate1")), vc("Note", 25)}}));
    all << upgradeTable(scratch(TableDef{"tempSno",
                                         {vc("itemCode", 20), vc("SNo", 50), bare(intc("sCount"))}}));
    all << upgradeTable(scratch(TableDef{"TempBarcode", {col("Grph", ColType::Blob)}}));

    // -- the schema version of this database
    {
        TableDef t{"SchemaVersion", {notNull(intc("Version"), "0")}};
        t.upgrade = true;
        all << t;
    }
    return all;
}

} // namespace

const ColumnDef *TableDef::column(const QString &n) const
{
    for (const auto &c : columns)
        if (c.name.compare(n, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

QStringList TableDef::columnNames() const
{
    QStringList names;
    for (const auto &c : columns)
        names << c.name;
    return names;
}

namespace Schema {

const QList<TableDef> &tables()
{
    static const QList<TableDef> all = build();
    return all;
}

const TableDef *table(const QString &name)
{
    for (const auto &t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QList<TableDef> permanentTables()
{
    QList<TableDef> out;
    for (const auto &t : tables())
        if (!t.scratch)
            out << t;
    return out;
}

QList<TableDef> scratchTables()
{
    QList<TableDef> out;
    for (const auto &t : tables())
        if (t.scratch)
            out << t;
    return out;
}

QList<TableDef> baseTables()
{
    QList<TableDef> out;
    for (auto t : permanentTables()) {
        if (t.upgrade)
            continue;
        QList<ColumnDef> cols;
        for (auto c : t.columns) {
            if (c.upgrade)
                continue;
            // Old databases carry the vehicle sheet's figures as nullable
            // floats; the upgrade makes them whole numbers with a default.
            if (t.name == u"WeekCase"
                && (c.name == u"Dhs" || c.name == u"KM" || c.name == u"Galons")) {
                c.type = ColType::Float;
                c.nullable = true;
                c.defaultSql.clear();
            }
            // ... and the cheque layout in a short text.
            if (t.name == u"Bank" && c.name == u"Options")
                c.size = 255;
            cols << c;
        }
        t.columns = cols;
        QList<ForeignKeyDef> keys;
        for (const auto &k : t.foreignKeys)
            if (!k.upgrade)
                keys << k;
        t.foreignKeys = keys;
        t.indexes.clear(); // old databases have none of the program's indexes
        out << t;
    }
    return out;
}

int currentVersion()
{
    return 2;
}

} // namespace Schema
