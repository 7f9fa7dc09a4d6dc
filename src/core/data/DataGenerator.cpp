#include "DataGenerator.h"

#include "DataGeneratorText.h"
#include "SeededRandom.h"
#include "TDataFormSQL.h"
#include "YearDatabases.h"
#include "shell/Clock.h"
#include "shell/Password.h"
#include "shell/Users.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using DataGeneratorText::Category;

constexpr int kMaxLines = 40;      // lines of one document, at most
constexpr int kOpenMinutes = 14 * 60; // documents are dated 08:00 .. 22:00
constexpr int kRowsPerStatement = 64;

// The six document kinds, in the program's kind order.
struct KindDef
{
    const char *header;
    const char *lines;
    const char *products; // second line table (manufacturing), else null
    double lineShare;     // part of all lines
    double meanLines;     // lines per document on average
    int minLines;
};

const KindDef kKinds[6] = {
    {"InvoiceS", "InvOne", nullptr, 0.20, 14.0, 1},
    {"Sales", "SaleOne", nullptr, 0.62, 6.0, 1},
    {"PListS", "PListOne", nullptr, 0.05, 8.0, 1},
    {"BToUsS", "BToUsOne", nullptr, 0.04, 2.5, 1},
    {"BFromUsS", "BFrUsOne", nullptr, 0.03, 4.0, 1},
    {"IndTB", "IndInTB", "IndOutTB", 0.06, 8.0, 2},
};
enum Kind { Purchase = 0, Sale, PriceList, BackToUs, BackFromUs, Manufacturing };

QString q(const QString &identifier)
{
    return SqlDialect::quote(identifier);
}

// Multi-row INSERT with bound values: rows are buffered and sent
// kRowsPerStatement at a time through one prepared statement; the rest goes
// through a prepared one-row statement.
class BatchInserter
{
public:
    BatchInserter(const QString &table, const QStringList &columns)
        : m_table(table)
        , m_columns(columns)
    {
    }

    bool prepare(const QSqlDatabase &db, QString *error)
    {
        m_many = QSqlQuery(db);
        m_one = QSqlQuery(db);
        QStringList quoted;
        for (const QString &c : m_columns)
            quoted << q(c);
        const QString head = QStringLiteral("INSERT INTO %1(%2) VALUES ").arg(q(m_table), quoted.join(u','));
        QString row = u'(' + QStringList(m_columns.size(), QStringLiteral("?")).join(u',') + u')';
        QStringList rows(kRowsPerStatement, row);
        if (!m_many.prepare(head + rows.join(u',')) || !m_one.prepare(head + row)) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(m_table, m_many.lastError().text() + m_one.lastError().text());
            return false;
        }
        m_values.reserve(m_columns.size() * kRowsPerStatement);
        return true;
    }

    // Values of one row, in column order.
    template<typename... Values>
    bool add(QString *error, Values &&...values)
    {
        (m_values.append(QVariant(std::forward<Values>(values))), ...);
        ++m_rows;
        if (m_values.size() >= m_columns.size() * kRowsPerStatement)
            return sendMany(error);
        return true;
    }

    bool flush(QString *error)
    {
        const int width = int(m_columns.size());
        for (int start = 0; start < m_values.size(); start += width) {
            for (int i = 0; i < width; ++i)
                m_one.bindValue(i, m_values[start + i]);
            if (!m_one.exec())
                return fail(m_one, error);
        }
        m_values.clear();
        return true;
    }

    qint64 rows() const { return m_rows; }
    const QString &table() const { return m_table; }

private:
    bool sendMany(QString *error)
    {
        for (int i = 0; i < m_values.size(); ++i)
            m_many.bindValue(i, m_values[i]);
        if (!m_many.exec())
            return fail(m_many, error);
        m_values.clear();
        return true;
    }

    bool fail(QSqlQuery &query, QString *error)
    {
        if (error)
            *error = QStringLiteral("%1: %2").arg(m_table, query.lastError().text());
        m_values.clear();
        return false;
    }

    QString m_table;
    QStringList m_columns;
    QSqlQuery m_many, m_one;
    QVariantList m_values;
    qint64 m_rows = 0;
};

struct ItemInfo
{
    int id = 0;
    int rateCents = 0;
    int costCents = 0;
    bool byWeight = false;
    bool service = false;
};

struct AccountInfo
{
    int id = 0;
    int role = 0; // 0 customer, 1 supplier, 2 employee, 3 expenses
    bool cashOnly = false;
    bool arabic = true;
};

struct UserInfo
{
    int uid = 0;
    int kind = Users::Normal;
};

struct DocumentRef
{
    int account;
    int number;
};

// Splits total by the weights, the largest remainders taking the rest.
std::array<qint64, 6> apportion(qint64 total, const std::array<double, 6> &weights)
{
    double sum = 0;
    for (double w : weights)
        sum += w;
    std::array<qint64, 6> out{};
    std::array<double, 6> rest{};
    qint64 given = 0;
    for (int k = 0; k < 6; ++k) {
        const double exact = double(total) * weights[k] / sum;
        out[k] = qint64(exact);
        rest[k] = exact - double(out[k]);
        given += out[k];
    }
    while (given < total) {
        int best = 0;
        for (int k = 1; k < 6; ++k)
            if (rest[k] > rest[best])
                best = k;
        ++out[best];
        rest[best] = -1;
        ++given;
    }
    return out;
}

struct DocumentPlan
{
    std::array<qint64, 6> docs{}, lines{};
};

// Documents and lines per kind. With a number of documents given, that many
// are made; the lines follow the asked total as far as 1..kMaxLines lines
// per document allow.
DocumentPlan planDocuments(qint64 lines, qint64 documents)
{
    std::array<double, 6> lineWeights, docWeights;
    for (int k = 0; k < 6; ++k) {
        lineWeights[k] = kKinds[k].lineShare;
        docWeights[k] = kKinds[k].lineShare / kKinds[k].meanLines;
    }
    DocumentPlan p;
    p.lines = apportion(lines, lineWeights);
    if (documents > 0) {
        p.docs = apportion(documents, docWeights);
        // every kind gets a document when there are enough of them
        for (int k = 0; k < 6 && documents >= 6; ++k) {
            if (p.docs[k] > 0)
                continue;
            int most = 0;
            for (int j = 1; j < 6; ++j)
                if (p.docs[j] > p.docs[most])
                    most = j;
            --p.docs[most];
            ++p.docs[k];
        }
    } else {
        for (int k = 0; k < 6; ++k) {
            const KindDef &def = kKinds[k];
            qint64 d = p.lines[k] >= def.minLines ? std::max<qint64>(1, std::llround(double(p.lines[k]) / def.meanLines)) : 0;
            p.docs[k] = std::min(d, p.lines[k] / def.minLines);
        }
    }
    qint64 sum = 0;
    for (int k = 0; k < 6; ++k) {
        const qint64 lo = p.docs[k] * kKinds[k].minLines, hi = p.docs[k] * kMaxLines;
        p.lines[k] = std::clamp(p.lines[k], lo, hi);
        sum += p.lines[k];
    }
    // Move lines between kinds towards the asked total, sales first.
    qint64 diff = lines - sum;
    const int order[] = {Sale, Purchase, PriceList, Manufacturing, BackToUs, BackFromUs};
    for (int k : order) {
        if (diff > 0) {
            const qint64 add = std::min(diff, p.docs[k] * kMaxLines - p.lines[k]);
            p.lines[k] += add;
            diff -= add;
        } else if (diff < 0) {
            const qint64 take = std::min(-diff, p.lines[k] - p.docs[k] * kKinds[k].minLines);
            p.lines[k] -= take;
            diff += take;
        }
    }
    return p;
}

// Sale price endings that shops use.
int priceCents(SeededRandom &rnd, const Category &c)
{
    const double span = double(c.maxPrice - c.minPrice);
    const double skew = rnd.skewed();
    const double price = c.minPrice + span * skew * 2.0 * rnd.unit();
    const int whole = int(price);
    if (price < 20.0) {
        static const int endings[] = {0, 25, 50, 75, 95, 99};
        return std::max(25, whole * 100 + rnd.pick(endings));
    }
    static const int lastDigits[] = {0, 5, 9};
    return std::max(100, (whole / 10 * 10 + rnd.pick(lastDigits)) * 100);
}

QString digits(SeededRandom &rnd, int count)
{
    QString s;
    s.reserve(count);
    for (int i = 0; i < count; ++i)
        s += QChar(u'0' + int(rnd.below(10)));
    return s;
}

} // namespace

// ------------------------------------------------------------------ Impl

struct DataGenerator::Impl
{
    Impl(TDataFormSQL &data, const DataGeneratorOptions &options, DataGenerator::Summary &summary,
         const DataGenerator::Progress &progress)
        : data(data)
        , o(options)
        , summary(summary)
        , progress(progress)
        , rnd(options.seed)
    {
    }

    TDataFormSQL &data;
    DataGeneratorOptions o;
    DataGenerator::Summary &summary;
    const DataGenerator::Progress &progress;
    SeededRandom rnd;
    QString error;

    int year = 0;
    QDate first;
    int days = 365;

    std::vector<ItemInfo> items;    // every item the documents may use
    std::vector<int> stockPopular;  // indices into items: stock items, most popular first
    std::vector<int> services;      // indices into items
    std::vector<AccountInfo> accounts;
    std::vector<int> customers, suppliers, employees, expenses; // indices into accounts
    int walkIn = -1;                // index of the walk-in cash account
    std::vector<UserInfo> users;
    std::vector<int> officeUsers;   // UIDs of users who make documents and vouchers
    int posUser = 0;
    std::vector<DocumentRef> debitPurchases, debitSales;

    std::vector<std::unique_ptr<BatchInserter>> inserters;
    qint64 pendingRows = 0;
    // headers written since the last commit whose totals are not set yet
    struct Range { int from = 0, to = -1; };
    Range pendingTotals[6];

    // -- helpers ------------------------------------------------------------
    bool fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
        return false;
    }

    QVariant date(int day, int second) const
    {
        const QDateTime at(first.addDays(day), QTime(0, 0).addSecs(second), Qt::UTC);
        return data.ToSqlDate(at);
    }

    QVariant flag(bool value) const { return data.boolValue(value); }

    static QVariant text(const QString &value)
    {
        return value.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(value);
    }

    static QVariant nullInt() { return QVariant(QMetaType::fromType<int>()); }

    BatchInserter *inserter(const QString &table, const QStringList &columns)
    {
        auto ins = std::make_unique<BatchInserter>(table, columns);
        if (!ins->prepare(data.database(), &error))
            return nullptr;
        inserters.push_back(std::move(ins));
        return inserters.back().get();
    }

    void report(const QString &stage, qint64 done, qint64 total)
    {
        if (progress)
            progress(stage, done, total);
    }

    qint64 maxOf(const QString &table, const QString &column)
    {
        bool ok = false;
        const QVariant v = data.scalar(QStringLiteral("SELECT max(%1) FROM %2").arg(q(column), q(table)), {}, &ok);
        if (!ok)
            fail(data.lastErrorText());
        return v.isNull() ? 0 : v.toLongLong();
    }

    bool begin()
    {
        if (!data.beginTransaction())
            return fail(data.lastErrorText());
        return true;
    }

    // Sends what is buffered, sets the totals of the headers written since
    // the last commit and commits.
    bool commit()
    {
        for (auto &ins : inserters)
            if (!ins->flush(&error))
                return false;
        if (!updateTotals())
            return false;
        if (!data.commitTransaction())
            return fail(data.lastErrorText());
        summary.committedRows = 0;
        for (auto &ins : inserters)
            summary.committedRows += ins->rows();
        pendingRows = 0;
        return begin();
    }

    bool rowWritten(int count = 1)
    {
        pendingRows += count;
        if (pendingRows >= o.batchRows)
            return commit();
        return true;
    }

    bool updateTotals()
    {
        for (int k = 0; k < 6; ++k) {
            Range &r = pendingTotals[k];
            if (r.to < r.from)
                continue;
            const QString header = QString::fromLatin1(kKinds[k].header);
            const QString lines = QString::fromLatin1(kKinds[k].lines);
            const QString sql =
                QStringLiteral("UPDATE %1 SET \"TotalAmount\"=(100+CAST(\"Discount\" AS DOUBLE PRECISION))"
                               "*COALESCE((SELECT sum(L.\"Amount1\") FROM %2 L WHERE L.\"InvID\"=%1.\"InvID\"),0)/100 "
                               "WHERE \"InvID\" BETWEEN ? AND ?")
                    .arg(q(header), q(lines));
            if (!data.DoSqlNEW(sql, {r.from, r.to}))
                return fail(QStringLiteral("%1: %2").arg(header, data.lastErrorText()));
            r = Range{};
        }
        return true;
    }

    void noteHeader(int kind, int invId)
    {
        Range &r = pendingTotals[kind];
        if (r.to < r.from)
            r.from = invId;
        r.to = invId;
    }

    // -- steps --------------------------------------------------------------
    bool run();
    bool makeKindsAndItems();
    bool makeAccounts();
    bool makeUsers();
    bool makeOpeningStock();
    bool makeDocuments();
    bool makeOpeningBalances();
    bool makeVouchers();
    bool reseedAll();

    QString uniqueName(QSet<QString> &taken, const QString &name);
    int pickItem(bool allowService, double serviceShare);
    int pickCustomer();
    int pickSupplier();
    int officeUid() { return officeUsers.empty() ? 0 : officeUsers[rnd.below(officeUsers.size())]; }
};

QString DataGenerator::Impl::uniqueName(QSet<QString> &taken, const QString &name)
{
    QString candidate = name.left(100);
    for (int n = 2; taken.contains(candidate); ++n)
        candidate = QStringLiteral("%1 %2").arg(name.left(94)).arg(n);
    taken.insert(candidate);
    return candidate;
}

int DataGenerator::Impl::pickItem(bool allowService, double serviceShare)
{
    if (allowService && !services.empty() && rnd.chance(serviceShare))
        return services[rnd.below(services.size())];
    if (stockPopular.empty())
        return services.empty() ? -1 : services[rnd.below(services.size())];
    const quint64 n = stockPopular.size();
    // Most lines name a few popular items; the rest is spread over all.
    const quint64 i = rnd.chance(0.7) ? std::min<quint64>(n - 1, quint64(double(n) * rnd.skewed()))
                                      : rnd.below(n);
    return stockPopular[i];
}

int DataGenerator::Impl::pickCustomer()
{
    const quint64 n = customers.size();
    const double skew = rnd.skewed();
    return customers[std::min<quint64>(n - 1, quint64(double(n) * skew * 2.0 * rnd.unit()))];
}

int DataGenerator::Impl::pickSupplier()
{
    const quint64 n = suppliers.size();
    return suppliers[std::min<quint64>(n - 1, quint64(double(n) * rnd.skewed()))];
}

// ------------------------------------------------------------ items

bool DataGenerator::Impl::makeKindsAndItems()
{
    const auto &cats = DataGeneratorText::categories();
    report(QStringLiteral("items"), 0, o.items);

    // Kinds: reuse a kind of the same name, else add it.
    QHash<QString, int> kindIds;
    {
        bool ok = false;
        QSqlQuery k = data.exec(QStringLiteral("SELECT \"ItemKindID\",\"ItemKind\" FROM \"ItemKind\""), {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (k.next())
            kindIds.insert(k.value(1).toString().trimmed(), k.value(0).toInt());
    }
    int nextKind = int(maxOf(QStringLiteral("ItemKind"), QStringLiteral("ItemKindID"))) + 1;
    BatchInserter *kinds = inserter(QStringLiteral("ItemKind"), {"ItemKindID", "ItemKind"});
    if (!kinds)
        return false;
    std::vector<int> categoryKind(cats.size());
    for (int c = 0; c < cats.size(); ++c) {
        const QString name = rnd.chance(0.6) ? cats[c].ar : cats[c].en;
        const int existing = kindIds.value(cats[c].ar, kindIds.value(cats[c].en, 0));
        if (existing) {
            categoryKind[c] = existing;
            continue;
        }
        categoryKind[c] = nextKind++;
        if (!kinds->add(&error, categoryKind[c], name))
            return false;
    }
    summary.rows[QStringLiteral("ItemKind")] += kinds->rows();

    // Codes already present, and quick keys already given out.
    QSet<QString> codes;
    bool quickKeysFree = true;
    {
        bool ok = false;
        QSqlQuery c = data.exec(
            QStringLiteral("SELECT \"ItemID\",\"ItemCode\",\"Rate\",\"IsService\",\"QkbNo\" FROM \"CodeTb\""), {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (c.next()) {
            const QString code = c.value(1).toString().trimmed();
            codes.insert(code);
            ItemInfo info;
            info.id = c.value(0).toInt();
            info.rateCents = int(std::llround(c.value(2).toDouble() * 100.0));
            info.costCents = std::max(1, info.rateCents * 3 / 4);
            info.service = c.value(3).toBool();
            info.byWeight = code.size() == 7 && code.startsWith(u'2');
            if (!c.value(4).isNull())
                quickKeysFree = false;
            items.push_back(info);
        }
    }
    const size_t existingItems = items.size();

    std::vector<int> cumulative;
    int total = 0;
    for (const Category &c : cats)
        cumulative.push_back(total += c.weight);
    int serviceCat = 0, fruitCat = 0;
    for (int c = 0; c < cats.size(); ++c) {
        if (cats[c].service)
            serviceCat = c;
        if (cats[c].byWeight && !fruitCat)
            fruitCat = c;
    }

    // Manufacturers' number prefixes (country + company), 7 digits.
    static const int countries[] = {628, 628, 628, 629, 622, 625, 690, 691, 693, 400, 401, 409, 300,
                                    301, 800, 803, 869, 869, 890, 540, 871, 880, 760, 500};
    const int prefixCount = std::clamp(o.items / 25, 5, 20000);
    QStringList prefixes;
    for (int i = 0; i < prefixCount; ++i)
        prefixes << QString::number(rnd.pick(countries)) + digits(rnd, 4);

    struct NewItem
    {
        ItemInfo info;
        int category;
        QString code;
        DataGeneratorText::ItemText text;
        int ofItem = 0, ofCount = 0;
        int quickKey = 0;
    };
    std::vector<NewItem> made;
    made.reserve(size_t(o.items));
    std::vector<std::vector<int>> perCategory(cats.size()); // ItemIDs of plain packed goods
    int nextId = int(maxOf(QStringLiteral("CodeTb"), QStringLiteral("ItemID"))) + 1;
    if (!error.isEmpty())
        return false;
    for (int i = 0; i < o.items; ++i) {
        int c = rnd.weighted(cumulative);
        if (i == 0 && o.items >= 10)
            c = serviceCat;
        else if (i == 1 && o.items >= 10)
            c = fruitCat;
        const Category &cat = cats[c];
        NewItem it;
        it.category = c;
        it.info.id = nextId++;
        it.info.service = cat.service;
        it.info.byWeight = cat.byWeight;
        it.info.rateCents = priceCents(rnd, cat);
        it.info.costCents = std::max(1, int(it.info.rateCents * (0.55 + 0.3 * rnd.unit())));
        it.text = DataGeneratorText::item(rnd, cat);
        for (int attempt = 0;; ++attempt) {
            QString code;
            if (cat.byWeight) {
                code = u'2' + digits(rnd, 6);
            } else {
                QString body;
                if (cat.service) {
                    body = QStringLiteral("29") + digits(rnd, 10);
                } else {
                    body = prefixes[qsizetype(rnd.below(prefixes.size()))];
                    body += digits(rnd, 5);
                }
                code = body + QChar(u'0' + DataGenerator::ean13CheckDigit(body));
            }
            if (!codes.contains(code)) {
                codes.insert(code);
                it.code = code;
                break;
            }
            if (attempt > 1000)
                return fail(QStringLiteral("no free item code left for %1 items").arg(o.items));
        }
        if (!cat.service && !cat.byWeight) {
            auto &same = perCategory[c];
            if (!same.empty() && rnd.chance(0.02)) {
                static const int counts[] = {6, 12, 24};
                it.ofItem = same[rnd.below(same.size())];
                it.ofCount = rnd.pick(counts);
            }
            same.push_back(it.info.id);
        }
        made.push_back(it);
    }

    for (const NewItem &it : made)
        items.push_back(it.info);
    for (size_t i = 0; i < items.size(); ++i)
        (items[i].service ? services : stockPopular).push_back(int(i));
    // Popularity: a shuffled order of the stock items, first = best seller.
    for (size_t i = stockPopular.size(); i > 1; --i)
        std::swap(stockPopular[i - 1], stockPopular[rnd.below(i)]);
    if (quickKeysFree) {
        int key = 1;
        for (int idx : stockPopular) {
            if (key > 24)
                break;
            if (size_t(idx) >= existingItems && !items[idx].byWeight)
                made[idx - existingItems].quickKey = key++;
        }
    }

    BatchInserter *ins = inserter(QStringLiteral("CodeTb"),
                                  {"ItemID", "ItemCode", "Description", "Kind", "Location", "ISize", "Rate",
                                   "NotLes", "Note", "IsService", "QkbNo", "OfCount", "OfItemId"});
    if (!ins)
        return false;
    qint64 done = 0;
    for (const NewItem &it : made) {
        double notLes = 0;
        if (it.info.byWeight)
            notLes = double(rnd.range(2, 20));
        else if (!it.info.service && rnd.chance(0.8))
            notLes = double(1 + qint64(48.0 * rnd.skewed()));
        const QString location = rnd.chance(0.7) ? DataGeneratorText::location(rnd) : QString();
        if (!ins->add(&error, it.info.id, it.code, it.text.description, categoryKind[it.category],
                      text(location), text(it.text.size), it.info.rateCents / 100.0, notLes,
                      text(DataGeneratorText::itemNote(rnd)), flag(it.info.service),
                      it.quickKey ? QVariant(it.quickKey) : nullInt(),
                      it.ofCount ? QVariant(it.ofCount) : nullInt(), it.ofItem ? QVariant(it.ofItem) : nullInt()))
            return false;
        ++done;
        if (!rowWritten())
            return false;
        if (pendingRows == 0)
            report(QStringLiteral("items"), done, o.items);
    }
    summary.rows[QStringLiteral("CodeTb")] += ins->rows();
    report(QStringLiteral("items"), done, o.items);
    return true;
}

// ------------------------------------------------------------ accounts

bool DataGenerator::Impl::makeAccounts()
{
    report(QStringLiteral("accounts"), 0, o.accounts);
    QSet<QString> names;
    {
        bool ok = false;
        QSqlQuery a = data.exec(QStringLiteral("SELECT \"ID\",\"AName\",\"CashOnly\" FROM \"Address\" WHERE \"ID\">3 ORDER BY \"ID\""),
                                {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (a.next()) {
            const QString name = a.value(1).toString();
            names.insert(name);
            AccountInfo acc;
            acc.id = a.value(0).toInt();
            acc.cashOnly = a.value(2).toBool();
            accounts.push_back(acc);
            if (acc.cashOnly && name == u"Cash" && walkIn < 0)
                walkIn = int(accounts.size() - 1);
            else
                customers.push_back(int(accounts.size() - 1));
        }
    }

    // Roles of the new accounts.
    const int n = o.accounts;
    std::vector<int> roles;
    const bool needCash = walkIn < 0;
    const int employeeCount = std::clamp(n / 40, 1, 40);
    const int expenseCount = std::min(DataGeneratorText::expenseAccountCount(), n / 30);
    const int supplierCount = std::max(1, int(n * 0.2));
    const int customerCount = n - (needCash ? 1 : 0) - employeeCount - expenseCount - supplierCount;
    for (int i = 0; i < supplierCount; ++i)
        roles.push_back(1);
    for (int i = 0; i < expenseCount; ++i)
        roles.push_back(3);
    for (int i = 0; i < customerCount; ++i)
        roles.push_back(0);
    for (size_t i = roles.size(); i > 1; --i)
        std::swap(roles[i - 1], roles[rnd.below(i)]);
    // The walk-in account and the staff come first: they exist before trading starts.
    roles.insert(roles.begin(), size_t(employeeCount), 2);
    if (needCash)
        roles.insert(roles.begin(), -1);

    BatchInserter *ins = inserter(QStringLiteral("Address"),
                                  {"ID", "AName", "Telno1", "Telno2", "Fax", "Adress", "Kind", "Note", "CashOnly"});
    if (!ins)
        return false;
    int nextId = int(maxOf(QStringLiteral("Address"), QStringLiteral("ID"))) + 1;
    if (!error.isEmpty())
        return false;
    nextId = std::max(nextId, 4);
    int expenseIndex = 0;
    qint64 done = 0;
    for (int role : roles) {
        AccountInfo acc;
        acc.id = nextId++;
        acc.arabic = rnd.chance(0.65);
        QString name, tel1, tel2, fax, address, kind, note;
        if (role == -1) {
            name = QStringLiteral("Cash");
            names.insert(name);
            acc.cashOnly = true;
            acc.role = 0;
        } else {
            acc.role = role;
            const bool company = role == 1 ? rnd.chance(0.9) : role == 0 && rnd.chance(0.3);
            if (role == 3)
                name = DataGeneratorText::expenseAccountName(expenseIndex++, acc.arabic);
            else if (company)
                name = DataGeneratorText::companyName(rnd, acc.arabic, role == 1);
            else
                name = DataGeneratorText::personName(rnd, acc.arabic);
            name = uniqueName(names, name);
            tel1 = DataGeneratorText::phone(rnd, !company);
            if (rnd.chance(0.3))
                tel2 = DataGeneratorText::phone(rnd, true);
            if (company && rnd.chance(0.3))
                fax = DataGeneratorText::phone(rnd, false);
            if (rnd.chance(0.7))
                address = DataGeneratorText::address(rnd, acc.arabic);
            if (rnd.chance(0.8))
                kind = DataGeneratorText::accountKind(role, acc.arabic);
            if (role <= 1)
                note = DataGeneratorText::accountNote(rnd);
            acc.cashOnly = role == 0 && rnd.chance(0.1);
        }
        if (!ins->add(&error, acc.id, name, text(tel1), text(tel2), text(fax), text(address), text(kind),
                      text(note), flag(acc.cashOnly)))
            return false;
        accounts.push_back(acc);
        const int index = int(accounts.size() - 1);
        if (role == -1)
            walkIn = index;
        else if (role == 0)
            customers.push_back(index);
        else if (role == 1)
            suppliers.push_back(index);
        else if (role == 2)
            employees.push_back(index);
        else
            expenses.push_back(index);
        ++done;
        if (!rowWritten())
            return false;
    }
    // An address book without a customer or supplier of its own still trades.
    if (customers.empty())
        customers.push_back(walkIn);
    if (suppliers.empty())
        suppliers = customers;
    summary.rows[QStringLiteral("Address")] += ins->rows();
    report(QStringLiteral("accounts"), done, o.accounts);
    return true;
}

// ------------------------------------------------------------ users

bool DataGenerator::Impl::makeUsers()
{
    QSet<QString> taken;
    {
        bool ok = false;
        QSqlQuery u = data.exec(QStringLiteral("SELECT \"UID\",\"UName\",\"UKind\" FROM \"Users\" ORDER BY \"UID\""), {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (u.next()) {
            taken.insert(u.value(1).toString());
            users.push_back({u.value(0).toInt(), u.value(2).toInt()});
        }
    }
    struct Seed
    {
        const char *name;
        int kind;
    };
    // Each password is the login name.
    const Seed seeds[] = {{"admin", Users::Administrator},
                          {"sales", Users::Normal},
                          {"pos", Users::PointOfSale},
                          {"super", Users::EditPermission}};
    BatchInserter *ins = inserter(QStringLiteral("Users"),
                                  {"UID", "EID", "UName", "Pass", "UKind", "options", "Lang", "KbBarcode",
                                   "TabShow", "IsConnected", "Qkb", "Coupon"});
    if (!ins)
        return false;
    int nextUid = int(maxOf(QStringLiteral("Users"), QStringLiteral("UID"))) + 1;
    if (!error.isEmpty())
        return false;
    int person = 0;
    const Password::BitSource bits = [this]() { return int(rnd.below(2)); };
    for (const Seed &s : seeds) {
        const QString name = QString::fromLatin1(s.name);
        if (taken.contains(name))
            continue;
        const int eid = accounts[employees.empty() ? size_t(walkIn) : size_t(employees[person++ % employees.size()])].id;
        const bool pos = s.kind == Users::PointOfSale;
        const QString rights = Users::buildRights(QVector<bool>(Users::kPageCount, true), s.kind);
        if (!ins->add(&error, nextUid, eid, name, Password::Encode(name, bits), s.kind, rights, 0,
                      pos ? 1 : 0, pos ? 5 : 0, flag(false), flag(false), flag(false)))
            return false;
        users.push_back({nextUid, s.kind});
        summary.notes << QStringLiteral("user %1 (kind %2), password %1").arg(name).arg(s.kind);
        ++nextUid;
    }
    if (!ins->flush(&error))
        return false;
    for (const UserInfo &u : users) {
        if (u.kind == Users::PointOfSale && !posUser)
            posUser = u.uid;
        else if (u.kind != Users::PointOfSale)
            officeUsers.push_back(u.uid);
    }
    if (officeUsers.empty() && !users.empty())
        officeUsers.push_back(users.front().uid);
    if (!posUser && !officeUsers.empty())
        posUser = officeUsers.front();
    summary.rows[QStringLiteral("Users")] += ins->rows();
    return true;
}

// ------------------------------------------------------------ opening stock

bool DataGenerator::Impl::makeOpeningStock()
{
    BatchInserter *ins = inserter(QStringLiteral("FGood"), {"ID", "ItemId", "Quantity", "Rate", "Note"});
    if (!ins)
        return false;
    int nextId = int(maxOf(QStringLiteral("FGood"), QStringLiteral("ID"))) + 1;
    if (!error.isEmpty())
        return false;
    QSet<int> present;
    {
        bool ok = false;
        QSqlQuery f = data.exec(QStringLiteral("SELECT DISTINCT \"ItemId\" FROM \"FGood\""), {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (f.next())
            present.insert(f.value(0).toInt());
    }
    const qint64 total = qint64(items.size());
    report(QStringLiteral("opening stock"), 0, total);
    qint64 done = 0;
    for (const ItemInfo &it : items) {
        ++done;
        if (it.service || present.contains(it.id) || !rnd.chance(0.6))
            continue;
        const double quantity = it.byWeight ? double(rnd.range(500, 50000)) / 1000.0
                                            : double(qint64(400.0 * rnd.skewed()));
        const QString note = rnd.chance(0.02) ? QStringLiteral("Stocktaking") : QString();
        if (!ins->add(&error, nextId++, it.id, quantity, it.costCents / 100.0, text(note)))
            return false;
        if (!rowWritten())
            return false;
        if (pendingRows == 0)
            report(QStringLiteral("opening stock"), done, total);
    }
    summary.rows[QStringLiteral("FGood")] += ins->rows();
    report(QStringLiteral("opening stock"), total, total);
    return true;
}

// ------------------------------------------------------------ documents

bool DataGenerator::Impl::makeDocuments()
{
    const DocumentPlan plan = planDocuments(o.lines, o.documents);
    const qint64 *kindDocs = plan.docs.data();
    const qint64 *kindLines = plan.lines.data();
    qint64 allDocs = 0, allLines = 0;
    for (int k = 0; k < 6; ++k) {
        allDocs += kindDocs[k];
        allLines += kindLines[k];
    }
    if (allLines != o.lines)
        summary.notes << QStringLiteral("lines: %1 instead of %2 (%3 documents hold 1 to %4 lines each)")
                             .arg(allLines).arg(o.lines).arg(allDocs).arg(kMaxLines);
    if (o.documents > 0 && allDocs != o.documents)
        summary.notes << QStringLiteral("documents: %1 instead of %2").arg(allDocs).arg(o.documents);

    QHash<int, int> invoiceNo; // supplier account -> next number of its invoices
    qint64 done = 0;
    report(QStringLiteral("documents"), 0, allLines);
    const qint64 openMinutes = qint64(days) * kOpenMinutes;
    for (int k = 0; k < 6; ++k) {
        if (kindDocs[k] == 0)
            continue;
        const KindDef &def = kKinds[k];
        const QString headerTable = QString::fromLatin1(def.header);
        QStringList headerCols{"InvID", "CompanyID", "Date1", "Cash", "TotalAmount", "Note", "Discount", "StartTime", "UID"};
        if (k == Purchase)
            headerCols << "InvoiceNo";
        if (k == Sale)
            headerCols << "Prepared" << "Delevered" << "PrepTime" << "DeleverTime";
        BatchInserter *headers = inserter(headerTable, headerCols);
        const QStringList lineCols{"ID", "InvID", "ItemID", "Quantity", "Rate1", "Note"};
        BatchInserter *lines = headers ? inserter(QString::fromLatin1(def.lines), lineCols) : nullptr;
        BatchInserter *products = nullptr;
        if (lines && def.products)
            products = inserter(QString::fromLatin1(def.products), lineCols);
        if (!headers || !lines || (def.products && !products))
            return false;
        int invId = int(maxOf(headerTable, QStringLiteral("InvID"))) + 1;
        int lineId = int(maxOf(QString::fromLatin1(def.lines), QStringLiteral("ID"))) + 1;
        int productId = def.products ? int(maxOf(QString::fromLatin1(def.products), QStringLiteral("ID"))) + 1 : 0;
        if (!error.isEmpty())
            return false;

        qint64 remaining = kindLines[k];
        qint64 lastMinute = -1;
        int lastSecond = 0;
        for (qint64 i = 0; i < kindDocs[k]; ++i) {
            // -- how many lines
            const qint64 left = kindDocs[k] - i;
            const qint64 lo = std::max<qint64>(def.minLines, remaining - kMaxLines * (left - 1));
            const qint64 hi = std::min<qint64>(kMaxLines, remaining - def.minLines * (left - 1));
            const double mean = double(remaining) / double(left);
            qint64 count = 1 + qint64(4.0 * (mean - 1.0) * rnd.skewed() + 0.5);
            count = std::clamp(count, lo, hi);
            remaining -= count;

            // -- when: spread evenly over the opening hours of the year
            qint64 minute = qint64((double(i) + rnd.unit()) * double(openMinutes) / double(kindDocs[k]));
            minute = std::min(minute, openMinutes - 1);
            int second = int(rnd.below(60));
            if (minute == lastMinute)
                second = std::max(second, lastSecond);
            lastMinute = minute;
            lastSecond = second;
            const int day = int(minute / kOpenMinutes);
            const int daySecond = 8 * 3600 + int(minute % kOpenMinutes) * 60 + second;
            const QVariant date1 = date(day, daySecond);

            // -- who
            int account = -1; // index into accounts; -1 = account 1 (manufacturing)
            int uid = officeUid();
            bool walkInSale = false;
            switch (k) {
            case Purchase:
            case BackFromUs:
                account = pickSupplier();
                break;
            case Sale:
                walkInSale = walkIn >= 0 && rnd.chance(0.55);
                account = walkInSale ? walkIn : pickCustomer();
                if (walkInSale)
                    uid = posUser;
                break;
            case PriceList:
                account = pickCustomer();
                break;
            case BackToUs:
                account = walkIn >= 0 && rnd.chance(0.4) ? walkIn : pickCustomer();
                break;
            default:
                break;
            }
            const bool cashOnly = account >= 0 && accounts[account].cashOnly;
            bool cash = false;
            if (cashOnly)
                cash = true;
            else if (k == Purchase)
                cash = rnd.chance(0.35);
            else if (k == Sale)
                cash = rnd.chance(0.55);
            else if (k == BackToUs)
                cash = rnd.chance(0.7);
            else if (k == BackFromUs)
                cash = rnd.chance(0.3);
            const int companyId = account >= 0 ? accounts[account].id : 1;

            // -- discount (negative) or commission (positive), in percent
            double discount = 0;
            static const double discounts[] = {-1, -2, -2.5, -3, -5, -7.5, -10, -15};
            static const double commissions[] = {2, 5, 10};
            const double u = rnd.unit();
            if ((k == Sale && u < 0.08) || (k == Purchase && u < 0.2) || (k == PriceList && u < 0.3))
                discount = rnd.pick(discounts);
            else if (k == Sale && u < 0.1)
                discount = rnd.pick(commissions);

            QString note;
            if (k == Manufacturing)
                note = DataGeneratorText::manufacturingNote(rnd);
            const QVariant startTime = (k >= Sale && k <= BackFromUs) ? date1 : QVariant(QMetaType::fromType<QString>());
            const QVariant uidValue = uid;
            bool ok;
            if (k == Purchase) {
                int &next = invoiceNo[companyId];
                if (next == 0)
                    next = int(rnd.range(1000, 90000));
                next += int(rnd.range(1, 40));
                ok = headers->add(&error, invId, companyId, date1, flag(cash), 0.0, text(note), discount, startTime,
                                  uidValue, next);
                if (!cash)
                    debitPurchases.push_back({companyId, invId});
            } else if (k == Sale) {
                // Older sales went through preparation and delivery; the last few wait.
                const bool waiting = left <= 3;
                const int prep = daySecond + int(rnd.range(60, 900));
                const int deliver = prep + int(rnd.range(60, 1800));
                const QVariant none(QMetaType::fromType<QString>());
                ok = headers->add(&error, invId, companyId, date1, flag(cash), 0.0, text(note), discount, startTime,
                                  uidValue, flag(!waiting), flag(!waiting), waiting ? none : date(day, prep),
                                  waiting ? none : date(day, deliver));
                if (!cash && !walkInSale)
                    debitSales.push_back({companyId, invId});
            } else {
                ok = headers->add(&error, invId, companyId, date1, flag(cash), 0.0, text(note), discount, startTime,
                                  uidValue);
            }
            if (!ok)
                return false;

            // -- lines
            const qint64 outputs = (k == Manufacturing) ? std::max<qint64>(1, count / 6) : 0;
            for (qint64 l = 0; l < count; ++l) {
                const bool product = l >= count - outputs;
                const bool services = k == Sale || k == PriceList;
                const int idx = pickItem(services, k == PriceList ? 0.05 : 0.01);
                if (idx < 0)
                    return fail(QStringLiteral("there are no items for the documents"));
                const ItemInfo &it = items[size_t(idx)];
                double quantity;
                if (it.service) {
                    quantity = 1;
                } else if (it.byWeight) {
                    static const int bulk[] = {5, 10, 20, 25, 50};
                    if (k == Purchase || k == BackFromUs)
                        quantity = double(rnd.pick(bulk));
                    else if (k == Manufacturing)
                        quantity = double(rnd.range(1000, 20000)) / 1000.0;
                    else
                        quantity = double(100 + qint64(2900.0 * rnd.skewed())) / 1000.0;
                } else {
                    static const int packs[] = {6, 10, 12, 12, 20, 24, 24, 36, 48, 50, 60, 100, 120};
                    switch (k) {
                    case Purchase:
                        quantity = rnd.pick(packs);
                        break;
                    case Sale:
                        quantity = double(1 + qint64(6.0 * rnd.skewed()));
                        break;
                    case PriceList:
                        quantity = double(rnd.range(1, 20));
                        break;
                    case BackToUs:
                        quantity = double(rnd.range(1, 3));
                        break;
                    case BackFromUs:
                        quantity = double(rnd.range(1, 24));
                        break;
                    default:
                        quantity = double(rnd.range(1, product ? 10 : 20));
                        break;
                    }
                }
                int cents;
                if (k == Purchase || k == BackFromUs || k == Manufacturing) {
                    // cost prices rise a little over the year
                    cents = int(std::llround(it.costCents * (1.0 + 0.004 * (12.0 * day / days))));
                } else {
                    cents = it.rateCents;
                    if (k == Sale && rnd.chance(0.05))
                        cents = int(std::llround(cents * (0.85 + 0.1 * rnd.unit())));
                }
                cents = std::max(cents, 1);
                const QString lineNote = DataGeneratorText::lineNote(rnd, k == BackToUs || k == BackFromUs);
                if (product)
                    ok = products->add(&error, productId++, invId, it.id, quantity, cents / 100.0, text(lineNote));
                else
                    ok = lines->add(&error, lineId++, invId, it.id, quantity, cents / 100.0, text(lineNote));
                if (!ok)
                    return false;
            }
            noteHeader(k, invId);
            ++invId;
            done += count;
            if (!rowWritten(int(count) + 1))
                return false;
            if (pendingRows == 0)
                report(QStringLiteral("documents"), done, allLines);
        }
        summary.rows[headerTable] += headers->rows();
        summary.rows[QString::fromLatin1(def.lines)] += lines->rows();
        if (products)
            summary.rows[QString::fromLatin1(def.products)] += products->rows();
    }
    report(QStringLiteral("documents"), done, allLines);
    return true;
}

// ------------------------------------------------------------ opening balances

bool DataGenerator::Impl::makeOpeningBalances()
{
    QSet<int> present;
    {
        bool ok = false;
        QSqlQuery b = data.exec(QStringLiteral("SELECT DISTINCT \"PersonID\" FROM \"OldDept\""), {}, &ok);
        if (!ok)
            return fail(data.lastErrorText());
        while (b.next())
            present.insert(b.value(0).toInt());
    }
    BatchInserter *ins = inserter(QStringLiteral("OldDept"), {"ID", "No1", "PersonID", "About", "Amount", "Date1"});
    if (!ins)
        return false;
    int nextId = int(maxOf(QStringLiteral("OldDept"), QStringLiteral("ID"))) + 1;
    int no1 = std::max<int>(20, int(maxOf(QStringLiteral("OldDept"), QStringLiteral("No1")))) + 1;
    if (!error.isEmpty())
        return false;
    std::vector<int> candidates;
    for (int c : customers)
        if (!accounts[c].cashOnly)
            candidates.push_back(c);
    for (int s : suppliers)
        if (!accounts[s].cashOnly)
            candidates.push_back(s);
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    const QVariant yearStart = date(0, 0);
    for (size_t i = 0; i < candidates.size(); ++i) {
        const AccountInfo &acc = accounts[candidates[i]];
        // about a third of the accounts carry a balance; at least one does
        const bool lastChance = i + 1 == candidates.size() && ins->rows() == 0;
        if (present.contains(acc.id) || !(rnd.chance(0.3) || lastChance))
            continue;
        // Customers mostly owe the business (debit, negative); suppliers are mostly owed (credit).
        const bool debit = acc.role == 1 ? rnd.chance(0.15) : rnd.chance(0.85);
        qint64 cents = (50 + qint64(50000.0 * rnd.skewed())) * 100;
        cents += rnd.range(0, 99);
        const double amount = (debit ? -1.0 : 1.0) * double(cents) / 100.0;
        if (!ins->add(&error, nextId++, no1++, acc.id, DataGeneratorText::openingBalanceText(rnd, acc.arabic), amount,
                      yearStart))
            return false;
        if (!rowWritten())
            return false;
    }
    summary.rows[QStringLiteral("OldDept")] += ins->rows();
    return true;
}

// ------------------------------------------------------------ vouchers

bool DataGenerator::Impl::makeVouchers()
{
    BatchInserter *pay = inserter(QStringLiteral("Pay"),
                                  {"PID", "PNameID", "Bayan", "Amount", "Date1", "Debit", "Printed", "BayanSpecial", "UID"});
    BatchInserter *credit = pay ? inserter(QStringLiteral("Credit"),
                                           {"CID", "CNameID", "Bayan", "Amount", "Date1", "Debit", "Printed", "UID"})
                                : nullptr;
    if (!pay || !credit)
        return false;
    int nextPid = int(maxOf(QStringLiteral("Pay"), QStringLiteral("PID"))) + 1;
    int nextCid = int(maxOf(QStringLiteral("Credit"), QStringLiteral("CID"))) + 1;
    if (!error.isEmpty())
        return false;

    const qint64 total = o.vouchers;
    const qint64 payments = total / 2;
    const qint64 receipts = total - payments;
    const qint64 openMinutes = qint64(days) * kOpenMinutes;
    report(QStringLiteral("vouchers"), 0, total);
    qint64 done = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const bool isPay = kind == 0;
        const qint64 count = isPay ? payments : receipts;
        for (qint64 i = 0; i < count; ++i) {
            const qint64 minute = std::min(openMinutes - 1,
                                           qint64((double(i) + rnd.unit()) * double(openMinutes) / double(count)));
            const int day = int(minute / kOpenMinutes);
            const QVariant when = date(day, 8 * 3600 + int(minute % kOpenMinutes) * 60 + int(rnd.below(60)));
            const int month = first.addDays(day).month();
            int account;
            QString about;
            qint64 cents;
            const double u = rnd.unit();
            bool arabic = rnd.chance(0.6);
            if (isPay) {
                if (u < 0.55 || employees.empty()) {
                    if (!debitPurchases.empty() && rnd.chance(0.8)) {
                        const DocumentRef &d = debitPurchases[rnd.below(debitPurchases.size())];
                        account = -d.account;
                        about = DataGeneratorText::invoicePayment(arabic, d.number);
                    } else {
                        account = pickSupplier();
                        about = QStringLiteral("From Name");
                    }
                    cents = (100 + qint64(20000.0 * rnd.skewed())) * 100;
                } else if (u < 0.8 || expenses.empty()) {
                    account = employees[rnd.below(employees.size())];
                    about = rnd.chance(0.5) ? QStringLiteral("Salary") : DataGeneratorText::salaryText(arabic, month);
                    cents = rnd.range(25, 120) * 10000;
                } else {
                    account = expenses[rnd.below(expenses.size())];
                    about = DataGeneratorText::expenseText(rnd, arabic);
                    cents = (50 + qint64(3000.0 * rnd.skewed())) * 100;
                    cents += rnd.range(0, 99);
                }
            } else {
                if (!debitSales.empty() && u < 0.6) {
                    const DocumentRef &d = debitSales[rnd.below(debitSales.size())];
                    account = -d.account;
                    about = DataGeneratorText::invoicePayment(arabic, d.number);
                } else {
                    account = pickCustomer();
                    about = DataGeneratorText::receiptText(rnd, arabic);
                }
                cents = (20 + qint64(5000.0 * rnd.skewed())) * 100;
                if (rnd.chance(0.3))
                    cents += rnd.range(0, 99);
            }
            // negative: an account id taken from a document; else an index into accounts
            int accountId;
            bool cashOnly;
            if (account < 0) {
                accountId = -account;
                cashOnly = false;
            } else {
                accountId = accounts[size_t(account)].id;
                cashOnly = accounts[size_t(account)].cashOnly;
            }
            const bool debit = !cashOnly && rnd.chance(0.9);
            const bool printed = rnd.chance(0.85);
            const int uid = officeUid();
            bool ok;
            if (isPay)
                ok = pay->add(&error, nextPid++, accountId, about, cents / 100.0, when, flag(debit), flag(printed),
                              nullInt(), uid);
            else
                ok = credit->add(&error, nextCid++, accountId, about, cents / 100.0, when, flag(debit), flag(printed),
                                 uid);
            if (!ok)
                return false;
            ++done;
            if (!rowWritten())
                return false;
            if (pendingRows == 0)
                report(QStringLiteral("vouchers"), done, total);
        }
    }
    summary.rows[QStringLiteral("Pay")] += pay->rows();
    summary.rows[QStringLiteral("Credit")] += credit->rows();
    report(QStringLiteral("vouchers"), done, total);
    return true;
}

// ------------------------------------------------------------ run

bool DataGenerator::Impl::reseedAll()
{
    const QList<QPair<const char *, const char *>> identities = {
        {"ItemKindID", "ItemKind"}, {"ItemID", "CodeTb"}, {"ID", "Address"}, {"UID", "Users"},
        {"ID", "FGood"},           {"InvID", "InvoiceS"}, {"InvID", "Sales"}, {"InvID", "PListS"},
        {"InvID", "BToUsS"},       {"InvID", "BFromUsS"}, {"InvID", "IndTB"}, {"ID", "InvOne"},
        {"ID", "SaleOne"},         {"ID", "PListOne"},    {"ID", "BToUsOne"}, {"ID", "BFrUsOne"},
        {"ID", "IndInTB"},         {"ID", "IndOutTB"},    {"ID", "OldDept"},  {"PID", "Pay"},
        {"CID", "Credit"}};
    for (const auto &[column, table] : identities)
        if (!data.ResetSeed(QString::fromLatin1(column), QString::fromLatin1(table)))
            return fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(table), data.lastErrorText()));
    return true;
}

bool DataGenerator::Impl::run()
{
    if (o.items < 1 || o.accounts < 4 || o.lines < 0 || o.vouchers < 0 || o.documents < 0)
        return fail(QStringLiteral("at least 1 item and 4 accounts are needed; counts cannot be negative"));
    o.batchRows = std::max(o.batchRows, 100);
    year = o.year;
    if (year == 0) {
        QString prefix;
        if (!YearDatabases::parseName(data.params().database, &prefix, &year) || year < 1900)
            year = Clock::today().year();
    }
    first = QDate(year, 1, 1);
    days = first.daysInYear();
    summary.year = year;

    if (!begin())
        return false;
    QElapsedTimer clock;
    auto step = [&](const char *name, bool (Impl::*make)()) {
        clock.start();
        const bool done = (this->*make)();
        summary.stageMs.append({QString::fromLatin1(name), clock.elapsed()});
        return done;
    };
    const bool ok = step("items", &Impl::makeKindsAndItems) && step("accounts", &Impl::makeAccounts)
                    && step("users", &Impl::makeUsers) && step("opening stock", &Impl::makeOpeningStock)
                    && step("documents", &Impl::makeDocuments) && step("opening balances", &Impl::makeOpeningBalances)
                    && step("vouchers", &Impl::makeVouchers) && step("last commit", &Impl::commit);
    if (!ok) {
        data.rollbackTransaction();
        return false;
    }
    if (!data.commitTransaction()) // the empty transaction commit() opened last
        return fail(data.lastErrorText());
    inserters.clear();
    return step("identities", &Impl::reseedAll);
}

// ------------------------------------------------------------ DataGenerator

DataGenerator::DataGenerator(TDataFormSQL &data, const DataGeneratorOptions &options)
    : m_data(data)
    , m_options(options)
{
}

DataGenerator::~DataGenerator() = default;

bool DataGenerator::run(QString *error)
{
    m_summary = Summary{};
    d = std::make_unique<Impl>(m_data, m_options, m_summary, m_progress);
    TDataFormSQL &data = m_data;
    if (!data.isOpen()) {
        if (error)
            *error = QStringLiteral("no database is open");
        return false;
    }
    QElapsedTimer clock;
    clock.start();

    // Bulk writing: the embedded engine may skip its disk flushes and use a
    // larger page cache for the time being, the server may confirm commits
    // before they are flushed. Both are set back afterwards.
    const bool sqlite = data.engine() == DbEngine::SQLite;
    QVariant oldSync, oldCache;
    if (sqlite) {
        oldSync = data.scalar(QStringLiteral("PRAGMA synchronous"));
        oldCache = data.scalar(QStringLiteral("PRAGMA cache_size"));
        data.DoSqlNEW(QStringLiteral("PRAGMA synchronous=OFF"));
        data.DoSqlNEW(QStringLiteral("PRAGMA cache_size=-65536"));
    } else {
        data.DoSqlNEW(QStringLiteral("SET synchronous_commit TO OFF"));
    }

    const bool ok = d->run();

    if (sqlite) {
        if (oldSync.isValid())
            data.DoSqlNEW(QStringLiteral("PRAGMA synchronous=%1").arg(oldSync.toInt()));
        if (oldCache.isValid())
            data.DoSqlNEW(QStringLiteral("PRAGMA cache_size=%1").arg(oldCache.toInt()));
    } else {
        data.DoSqlNEW(QStringLiteral("RESET synchronous_commit"));
        if (ok)
            data.DoSqlNEW(QStringLiteral("ANALYZE"));
    }

    m_summary.elapsedMs = clock.elapsed();
    m_summary.totalRows = 0;
    for (qint64 n : std::as_const(m_summary.rows))
        m_summary.totalRows += n;
    if (!ok && error)
        *error = d->error;
    return ok;
}

qint64 DataGenerator::documentCount(TDataFormSQL &data, bool *ok)
{
    qint64 total = 0;
    bool allOk = true;
    for (const KindDef &k : kKinds) {
        bool one = false;
        total += data.scalar(QStringLiteral("SELECT count(*) FROM %1").arg(q(QString::fromLatin1(k.header))), {}, &one)
                     .toLongLong();
        allOk = allOk && one;
    }
    if (ok)
        *ok = allOk;
    return total;
}

int DataGenerator::ean13CheckDigit(const QString &first12)
{
    int sum = 0;
    for (int i = 0; i < 12 && i < first12.size(); ++i) {
        const int digit = first12[i].digitValue();
        sum += (i % 2 == 0) ? digit : 3 * digit;
    }
    return (10 - sum % 10) % 10;
}

bool DataGenerator::isValidEan13(const QString &code)
{
    if (code.size() != 13)
        return false;
    for (const QChar c : code)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    return code[12].digitValue() == ean13CheckDigit(code.left(12));
}
