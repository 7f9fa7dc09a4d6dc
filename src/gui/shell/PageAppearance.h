#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <optional>

class QTabWidget;
class QWidget;

// Colours, fonts and panel widths of the main window's pages, kept with the
// options:
//   <panel>.color                  colour of a page panel ("CodePanel.color")
//   <panel>.font + .Name/.Size/.Color/.Style ("FS:" + B, I, U)
//   SalesColor<n>, SalesFont<n>    the invoices page, per document kind n
//   TNote.font                     the main font of the page control
//   <panel>.Width                  widths of the side panels
// Colours are stored as colour numbers: red + green * 256 + blue * 65536,
// or the negative number of a system colour (the button face after a reset).
class PageAppearance : public QObject
{
    Q_OBJECT
public:
    // The number of the standard button-face colour.
    static constexpr qint64 kButtonFace = -2147483633;

    PageAppearance(QTabWidget *note, QWidget *window);

    // The panel name of a page ("CodePanel"); empty for pages without one
    // and for the invoices page, whose colour goes with the document kind.
    static QString panelName(int page);
    // The option key of the colour / font of a page (page 1: of the
    // current document kind); empty when the page has none.
    QString colorKey(int page) const;
    QString fontKey(int page) const;
    // The widget that shows a page's colour and font: the page's child
    // named after the panel if there is one, else the page itself.
    QWidget *panel(int page) const;

    void setDocumentKind(int kind);
    int documentKind() const { return m_kind; }

    // options -> pages
    void load();
    // The appearance actions, on the page given.
    void changeColor(int page);
    void changeFont(int page);
    void changeMainFont();
    void resetColor(int page);

    // panel widths (options <-> panels that exist)
    static QStringList panelWidthKeys();
    void loadPanelWidths();
    void savePanelWidths();

    // -- stored forms
    static qint64 colorNumber(const QColor &color);
    static QColor colorFromNumber(qint64 number);
    static QString fontStyle(const QFont &font);
    static void storeFont(const QString &key, const QFont &font, const QColor &color);
    // The stored font of key applied over base; nullopt when none is stored.
    static std::optional<QFont> storedFont(const QString &key, const QFont &base,
                                           QColor *color = nullptr);

private:
    void applyColor(QWidget *widget, const QString &key);
    void applyFont(QWidget *widget, const QString &key);
    QWidget *findPanel(const QString &path) const;

    QTabWidget *m_note;
    QWidget *m_window;
    int m_kind = 1; // sales
};
