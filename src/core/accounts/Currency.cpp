#include "accounts/Currency.h"

#include "accounts/Money.h"

QStringList CurrencyKeys::all()
{
    return {QLatin1String(NameA),       QLatin1String(NameE),    QLatin1String(PartNameA),
            QLatin1String(PartNameE),   QLatin1String(TwoName),  QLatin1String(TwoPartName),
            QLatin1String(ManyName),    QLatin1String(ManyPartName), QLatin1String(Parts),
            QLatin1String(IsMale),      QLatin1String(PartsIsMale)};
}

Currency Currency::presetUAE()
{
    Currency c;
    c.NameA = QStringLiteral("درهم");
    c.NameE = QStringLiteral("Dhs");
    c.PartNameA = QStringLiteral("فلس");
    c.PartNameE = QStringLiteral("Fils");
    c.TwoName = QStringLiteral("درهمان");
    c.TwoPartName = QStringLiteral("فلسان");
    c.ManyName = QStringLiteral("دراهم");
    c.ManyPartName = QStringLiteral("فلوس");
    c.Parts = 2;
    c.IsMale = true;
    c.PartsIsMale = true;
    return c;
}

Currency Currency::presetSYR()
{
    Currency c;
    c.NameA = QStringLiteral("ليرة");
    c.NameE = QStringLiteral("S.POUND");
    c.PartNameA = QStringLiteral("قرش");
    c.PartNameE = QStringLiteral("QRSH");
    c.TwoName = QStringLiteral("ليرتان");
    c.TwoPartName = QStringLiteral("قرشان");
    c.ManyName = QStringLiteral("ليرات");
    c.ManyPartName = QStringLiteral("قروش");
    c.Parts = 2;
    c.IsMale = false;
    c.PartsIsMale = true;
    return c;
}

std::optional<Currency> Currency::preset(const QString &country)
{
    const QString key = country.trimmed();
    if (key.compare(QLatin1String(kPresetUAE).trimmed(), Qt::CaseInsensitive) == 0)
        return presetUAE();
    if (key.compare(QLatin1String(kPresetSYR), Qt::CaseInsensitive) == 0)
        return presetSYR();
    return std::nullopt;
}

QStringList Currency::countryItems()
{
    return {QLatin1String(kChose), QLatin1String(kPresetSYR), QLatin1String(kPresetUAE)};
}

int Currency::decimals() const
{
    return Money::decimalsFor(Parts);
}

QString Currency::displayFormat() const
{
    return Money::displayFormat(decimals());
}

Currency Currency::stored() const
{
    Currency c = *this;
    for (QString *name : {&c.NameA, &c.NameE, &c.PartNameA, &c.PartNameE, &c.TwoName,
                          &c.TwoPartName, &c.ManyName, &c.ManyPartName})
        name->truncate(kMaxNameLength);
    return c;
}
