#include "accounts/CurrencyOptions.h"

#include "accounts/Money.h"
#include "shell/Options.h"

namespace {

QString key(const char *k)
{
    return QString::fromLatin1(k);
}

bool flag(const Options &o, const char *k, bool fallback)
{
    const QString text = o.text(key(k)).trimmed();
    if (text.isEmpty())
        return fallback;
    return text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

} // namespace

namespace CurrencyOptions {

Currency load(const Options &o)
{
    Currency c;
    c.NameA = o.text(key(CurrencyKeys::NameA));
    c.NameE = o.text(key(CurrencyKeys::NameE));
    c.PartNameA = o.text(key(CurrencyKeys::PartNameA));
    c.PartNameE = o.text(key(CurrencyKeys::PartNameE));
    c.TwoName = o.text(key(CurrencyKeys::TwoName));
    c.TwoPartName = o.text(key(CurrencyKeys::TwoPartName));
    c.ManyName = o.text(key(CurrencyKeys::ManyName));
    c.ManyPartName = o.text(key(CurrencyKeys::ManyPartName));
    c.Parts = o.number(key(CurrencyKeys::Parts), c.Parts);
    c.IsMale = flag(o, CurrencyKeys::IsMale, c.IsMale);
    c.PartsIsMale = flag(o, CurrencyKeys::PartsIsMale, c.PartsIsMale);
    return c;
}

Currency load()
{
    return load(options());
}

void save(const Currency &currency, Options &o)
{
    const Currency c = currency.stored();
    o.setText(key(CurrencyKeys::NameA), c.NameA);
    o.setText(key(CurrencyKeys::NameE), c.NameE);
    o.setText(key(CurrencyKeys::PartNameA), c.PartNameA);
    o.setText(key(CurrencyKeys::PartNameE), c.PartNameE);
    o.setText(key(CurrencyKeys::TwoName), c.TwoName);
    o.setText(key(CurrencyKeys::TwoPartName), c.TwoPartName);
    o.setText(key(CurrencyKeys::ManyName), c.ManyName);
    o.setText(key(CurrencyKeys::ManyPartName), c.ManyPartName);
    o.setNumber(key(CurrencyKeys::Parts), c.Parts);
    o.setOn(key(CurrencyKeys::IsMale), c.IsMale);
    o.setOn(key(CurrencyKeys::PartsIsMale), c.PartsIsMale);
}

void save(const Currency &currency)
{
    save(currency, options());
}

} // namespace CurrencyOptions

int Money::decimals()
{
    return decimalsFor(options().number(key(CurrencyKeys::Parts), 2));
}
