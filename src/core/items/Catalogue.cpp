#include "Catalogue.h"

#include "data/TDataFormSQL.h"
#include "shell/AppState.h"

#include <QHash>
#include <QSqlQuery>

namespace {

const QString kLf = QStringLiteral("\n\r");

QVariant intOrNull(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? QVariant(value) : QVariant(QMetaType(QMetaType::Int));
}

// Text of a fixed-width column without the padding some engines add.
QString fixed(const QVariant &v)
{
    QString s = v.toString();
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    if (n < s.size()) {
        s.truncate(n);
        s.squeeze();
    }
    return s;
}

// A LIKE pattern that matches the fragment anywhere, with the wildcards
// of the fragment taken literally (escape character '!').
QString containsPattern(const QString &fragment)
{
    QString escaped;
    escaped.reserve(fragment.size() + 2);
    for (QChar c : fragment) {
        if (c == u'%' || c == u'_' || c == u'!')
            escaped += u'!';
        escaped += c;
    }
    return u'%' + escaped + u'%';
}

const char kRowSelect[] =
    R"(SELECT C."ItemID", C."ItemCode", C."Description", C."Location", IK."ItemKind", C."ISize",)"
    R"( C."NotLes", C."Rate", C."IsService", C."OfCount")"
    R"( FROM "CodeTb" C JOIN "ItemKind" IK ON C."Kind" = IK."ItemKindID")";

} // namespace

Catalogue::Catalogue(TDataFormSQL &data)
    : m_data(data)
{
}

QString Catalogue::text(const char *english, const QString &arabic)
{
    return appState().IsArabic ? arabic : QString::fromUtf8(english);
}

QString Catalogue::text(const char *english, const char *arabic)
{
    return text(english, QString::fromUtf8(arabic));
}

const QStringList &Catalogue::lineTables()
{
    static const QStringList t{QStringLiteral("InvOne"),   QStringLiteral("SaleOne"),  QStringLiteral("PListOne"),
                               QStringLiteral("BToUsOne"), QStringLiteral("BFrUsOne"), QStringLiteral("IndInTB"),
                               QStringLiteral("IndOutTB")};
    return t;
}

// -- kinds ---------------------------------------------------------------

QList<ItemKindRow> Catalogue::kinds(bool *ok) const
{
    QList<ItemKindRow> out;
    bool good = false;
    QSqlQuery q = m_data.exec(QStringLiteral(R"(SELECT "ItemKindID", "ItemKind" FROM "ItemKind" ORDER BY "ItemKindID")"),
                              {}, &good);
    while (good && q.next())
        out.append({q.value(0).toInt(), fixed(q.value(1))});
    if (!good)
        m_error = m_data.lastErrorText();
    if (ok)
        *ok = good;
    return out;
}

int Catalogue::kindCount() const
{
    return m_data.scalar(QStringLiteral(R"(SELECT count(*) FROM "ItemKind")")).toInt();
}

ItemKindRow Catalogue::firstKind() const
{
    const QVariant id = m_data.scalar(QStringLiteral(R"(SELECT min("ItemKindID") FROM "ItemKind")"));
    if (id.isNull() || !id.isValid())
        return {};
    return {id.toInt(), kindName(id.toInt())};
}

QString Catalogue::kindName(int kindId) const
{
    return fixed(m_data.scalar(QStringLiteral(R"(SELECT "ItemKind" FROM "ItemKind" WHERE "ItemKindID" = ?)"),
                               {kindId}));
}

Catalogue::KindOutcome Catalogue::addKind(const QString &nameIn)
{
    KindOutcome out;
    const QString name = nameIn.trimmed();
    if (name.isEmpty()) {
        out.result = KindResult::Empty;
        return out;
    }
    bool ok = false;
    const QVariant existing = m_data.scalar(
        QStringLiteral(R"(SELECT "ItemKindID" FROM "ItemKind" WHERE "ItemKind" = ?)"), {name}, &ok);
    if (!ok) {
        out.message = text("Error ", "خطأ، لم تتم العملية");
        m_error = m_data.lastErrorText();
        return out;
    }
    if (existing.isValid() && !existing.isNull()) {
        out.result = KindResult::Exists;
        out.kindId = existing.toInt();
        QString quoted = name;
        quoted.replace(u'\'', QStringLiteral("''"));
        out.message = u'\'' + quoted + u'\'' + kLf + QStringLiteral("is already in the table");
        return out;
    }
    QSqlQuery q = m_data.exec(QStringLiteral(R"(INSERT INTO "ItemKind" ("ItemKind") VALUES (?) RETURNING "ItemKindID")"),
                              {name}, &ok);
    if (!ok || !q.next()) {
        m_error = m_data.lastErrorText();
        out.message = text("Error ", "خطأ، لم تتم العملية");
        return out;
    }
    out.result = KindResult::Added;
    out.kindId = q.value(0).toInt();
    return out;
}

QString Catalogue::deleteKindQuestion(const QString &name)
{
    return text("Are you sure to delete the KIND:", "هل أنت متأكد أنك تريد حذف نوع العنصر: ") + kLf + u' ' + name
           + QStringLiteral(" ?");
}

Catalogue::KindOutcome Catalogue::deleteKind(int kindId)
{
    KindOutcome out;
    out.kindId = kindId;
    const QString name = kindName(kindId);
    {
        TTransaction tx(m_data);
        bool ok = false;
        const QVariant used = m_data.scalar(
            QStringLiteral(R"(SELECT 1 FROM "CodeTb" WHERE "Kind" = ?)") + SqlDialect::limit(1), {kindId}, &ok);
        if (ok && !(used.isValid() && !used.isNull()))
            ok = m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM "ItemKind" WHERE "ItemKindID" = ?)"), {kindId});
        if (ok)
            tx.commit();
    }
    bool ok = false;
    const QVariant still = m_data.scalar(
        QStringLiteral(R"(SELECT "ItemKindID" FROM "ItemKind" WHERE "ItemKindID" = ?)"), {kindId}, &ok);
    if (ok && (!still.isValid() || still.isNull())) {
        m_data.ResetSeed(QStringLiteral("ItemKindID"), QStringLiteral("ItemKind"), 1);
        out.result = KindResult::Deleted;
        return out;
    }
    out.result = ok ? KindResult::InUse : KindResult::Failed;
    out.message = name + kLf + QStringLiteral("This Kind can not be deleted ") + kLf
                  + QStringLiteral(" One Item Code is related to this Kind ");
    return out;
}

// -- items ---------------------------------------------------------------

bool Catalogue::codeExists(const QString &code, int exceptId) const
{
    const QVariant id = m_data.scalar(
        QStringLiteral(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemCode" = ? AND "ItemID" <> ?)"), {code, exceptId});
    return id.isValid() && !id.isNull();
}

bool Catalogue::canSave(const QString &code, bool inserting) const
{
    if (code.trimmed().isEmpty())
        return false;
    return !inserting || !codeExists(code.trimmed());
}

Catalogue::SaveOutcome Catalogue::checkItem(const ItemInput &in) const
{
    SaveOutcome out;
    const auto refuse = [&out](Field field, const QString &message) {
        out.field = field;
        out.message = message;
        return out;
    };
    const bool inserting = in.itemId == 0;
    if (!canSave(in.code, inserting))
        return refuse(Field::Code, QString()); // Save is not offered
    const QString count = in.ofCount.trimmed();
    if (!count.isEmpty() && intOrNull(count).isNull())
        return refuse(Field::PartCount, QStringLiteral("Error in Part Count"));
    bool isNumber = true;
    const QString rate = in.rate.trimmed();
    const double rateValue = rate.isEmpty() ? 0 : rate.toDouble(&isNumber);
    if (!isNumber)
        return refuse(Field::Rate, text("Error in Rate", "خطأ- المبلغ غير صحيح"));
    if (rateValue < 0)
        return refuse(Field::Rate, text("Error the Rate must be positive >0", "خطأ- المبلغ يجب أن يكون موجباً>0"));
    const QString min = in.notLes.trimmed();
    const double minValue = min.isEmpty() ? 0 : min.toDouble(&isNumber);
    if (!isNumber)
        return refuse(Field::Min, text("Error in No", "خطأ- العدد غير صحيح"));
    if (minValue < 0)
        return refuse(Field::Min, text("Error the No. must be positive >0", "خطأ- العدد يجب أن يكون موجباً>0"));
    const QString key = in.qkbNo.trimmed();
    if (!key.isEmpty()) {
        bool isInt = false;
        const int k = key.toInt(&isInt);
        if (!isInt || k < 1 || k > 24)
            return refuse(Field::QuickKey,
                          text("Error , KB No in 1..24 empty", "خطأ- رقم المفتاح من 1 إلى 24 فقط أو فارغ"));
        const QVariant other = m_data.scalar(
            QStringLiteral(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemID" <> ? AND "QkbNo" = ?)"), {in.itemId, k});
        if (other.isValid() && !other.isNull())
            return refuse(Field::QuickKey, text("Error , KB No. Is Used", "خطأ- رقم المفتاح مستخدم سابقاً"));
    }
    if (inserting && in.kind <= 0)
        return refuse(Field::Kind, text("Error in Kind", "خطأ- يجب اختيار نوع"));
    out.ok = true;
    return out;
}

Catalogue::SaveOutcome Catalogue::saveItem(const ItemInput &in)
{
    SaveOutcome out = checkItem(in);
    if (!out.ok)
        return out;
    const QString rate = in.rate.trimmed();
    const QString min = in.notLes.trimmed();
    const QString key = in.qkbNo.trimmed();
    QVariantList values{in.code.trimmed(),
                        in.location,
                        in.size,
                        rate.isEmpty() ? 0.0 : rate.toDouble(),
                        min.isEmpty() ? 0.0 : min.toDouble(),
                        in.note,
                        m_data.boolValue(in.isService),
                        in.kind,
                        in.description,
                        key.isEmpty() ? QVariant(QMetaType(QMetaType::Int)) : QVariant(key.toInt()),
                        intOrNull(in.ofCount),
                        intOrNull(in.ofItemId)};
    bool ok = false;
    if (in.itemId == 0) {
        QSqlQuery q = m_data.exec(
            QStringLiteral(R"(INSERT INTO "CodeTb" ("ItemCode","Location","ISize","Rate","NotLes","Note","IsService",)"
                           R"("Kind","Description","QkbNo","OfCount","OfItemId") VALUES (?,?,?,?,?,?,?,?,?,?,?,?))"
                           R"( RETURNING "ItemID")"),
            values, &ok);
        ok = ok && q.next();
        if (ok)
            out.itemId = q.value(0).toInt();
    } else {
        values << in.itemId;
        // The code of an existing item stays; a kind left unchosen keeps the item's kind.
        ok = m_data.DoSqlNEW(
            QStringLiteral(R"(UPDATE "CodeTb" SET "ItemCode"=?,"Location"=?,"ISize"=?,"Rate"=?,"NotLes"=?,"Note"=?,)"
                           R"("IsService"=?,"Kind"=CASE WHEN ? > 0 THEN ? ELSE "Kind" END,"Description"=?,"QkbNo"=?,)"
                           R"("OfCount"=?,"OfItemId"=? WHERE "ItemID"=?)"),
            {values[0], values[1], values[2], values[3], values[4], values[5], values[6], in.kind, in.kind, values[8],
             values[9], values[10], values[11], in.itemId});
        out.itemId = in.itemId;
    }
    if (!ok) {
        m_error = m_data.lastErrorText();
        out.ok = false;
        out.message = text("Error ", "خطأ، لم تتم العملية");
        return out;
    }
    appState().DataChanged = true;
    return out;
}

bool Catalogue::item(int itemId, CatalogueItem *out) const
{
    bool ok = false;
    QSqlQuery q = m_data.exec(
        QStringLiteral(R"(SELECT C."ItemID", C."ItemCode", C."Description", C."Kind", IK."ItemKind", C."Location",)"
                       R"( C."ISize", C."Rate", C."NotLes", C."Note", C."IsService", C."QkbNo", C."OfCount", C."OfItemId")"
                       R"( FROM "CodeTb" C LEFT JOIN "ItemKind" IK ON C."Kind" = IK."ItemKindID" WHERE C."ItemID" = ?)"),
        {itemId}, &ok);
    if (!ok || !q.next())
        return false;
    out->itemId = q.value(0).toInt();
    out->code = fixed(q.value(1));
    out->description = fixed(q.value(2));
    out->kind = q.value(3).toInt();
    out->kindName = fixed(q.value(4));
    out->location = q.value(5).toString();
    out->size = fixed(q.value(6));
    out->rate = q.value(7).toDouble();
    out->notLes = q.value(8).toDouble();
    out->note = q.value(9).toString();
    out->isService = q.value(10).toBool();
    out->qkbNo = q.value(11).isNull() ? QVariant() : QVariant(q.value(11).toInt());
    out->ofCount = q.value(12).isNull() ? QVariant() : QVariant(q.value(12).toInt());
    out->ofItemId = q.value(13).isNull() ? QVariant() : QVariant(q.value(13).toInt());
    return true;
}

bool Catalogue::codeAndDescription(int itemId, QString *code, QString *description) const
{
    bool ok = false;
    QSqlQuery q = m_data.exec(
        QStringLiteral(R"(SELECT "ItemCode", "Description" FROM "CodeTb" WHERE "ItemID" = ?)"), {itemId}, &ok);
    if (!ok || !q.next())
        return false;
    *code = fixed(q.value(0));
    *description = fixed(q.value(1));
    return true;
}

QString Catalogue::deleteItemQuestion(const QString &code, const QString &description)
{
    return text("Are you sure to delete the item:", "هل أنت متأكد أنك تريد حذف العنصر: ") + kLf + u' ' + code + kLf
           + description + QStringLiteral(" ?");
}

bool Catalogue::isItemUsed(int itemId) const
{
    QStringList parts;
    for (const QString &t : lineTables())
        parts << QStringLiteral(R"(SELECT 1 FROM %1 WHERE "ItemID" = ?)").arg(SqlDialect::quote(t));
    parts << QStringLiteral(R"(SELECT 1 FROM "FGood" WHERE "ItemId" = ?)")
          << QStringLiteral(R"(SELECT 1 FROM "CodeTb" WHERE "OfItemId" = ? AND "ItemID" <> "OfItemId")");
    if (m_data.TableExists(QStringLiteral("Claim")))
        parts << QStringLiteral(R"(SELECT 1 FROM "Claim" WHERE "ItemId" = ?)");
    QVariantList values;
    for (int i = 0; i < parts.size(); ++i)
        values << itemId;
    bool ok = false;
    const QVariant hit = m_data.scalar(
        QStringLiteral("SELECT 1 WHERE EXISTS (%1)").arg(parts.join(QStringLiteral(" UNION ALL "))), values, &ok);
    // When the question cannot be answered the item counts as used.
    return !ok || (hit.isValid() && !hit.isNull());
}

Catalogue::DeleteOutcome Catalogue::deleteItem(int itemId)
{
    DeleteOutcome out;
    QString code, description;
    codeAndDescription(itemId, &code, &description);
    {
        TTransaction tx(m_data);
        if (!isItemUsed(itemId)
            && m_data.DoSqlNEW(QStringLiteral(R"(DELETE FROM "CodeTb" WHERE "ItemID" = ?)"), {itemId}))
            tx.commit();
    }
    bool ok = false;
    const QVariant still =
        m_data.scalar(QStringLiteral(R"(SELECT "ItemID" FROM "CodeTb" WHERE "ItemID" = ?)"), {itemId}, &ok);
    if (ok && (!still.isValid() || still.isNull())) {
        m_data.ResetSeed(QStringLiteral("ItemID"), QStringLiteral("CodeTb"), 1);
        appState().DataChanged = true;
        out.deleted = true;
        return out;
    }
    out.message = code + kLf + QStringLiteral("This Item can not be deleted ") + kLf
                  + QStringLiteral(" Invoice/F. Goods is related with this Item ");
    return out;
}

int Catalogue::itemCount() const
{
    return m_data
        .scalar(QStringLiteral(
            R"(SELECT count(*) FROM "CodeTb" C JOIN "ItemKind" IK ON C."Kind" = IK."ItemKindID")"))
        .toInt();
}

std::vector<CatalogueRow> Catalogue::readRows(const QString &where, const QVariantList &values, const QString &tail,
                                              bool *ok, int reserve) const
{
    std::vector<CatalogueRow> rows;
    if (reserve > 0)
        rows.reserve(size_t(reserve));
    QSqlQuery q(m_data.database());
    q.setForwardOnly(true);
    const bool good = m_data.DoSql(q, QString::fromLatin1(kRowSelect) + where + tail, values);
    if (!good)
        m_error = m_data.lastErrorText();
    if (ok)
        *ok = good;
    // Kind names and locations repeat: keep one shared copy of each.
    QHash<QString, QString> shared;
    const auto share = [&shared](const QString &s) {
        auto it = shared.constFind(s);
        if (it != shared.constEnd())
            return *it;
        if (shared.size() < 4096)
            shared.insert(s, s);
        return s;
    };
    while (good && q.next()) {
        CatalogueRow r;
        r.itemId = q.value(0).toInt();
        r.code = fixed(q.value(1));
        r.description = fixed(q.value(2));
        r.location = share(q.value(3).toString());
        r.kindName = share(fixed(q.value(4)));
        r.size = share(fixed(q.value(5)));
        r.notLes = q.value(6).toDouble();
        r.rate = q.value(7).toDouble();
        r.isService = q.value(8).toBool();
        const QVariant count = q.value(9);
        r.hasOfCount = !count.isNull();
        r.ofCount = count.toInt();
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<CatalogueRow> Catalogue::search(const QString &fragment, bool *ok) const
{
    if (fragment.isEmpty())
        return readRows(QString(), {}, QStringLiteral(R"( ORDER BY C."ItemCode")"), ok);
    const QString pattern = containsPattern(fragment.toLower());
    return readRows(QStringLiteral(R"( WHERE lower(C."ItemCode") LIKE ? ESCAPE '!' OR lower(C."Description") LIKE ? ESCAPE '!')"
                                   R"( OR lower(IK."ItemKind") LIKE ? ESCAPE '!' OR lower(C."Location") LIKE ? ESCAPE '!')"),
                    {pattern, pattern, pattern, pattern}, QStringLiteral(R"( ORDER BY C."ItemCode")"), ok);
}

std::vector<CatalogueRow> Catalogue::rowsAfter(const QString &afterCode, int limit, bool *ok) const
{
    const QString tail = QStringLiteral(R"( ORDER BY C."ItemCode")") + SqlDialect::limit(limit);
    if (afterCode.isNull())
            return readRows(QString(), {}, tail, ok, limit);
    return readRows(QStringLiteral(R"( WHERE C."ItemCode" > ?)"), {afterCode}, tail, ok, limit);
}

bool Catalogue::row(int itemId, CatalogueRow *out) const
{
    bool ok = false;
    std::vector<CatalogueRow> rows = readRows(QStringLiteral(R"( WHERE C."ItemID" = ?)"), {itemId}, QString(), &ok);
    if (!ok || rows.empty())
        return false;
    *out = std::move(rows.front());
    return true;
}
