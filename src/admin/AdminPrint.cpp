// qarvel-admin print: a document of a year database as a PDF file, with the
// print design stored in that database.
#include "AdminCommands.h"

#include "PrintLayouts.h"
#include "PrintOutput.h"
#include "PrintSale.h"
#include "accounts/CurrencyOptions.h"
#include "data/AppDir.h"
#include "data/DbSettings.h"
#include "data/OptionsStore.h"
#include "data/TDataFormSQL.h"
#include "data/YearDatabases.h"
#include "shell/Companies.h"
#include "shell/Options.h"

#include <QGuiApplication>

bool AdminCommands::needsGuiApplication(const QStringList &arguments)
{
    const QStringList args = AppDir::stripDataArgument(arguments);
    return !args.isEmpty() && args.first() == u"print";
}

int AdminCommands::print(const QStringList &argsIn)
{
    QStringList args = argsIn;
    QString pdf, lang = QStringLiteral("en"), paper = QStringLiteral("page");
    for (auto [name, target] :
         {std::pair{"--pdf", &pdf}, std::pair{"--lang", &lang}, std::pair{"--paper", &paper}}) {
        for (int i = 0; i < args.size(); ++i) {
            const QString option = QString::fromLatin1(name);
            if (args[i] == option && i + 1 < args.size()) {
                *target = args[i + 1];
                args.remove(i, 2);
                break;
            }
            if (args[i].startsWith(option + u'=')) {
                *target = args[i].mid(option.size() + 1);
                args.remove(i);
                break;
            }
        }
    }
    bool kindOk = false, idOk = false;
    const int kind = args.value(1).toInt(&kindOk);
    const int invId = args.value(2).toInt(&idOk);
    if (args.size() != 3 || pdf.isEmpty() || !kindOk || !idOk)
        return usage(2);
    if (kind < 0 || kind >= DocumentKinds::kCount)
        return fail(QStringLiteral("not a document kind (0-5): %1").arg(args[1])), 2;
    if (lang != u"ar" && lang != u"en")
        return fail(QStringLiteral("--lang is ar or en: %1").arg(lang)), 2;
    SalePrintSettings settings;
    settings.isArabic = lang == u"ar";
    if (paper == u"58")
        settings.paper = InvoicePaper::Roll58;
    else if (paper == u"80")
        settings.paper = InvoicePaper::Roll80;
    else if (paper != u"page")
        return fail(QStringLiteral("--paper is page, 58 or 80: %1").arg(paper)), 2;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(QStringLiteral("printing needs the GUI application object")), 1;
    if (kind == int(DocKind::Purchase))
        return fail(QStringLiteral("purchases are not printed")), 1;

    const QString name = args[0];
    DbSettings db;
    db.load(m_dataDir + QLatin1String(DbSettings::kFileName));
    ConnectionParams params = db.params(m_dataDir, name);
    params.readOnly = true;
    TDataFormSQL data;
    if (!data.OpenDB(params))
        return fail(QStringLiteral("cannot open %1: %2").arg(name, data.lastErrorText())), 1;

    // The options of this database, whatever its year or company.
    bool ok = false;
    const QHash<QString, QString> rows = OptionsStore(data).loadAll(&ok);
    if (!ok)
        return fail(QStringLiteral("cannot read the options of %1: %2")
                        .arg(name, data.lastErrorText())),
               1;
    Options &opts = options();
    opts.resetToDefaults();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        opts.setText(it.key(), it.value());
    QString prefix;
    int year = 0;
    YearDatabases::parseName(name, &prefix, &year);
    const Company *company = Companies::byPrefix(prefix);
    const Company::Header header = Companies::header(company ? company->number : 1);
    settings.currency = CurrencyOptions::load(opts);

    PrintDesign design = PrintDesign::initial(header.nameEn, header.nameAr);
    design.load(opts);
    PrintLayouts layouts = PrintLayouts::make();
    PrintDesignApply::EdToLn(design, layouts);
    const PrintDesignApply::Outcome logo = PrintDesignApply::PrintHeaderChange(
        design, layouts, opts.text(QString::fromLatin1(OptKey::CompLogo)));
    if (!logo.ok)
        m_err << "qarvel-admin: warning: " << logo.error << " (printed without the logo)"
              << Qt::endl;

    QString error;
    const std::optional<SaleDocument> doc =
        PrintSale::load(data, static_cast<DocKind>(kind), invId, &error);
    if (!doc)
        return fail(QStringLiteral("no document %1 of kind %2 in %3 %4")
                        .arg(invId)
                        .arg(kind)
                        .arg(name, error)),
               1;
    const QList<Print::Report> reports = PrintSale::reports(layouts, design, *doc, settings);
    if (!PrintOutput::writePdf(reports, pdf, &error))
        return fail(error), 1;
    m_out << "printed " << reports.first().title.trimmed() << " to " << pdf << Qt::endl;
    return 0;
}
