#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;
class StoreActions;

// The main menu (MainMenu) of the main window, built from the action list
// plus the few items that belong to the menu alone (exit, shutdown,
// language, lock, ...).
class StoreMenus : public QObject
{
    Q_OBJECT
public:
    StoreMenus(QMenuBar *bar, StoreActions &actions);

    QMenuBar *bar() const { return m_bar; }
    QMenu *menu(const QString &objectName) const;
    QAction *item(const QString &objectName) const;

    QAction *exitItem() const { return item(QStringLiteral("ExitItem")); }
    QAction *shutdownItem() const { return item(QStringLiteral("ExitShutdownItem")); }
    QAction *arabicItem() const { return item(QStringLiteral("ArabicItem")); }
    QAction *englishItem() const { return item(QStringLiteral("EnglishItem")); }
    QAction *lockItem() const { return item(QStringLiteral("LockItem")); }
    QMenu *otherMenu() const { return menu(QStringLiteral("OtherMenu")); }

    void retranslate();

private:
    QMenu *addMenu(QMenu *parent, const char *objectName, const char *caption);
    QAction *addItem(QMenu *menu, const char *objectName, const char *caption);
    void addActions(QMenu *menu, std::initializer_list<const char *> names);

    QMenuBar *m_bar;
    StoreActions &m_actions;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, QAction *> m_items;
    QHash<QObject *, const char *> m_captions;
};
