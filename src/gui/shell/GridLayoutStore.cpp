#include "GridLayoutStore.h"

#include "shell/Options.h"

#include <QHeaderView>
#include <QLayout>
#include <QPointer>
#include <QSplitter>
#include <QTableView>

#include <memory>
#include <optional>

namespace GridLayoutStore {
namespace {

constexpr int kFallbackWidth = 200;

struct Entry
{
    QPointer<QTableView> view;
    QString key;
};

QList<Entry> &entries()
{
    static QList<Entry> list;
    return list;
}

QString &yesNo()
{
    static QString texts = QStringLiteral("Yes;        No");
    return texts;
}

// A stored number, or fallback when the text is no number; nullopt when the
// key is not there.
std::optional<int> storedNumber(const QString &key, int fallback)
{
    if (!options().contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = options().text(key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

// A grid placed by a layout or a splitter takes its size from there.
bool sizedByParent(const QTableView *view)
{
    const QWidget *parent = view->parentWidget();
    return parent && (parent->layout() || qobject_cast<const QSplitter *>(parent));
}

void loadColumns(QTableView *view, const QString &key)
{
    QHeaderView *header = view->horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        if (const auto width = storedNumber(columnKey(key, i), kFallbackWidth))
            header->resizeSection(i, std::max(0, *width));
}

void fixColumnOrder(QTableView *view)
{
    QHeaderView *header = view->horizontalHeader();
    header->setSectionsMovable(false);
    auto snapping = std::make_shared<bool>(false);
    QObject::connect(header, &QHeaderView::sectionMoved, view,
                     [header, snapping](int, int oldVisual, int newVisual) {
                         if (*snapping)
                             return;
                         *snapping = true;
                         header->moveSection(newVisual, oldVisual);
                         *snapping = false;
                     });
}

} // namespace

QString columnKey(const QString &key, int column)
{
    return key + QStringLiteral(".columns[%1].width").arg(column);
}

void attach(QTableView *view, const QString &key)
{
    if (!view)
        return;
    detach(view);
    entries().append({view, key});
    fixColumnOrder(view);
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionCountChanged, view,
                     [view] { loadColumns(view, keyOf(view)); });
    QObject::connect(view, &QObject::destroyed, view, [view] { detach(view); });
    load(view, key);
}

void detach(QTableView *view)
{
    entries().removeIf([view](const Entry &e) { return e.view.isNull() || e.view == view; });
}

QString keyOf(const QTableView *view)
{
    for (const Entry &e : std::as_const(entries()))
        if (e.view == view)
            return e.key;
    return {};
}

QStringList attachedKeys()
{
    QStringList keys;
    for (const Entry &e : std::as_const(entries()))
        if (!e.view.isNull())
            keys << e.key;
    return keys;
}

void applyLook(QTableView *view)
{
    const int frame = std::clamp(options().number(QString::fromLatin1(OptKey::FrameW), 1), 1, 5);
    const int row = std::clamp(options().number(QString::fromLatin1(OptKey::RowH), 20), 10, 40);
    view->setLineWidth(frame);
    QHeaderView *rows = view->verticalHeader();
    rows->setMinimumSectionSize(std::min(rows->minimumSectionSize(), row));
    rows->setDefaultSectionSize(row);
}

void load(QTableView *view, const QString &key)
{
    if (!view)
        return;
    applyLook(view);
    loadColumns(view, key);
    if (!sizedByParent(view)) {
        const int width =
            storedNumber(key + QStringLiteral(".width"), kFallbackWidth).value_or(view->width());
        const int height =
            storedNumber(key + QStringLiteral(".Height"), kFallbackWidth).value_or(view->height());
        view->resize(width, height);
    }
}

void save(QTableView *view, const QString &key)
{
    if (!view)
        return;
    const QHeaderView *header = view->horizontalHeader();
    for (int i = 0; i < header->count(); ++i)
        options().setNumber(columnKey(key, i), header->sectionSize(i));
    // The size of a grid that was never shown means nothing yet.
    if (view->isVisible()) {
        options().setNumber(key + QStringLiteral(".width"), view->width());
        options().setNumber(key + QStringLiteral(".Height"), view->height());
    }
}

void loadAll()
{
    for (const Entry &e : QList<Entry>(entries()))
        if (!e.view.isNull())
            load(e.view, e.key);
}

void applyLookToAll()
{
    for (const Entry &e : QList<Entry>(entries()))
        if (!e.view.isNull())
            applyLook(e.view);
}

void saveAll()
{
    for (const Entry &e : QList<Entry>(entries()))
        if (!e.view.isNull())
            save(e.view, e.key);
}

void setBoolTexts(const QString &yesAndNo)
{
    yesNo() = yesAndNo;
}

QString boolTexts()
{
    return yesNo();
}

QString boolText(bool value)
{
    const QStringList parts = yesNo().split(QLatin1Char(';'));
    if (value)
        return parts.value(0);
    return parts.value(1);
}

} // namespace GridLayoutStore
