#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QAction;
class QActionGroup;
class QWidget;

// The main window's action list (ActionList1): every action with its
// object name and shortcuts. Suspending the list makes every action inert
// (shortcuts included) without losing which actions are disabled on their
// own. Actions whose work is not there yet are "pending": they exist with
// their shortcuts but stay disabled until their work is connected.
class StoreActions : public QObject
{
    Q_OBJECT
public:
    // Creates the actions and adds them to window, so that their shortcuts
    // work whether the main menu is there or not.
    explicit StoreActions(QWidget *window);

    QAction *action(const QString &name) const;
    QAction *operator[](const QString &name) const { return action(name); }
    QList<QAction *> all() const { return m_ordered; }
    QActionGroup *list() const { return m_list; }

    void setSuspended(bool suspended);
    bool isSuspended() const;

    // Work of an action is connected: it may be enabled from now on.
    void markReady(QAction *action);
    bool isPending(QAction *action) const { return m_pending.contains(action); }
    // Enables an action unless its work is still pending.
    void setAllowed(QAction *action, bool allowed);

    // The actions that lead to page `page` (they follow its visibility).
    QList<QAction *> pageActions(int page) const;

    void retranslate();

private:
    QActionGroup *m_list = nullptr;
    QList<QAction *> m_ordered;
    QHash<QString, QAction *> m_byName;
    QHash<QAction *, const char *> m_captions;
    QSet<QAction *> m_pending;
};
