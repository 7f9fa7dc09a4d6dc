#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>

class Options;

// The print design: every movable element of the invoice page, the page
// length, the margins, the header and footer texts, their fonts and a few
// switches. Each value belongs to a control of the design window and is
// kept among the options under "DesForm." + control + "." + property
// ("DesForm.InvNoChk.Checked"). Positions are whole millimetres typed as
// text, the margins decimal millimetres.
class PrintDesign
{
public:
    struct Font
    {
        QFont font;
        QColor color;
        bool operator==(const Font &) const = default;
    };

    // The values before any option is loaded (also the value of a missing
    // option). The company names come from the company's header texts.
    static PrintDesign initial(const QString &companyNameEn = {},
                               const QString &companyNameAr = {});

    // "Load Default Options": the standard preset.
    void loadDefault();
    // "Load Default Ostrel": the preset for the Ostrel stationery; its extra
    // text shows the given telephone text.
    void loadDefaultOstrel(const QString &telephoneText);

    // options <-> design; a value without an option keeps its initial value.
    void load(const Options &from);
    void save(Options &to) const;

    // -- values by name ("InvNoChk.Checked", "ed1.text", "HPage.Value")
    QString text(const QString &name) const;
    bool on(const QString &name) const;
    void setText(const QString &name, const QString &value);
    void setOn(const QString &name, bool on);
    // A position converted to report units / to the millimetres it prints at.
    int units(const QString &name) const;
    double mm(const QString &name) const;

    // -- fonts by control ("ed1", "InvDetailsLb")
    Font font(const QString &control) const;
    void setFont(const QString &control, const QFont &font, const QColor &color = {});
    static QStringList fontControls();

    // Every value name, and the option key of a name ("DesForm." + name).
    QStringList names() const { return m_values.keys(); }
    static QString optionKey(const QString &name);
    // Every option key save() writes.
    QStringList optionKeys() const;

    // The page length in mm (120..350), the margins as printing reads them:
    // an unreadable text counts 0, a top margin above 100 becomes 100 and
    // so does its text.
    int pageHeight() const;
    double topMargin();
    double leftMargin() const;

    // The picture shown as the logo (loaded from the "CompLogo" file).
    QImage logo;

    bool operator==(const PrintDesign &) const = default;

private:
    QMap<QString, QString> m_values;
    QMap<QString, Font> m_fonts;
};

// The option keys of fonts: key + ".Name", ".Size", ".Color", ".Style".
namespace DesignFonts {
void store(Options &to, const QString &key, const QFont &font, const QColor &color);
// false when nothing is stored under the key.
bool load(const Options &from, const QString &key, QFont *font, QColor *color);
// A family with the Arabic fallbacks of printed texts.
QFont printFont(const QString &family, int points, bool bold);
} // namespace DesignFonts
