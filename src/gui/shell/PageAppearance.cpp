#include "PageAppearance.h"

#include "PickDialogs.h"
#include "StorePages.h"
#include "shell/Options.h"

#include <QApplication>
#include <QSplitter>
#include <QTabWidget>
#include <QWidget>

namespace {

constexpr int kDocumentKinds = 6;

// The chooser captions are those of the actions.
QString actionCaption(const char *text)
{
    return QCoreApplication::translate("TStoreForm", text);
}

qint64 storedNumber(const QString &key, bool *ok)
{
    return options().text(key).trimmed().toLongLong(ok);
}

} // namespace

PageAppearance::PageAppearance(QTabWidget *note, QWidget *window)
    : QObject(window)
    , m_note(note)
    , m_window(window)
{ }

QString PageAppearance::panelName(int page)
{
    switch (page) {
    case StorePages::POS:
        return QStringLiteral("POSPanel");
    case StorePages::Sum:
        return QStringLiteral("CalcPanel");
    case StorePages::ItemCode:
        return QStringLiteral("CodePanel");
    case StorePages::Store:
        return QStringLiteral("StorePanel");
    case StorePages::Pay:
        return QStringLiteral("PayPanel");
    case StorePages::Credit:
        return QStringLiteral("CreditPanel");
    case StorePages::Old:
        return QStringLiteral("OldPanel");
    case StorePages::Employee:
        return QStringLiteral("EmpPanel");
    case StorePages::Names:
        return QStringLiteral("AddPanel");
    case StorePages::Cash:
        return QStringLiteral("CashPanel");
    case StorePages::Dept:
        return QStringLiteral("DebitPanel");
    case StorePages::Rep:
        return QStringLiteral("PrepPanel");
    default:
        return {};
    }
}

QString PageAppearance::colorKey(int page) const
{
    if (page == StorePages::Purchase)
        return QStringLiteral("SalesColor%1").arg(m_kind);
    const QString name = panelName(page);
    return name.isEmpty() ? QString() : name + QStringLiteral(".color");
}

QString PageAppearance::fontKey(int page) const
{
    if (page == StorePages::Purchase)
        return QStringLiteral("SalesFont%1").arg(m_kind);
    // The point of sale and the preparation page keep the main font.
    if (page == StorePages::POS || page == StorePages::Rep)
        return {};
    const QString name = panelName(page);
    return name.isEmpty() ? QString() : name + QStringLiteral(".font");
}

QWidget *PageAppearance::panel(int page) const
{
    QWidget *pageWidget = m_note->widget(page);
    if (!pageWidget)
        return nullptr;
    const QString name =
        page == StorePages::Purchase ? QStringLiteral("InvPanel") : panelName(page);
    if (name.isEmpty())
        return nullptr;
    if (auto *child = pageWidget->findChild<QWidget *>(name))
        return child;
    return pageWidget;
}

void PageAppearance::setDocumentKind(int kind)
{
    if (kind < 0 || kind >= kDocumentKinds || kind == m_kind)
        return;
    m_kind = kind;
    QWidget *widget = panel(StorePages::Purchase);
    if (!widget)
        return;
    // A kind without a colour or font of its own shows the standard ones.
    if (!options().contains(colorKey(StorePages::Purchase))) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
        widget->setPalette(palette);
    }
    if (!storedFont(fontKey(StorePages::Purchase), widget->font()))
        widget->setFont(QFont());
    applyColor(widget, colorKey(StorePages::Purchase));
    applyFont(widget, fontKey(StorePages::Purchase));
}

// -- stored forms -----------------------------------------------------------

qint64 PageAppearance::colorNumber(const QColor &color)
{
    return qint64(color.red()) + qint64(color.green()) * 256 + qint64(color.blue()) * 65536;
}

QColor PageAppearance::colorFromNumber(qint64 number)
{
    if (number < 0 || number > 0xFFFFFF) {
        // A system colour: its index is the low byte.
        const QPalette system = QApplication::palette();
        switch (number & 0xFF) {
        case 5:
            return system.color(QPalette::Base); // window background
        case 8:
            return system.color(QPalette::Text); // window text
        case 15:
            return system.color(QPalette::Button); // button face
        default:
            return system.color(QPalette::Window);
        }
    }
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

QString PageAppearance::fontStyle(const QFont &font)
{
    QString style = QStringLiteral("FS:");
    if (font.bold())
        style += QLatin1Char('B');
    if (font.italic())
        style += QLatin1Char('I');
    if (font.underline())
        style += QLatin1Char('U');
    return style;
}

void PageAppearance::storeFont(const QString &key, const QFont &font, const QColor &color)
{
    options().setText(key + QStringLiteral(".Name"), font.family());
    const int points = qRound(font.pointSizeF());
    if (points > 0)
        options().setNumber(key + QStringLiteral(".Size"), points);
    options().setNumber(key + QStringLiteral(".Color"), colorNumber(color));
    options().setText(key + QStringLiteral(".Style"), fontStyle(font));
}

std::optional<QFont> PageAppearance::storedFont(const QString &key, const QFont &base,
                                                QColor *color)
{
    const QString name = key + QStringLiteral(".Name");
    const QString size = key + QStringLiteral(".Size");
    const QString colour = key + QStringLiteral(".Color");
    const QString style = key + QStringLiteral(".Style");
    if (!options().contains(name) && !options().contains(size) && !options().contains(style))
        return std::nullopt;
    QFont font = base;
    if (options().contains(name) && !options().text(name).trimmed().isEmpty())
        font.setFamily(options().text(name).trimmed());
    bool ok = false;
    const int points = options().text(size).trimmed().toInt(&ok);
    if (ok && points > 0)
        font.setPointSize(points);
    if (options().contains(style)) {
        const QString flags = options().text(style).trimmed().mid(3).toUpper();
        font.setBold(flags.contains(QLatin1Char('B')));
        font.setItalic(flags.contains(QLatin1Char('I')));
        font.setUnderline(flags.contains(QLatin1Char('U')));
    }
    if (color && options().contains(colour)) {
        const qint64 number = storedNumber(colour, &ok);
        if (ok)
            *color = colorFromNumber(number);
    }
    return font;
}

// -- applying ---------------------------------------------------------------

void PageAppearance::applyColor(QWidget *widget, const QString &key)
{
    if (!widget || key.isEmpty() || !options().contains(key))
        return;
    bool ok = false;
    const qint64 number = storedNumber(key, &ok);
    if (!ok)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colorFromNumber(number));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void PageAppearance::applyFont(QWidget *widget, const QString &key)
{
    if (!widget || key.isEmpty())
        return;
    QColor color = widget->palette().color(QPalette::WindowText);
    const std::optional<QFont> font = storedFont(key, widget->font(), &color);
    if (!font)
        return;
    widget->setFont(*font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

void PageAppearance::load()
{
    if (const auto font = storedFont(QStringLiteral("TNote.font"), m_note->font()))
        m_note->setFont(*font);
    for (int page = 0; page < m_note->count(); ++page) {
        QWidget *widget = panel(page);
        applyColor(widget, colorKey(page));
        applyFont(widget, fontKey(page));
    }
    loadPanelWidths();
}

void PageAppearance::changeColor(int page)
{
    QWidget *widget = panel(page);
    const QString key = colorKey(page);
    if (!widget || key.isEmpty())
        return;
    const std::optional<QColor> color = PickDialogs::color(
        m_window, widget->palette().color(QPalette::Window), actionCaption("Change Colour"));
    if (!color)
        return;
    options().setNumber(key, colorNumber(*color));
    applyColor(widget, key);
    if (page == StorePages::Sum)
        if (QWidget *months =
                m_note->widget(page)->findChild<QWidget *>(QStringLiteral("MonthsPanel1")))
            applyColor(months, key);
}

void PageAppearance::resetColor(int page)
{
    QWidget *widget = panel(page);
    const QString key = colorKey(page);
    if (!widget || key.isEmpty())
        return;
    options().setNumber(key, kButtonFace);
    applyColor(widget, key);
}

void PageAppearance::changeFont(int page)
{
    QWidget *widget = panel(page);
    const QString key = fontKey(page);
    if (!widget || key.isEmpty())
        return;
    const std::optional<QFont> font =
        PickDialogs::font(m_window, widget->font(), actionCaption("Change Font"));
    if (!font)
        return;
    storeFont(key, *font, widget->palette().color(QPalette::WindowText));
    applyFont(widget, key);
}

void PageAppearance::changeMainFont()
{
    const std::optional<QFont> font =
        PickDialogs::font(m_window, m_note->font(), actionCaption("Change Main Font"));
    if (!font)
        return;
    storeFont(QStringLiteral("TNote.font"), *font, m_note->palette().color(QPalette::WindowText));
    m_note->setFont(*font);
    // The two side panels of the statistics page follow the main font.
    for (const char *name : {"SLPanel", "SRPanel"})
        if (QWidget *side = m_note->findChild<QWidget *>(QString::fromLatin1(name)))
            side->setFont(*font);
}

// -- panel widths -----------------------------------------------------------

QStringList PageAppearance::panelWidthKeys()
{
    return {QStringLiteral("CashLPanel.Width"),
            QStringLiteral("CrdLeftPanel.Width"),
            QStringLiteral("DebitLPanel.Width"),
            QStringLiteral("DRPanel.Width"),
            QStringLiteral("EmpPanel0.Width"),
            QStringLiteral("FCashPanelLeft.Width"),
            QStringLiteral("FGoodPanelLeft.Width"),
            QStringLiteral("InvGrdPanel.width"),
            QStringLiteral("ItemsPanel.Width"),
            QStringLiteral("KindPanle.Width"),
            QStringLiteral("LookItem.width"),
            QStringLiteral("MonthsPanel1.width"),
            QStringLiteral("NameLPanel.Width"),
            QStringLiteral("OldPanelLeft.Width"),
            QStringLiteral("PayLeftPanel.Width"),
            QStringLiteral("PrepPanel.width"),
            QStringLiteral("PrepPane.width"),
            QStringLiteral("SLPanel.Width"),
            QStringLiteral("SRPanel.Width"),
            QStringLiteral("StoreLPanel.Width"),
            QStringLiteral("SumLPanel.Width"),
            QStringLiteral("ThPAnel1.Width"),
            QStringLiteral("CusomerLCDForm.CusLcdPanel.width")};
}

QWidget *PageAppearance::findPanel(const QString &path) const
{
    const QStringList parts = path.split(QLatin1Char('.'));
    if (parts.size() == 1)
        return m_window->findChild<QWidget *>(parts.first());
    // Another window: "Window.Panel".
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->objectName() == parts.first())
            return top->findChild<QWidget *>(parts.at(1));
    return nullptr;
}

void PageAppearance::loadPanelWidths()
{
    for (const QString &key : panelWidthKeys()) {
        if (!options().contains(key))
            continue;
        QWidget *widget = findPanel(key.section(QLatin1Char('.'), 0, -2));
        bool ok = false;
        const int width = options().text(key).trimmed().toInt(&ok);
        if (!widget || !ok || width < 0)
            continue;
        if (auto *splitter = qobject_cast<QSplitter *>(widget->parentWidget())) {
            QList<int> sizes = splitter->sizes();
            const int index = splitter->indexOf(widget);
            const int other = index + 1 < sizes.size() ? index + 1 : index - 1;
            if (other >= 0 && other < sizes.size()) {
                sizes[other] = std::max(0, sizes[other] + sizes[index] - width);
                sizes[index] = width;
                splitter->setSizes(sizes);
            }
        } else {
            widget->resize(width, widget->height());
        }
    }
}

void PageAppearance::savePanelWidths()
{
    for (const QString &key : panelWidthKeys()) {
        QWidget *widget = findPanel(key.section(QLatin1Char('.'), 0, -2));
        // A panel that was never shown has no width of its own yet.
        if (widget && widget->isVisible())
            options().setNumber(key, widget->width());
    }
}
