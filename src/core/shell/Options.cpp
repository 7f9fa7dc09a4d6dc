#include "Options.h"

#include "AppState.h"
#include "data/OptionsStore.h"
#include "data/TDataFormSQL.h"

#include <QCoreApplication>

namespace {

struct Default
{
    const char *key;
    const char *value;
};

// The defaults of the settings that have one; every other key starts empty
// until its window gives it a value.
const Default kDefaults[] = {
    {OptKey::FirstBillNo, "1"},
    {OptKey::FirstPriceListNo, "1"},
    {OptKey::FirstToUsNo, "1"},
    {OptKey::FirstFromUsNo, "1"},
    {OptKey::FirstPayNo, "1"},
    {OptKey::FirstCreditNo, "1"},
    {OptKey::FirstIndNo, "1"},
    {OptKey::OAllMoney, "0"},
    {OptKey::OFGood, "0"},
    {OptKey::FirstCash, "0"},
    {OptKey::Zakah, "True"},
    {OptKey::BTUs, "True"},
    {OptKey::BFUs, "True"},
    {OptKey::Ind, "True"},
    {OptKey::EngCode, "True"},
    {OptKey::EngSale, "False"},
    {OptKey::AutoSave, "False"},
    {OptKey::AutoSaveTime, "12:52:40"},
    {OptKey::AutoSavePath, ""},
    {OptKey::AutoSaveExit, "True"},
    {OptKey::Ftp, "ftp.example.com"},
    {OptKey::FoodMenu, "True"},
    {OptKey::CashInCaption, "False"},
    {OptKey::TopBar, "True"},
    {OptKey::BottomBar, "True"},
    {OptKey::NewCalc, "True"},
    {OptKey::ConfPass, "3"},
    {OptKey::MoreDebitDetail, "True"},
    {OptKey::FrameW, "1"},
    {OptKey::RowH, "20"},
    {OptKey::Preview, "False"},
    {OptKey::PrinterInv, ""},
    {OptKey::PrinterDisplay, ""},
    {OptKey::PrinterBarcode, ""},
    {OptKey::ArEn, "En"},
};

const char *const kFirstFamily[] = {OptKey::FirstBillNo,  OptKey::FirstPriceListNo, OptKey::FirstToUsNo,
                                    OptKey::FirstFromUsNo, OptKey::FirstPayNo,      OptKey::FirstCreditNo,
                                    OptKey::FirstIndNo,    OptKey::OAllMoney,       OptKey::OFGood,
                                    OptKey::FirstCash};

const char *const kSecrets[] = {OptKey::FtpUser, OptKey::FtpPassword};

QString n(const QString &key)
{
    return OptionsStore::normaliseKey(key);
}

bool isSecretRow(const QString &normalisedKey)
{
    for (const char *s : kSecrets) {
        const QString base = n(QString::fromLatin1(s));
        if (normalisedKey == base + QStringLiteral(".TEXT") || normalisedKey == base + QStringLiteral(".TEXT0"))
            return true;
    }
    return false;
}

} // namespace

Options &Options::instance()
{
    static Options o;
    return o;
}

Options::Options()
{
    resetToDefaults();
}

void Options::resetToDefaults()
{
    m_values.clear();
    m_secrets.clear();
    for (const Default &d : kDefaults)
        m_values.insert(n(QString::fromLatin1(d.key)), QString::fromUtf8(d.value));
}

QString Options::defaultText(const QString &key)
{
    const QString k = n(key);
    for (const Default &d : kDefaults)
        if (n(QString::fromLatin1(d.key)) == k)
            return QString::fromUtf8(d.value);
    return {};
}

QString Options::text(const QString &key) const
{
    return m_values.value(n(key));
}

bool Options::isOn(const QString &key) const
{
    return text(key).compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
}

int Options::number(const QString &key, int fallback) const
{
    bool ok = false;
    const int v = text(key).trimmed().toInt(&ok);
    return ok ? v : fallback;
}

double Options::amount(const QString &key, double fallback) const
{
    bool ok = false;
    const double v = text(key).trimmed().toDouble(&ok);
    return ok ? v : fallback;
}

void Options::setText(const QString &key, const QString &value)
{
    m_values.insert(n(key), value);
}

void Options::setOn(const QString &key, bool on)
{
    setText(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

void Options::setNumber(const QString &key, qint64 value)
{
    setText(key, QString::number(value));
}

bool Options::contains(const QString &key) const
{
    return m_values.contains(n(key));
}

int Options::firstNumber(const QString &key) const
{
    return number(key, 1);
}

bool Options::isFirstFamily(const QString &key)
{
    const QString k = n(key);
    for (const char *f : kFirstFamily)
        if (n(QString::fromLatin1(f)) == k)
            return true;
    return false;
}

bool Options::ownsAllFamilies()
{
    const AppState &s = appState();
    return s.CurYear == s.ThisYear && s.DataPrefix.compare(QStringLiteral("DATA"), Qt::CaseInsensitive) == 0;
}

Options::Result Options::LoadOptions(TDataFormSQL &data)
{
    Result result;
    OptionsStore store(data);
    bool ok = false;
    const QHash<QString, QString> rows = store.loadAll(&ok);
    if (!ok) {
        result.ok = false;
        result.message = QCoreApplication::translate("Options", "Error in Loading Options-Load Options");
        return result;
    }
    const bool all = ownsAllFamilies();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (isSecretRow(it.key()))
            continue;
        if (all || isFirstFamily(it.key()))
            m_values.insert(it.key(), it.value());
    }
    if (all) {
        for (const char *s : kSecrets) {
            const QString base = n(QString::fromLatin1(s));
            const QString head = rows.value(base + QStringLiteral(".TEXT"));
            if (rows.contains(base + QStringLiteral(".TEXT")))
                m_secrets.insert(QString::fromLatin1(s),
                                 OptionsStore::decodeSecret(head, rows.value(base + QStringLiteral(".TEXT0"))));
        }
    }
    return result;
}

Options::Result Options::SaveOptions(TDataFormSQL &data)
{
    Result result;
    OptionsStore store(data);
    const bool all = ownsAllFamilies();
    QStringList failed;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (!all && !isFirstFamily(it.key()))
            continue;
        if (!store.save(it.key(), it.value()))
            failed << it.key();
    }
    if (all) {
        for (const char *s : kSecrets) {
            const QString key = QString::fromLatin1(s);
            if (!store.saveSecret(key, m_secrets.value(key)))
                failed << key;
        }
    }
    if (!failed.isEmpty()) {
        result.ok = false;
        result.message = QCoreApplication::translate("Options", "The settings could not be saved: %1\n%2")
                             .arg(failed.join(QStringLiteral(", ")), store.lastErrorText());
    }
    return result;
}
