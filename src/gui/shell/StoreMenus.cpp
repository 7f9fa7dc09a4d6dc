#include "StoreMenus.h"

#include "StoreActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

StoreMenus::StoreMenus(QMenuBar *bar, StoreActions &actions)
    : QObject(bar)
    , m_bar(bar)
    , m_actions(actions)
{
    m_bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu *view = addMenu(nullptr, "ViewMenu", QT_TRANSLATE_NOOP("TStoreForm", "&View"));
    QMenu *invoices = addMenu(view, "InvoicesMenu", QT_TRANSLATE_NOOP("TStoreForm", "Invoices"));
    addActions(invoices, {"SaleAction", "PListAction", "BToUAction", "BFromUsAction", "PurAction",
                          "IndAction", "PrepAction"});
    QMenu *vouchers = addMenu(view, "VouchersMenu", QT_TRANSLATE_NOOP("TStoreForm", "Vouchers"));
    addActions(vouchers, {"PayAction", "CrdAction"});
    addActions(view, {"SumAction", "CodeAction", "StoreAction", "OldAction", "EmpAction", "NamesAction",
                      "CashAction", "DebitAction"});
    view->addSeparator();
    addItem(view, "ExitShutdownItem", QT_TRANSLATE_NOOP("TStoreForm", "Exit and Shut Down the Computer"));
    QAction *exit = addItem(view, "ExitItem", QT_TRANSLATE_NOOP("TStoreForm", "Exit"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu *edit = addMenu(nullptr, "EditMenu", QT_TRANSLATE_NOOP("TStoreForm", "Edit"));
    addActions(edit, {"CopyAction", "PastAction", "CopyToFileAction", "PastFromFileAction"});

    QMenu *options = addMenu(nullptr, "OptionsMenu", QT_TRANSLATE_NOOP("TStoreForm", "Options"));
    addActions(options, {"OptAction", "UsersAction", "ChangeColorAction", "ChangeFontAction",
                         "ChangeMFontAction", "ChangePassAction"});

    QMenu *services = addMenu(nullptr, "ServicesMenu", QT_TRANSLATE_NOOP("TStoreForm", "Services"));
    QMenu *language = addMenu(services, "LanguageMenu", QT_TRANSLATE_NOOP("TStoreForm", "Language"));
    addItem(language, "ArabicItem", QT_TRANSLATE_NOOP("TStoreForm", "Arabic"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    addItem(language, "EnglishItem", QT_TRANSLATE_NOOP("TStoreForm", "English"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    addActions(services, {"CalcAction", "BackupAction", "RestoreAction", "DiaryAction"});
    addItem(services, "TrucksItem", QT_TRANSLATE_NOOP("TStoreForm", "Vehicle Returns"))->setEnabled(false);
    addActions(services, {"QCashAction"});
    addItem(services, "LockItem", QT_TRANSLATE_NOOP("TStoreForm", "Lock"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Escape));

    QMenu *other = addMenu(nullptr, "OtherMenu", QT_TRANSLATE_NOOP("TStoreForm", "Other"));
    addActions(other, {"MonthsAction", "ZakahAction", "DivideToPartnersAction"});
    addItem(other, "SqlReportsItem", QT_TRANSLATE_NOOP("TStoreForm", "SQL (Free Reports)"))->setEnabled(false);

    m_bar->addAction(m_actions[QStringLiteral("PrintBillAction")]);

    QMenu *help = addMenu(nullptr, "HelpMenu", QT_TRANSLATE_NOOP("TStoreForm", "Help"));
    addActions(help, {"HelpAction", "AboutAction"});

    retranslate();
}

QMenu *StoreMenus::addMenu(QMenu *parent, const char *objectName, const char *caption)
{
    QMenu *menu = parent ? parent->addMenu(QString()) : m_bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->menuAction()->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Item"));
    m_menus.insert(menu->objectName(), menu);
    m_captions.insert(menu, caption);
    return menu;
}

QAction *StoreMenus::addItem(QMenu *menu, const char *objectName, const char *caption)
{
    QAction *item = menu->addAction(QString());
    item->setObjectName(QString::fromLatin1(objectName));
    m_items.insert(item->objectName(), item);
    m_captions.insert(item, caption);
    return item;
}

void StoreMenus::addActions(QMenu *menu, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (QAction *action = m_actions[QString::fromLatin1(name)])
            menu->addAction(action);
    }
}

QMenu *StoreMenus::menu(const QString &objectName) const
{
    return m_menus.value(objectName, nullptr);
}

QAction *StoreMenus::item(const QString &objectName) const
{
    return m_items.value(objectName, nullptr);
}

void StoreMenus::retranslate()
{
    for (auto it = m_captions.cbegin(); it != m_captions.cend(); ++it) {
        const QString text = QCoreApplication::translate("TStoreForm", it.value());
        if (auto *menu = qobject_cast<QMenu *>(it.key()))
            menu->setTitle(text);
        else if (auto *item = qobject_cast<QAction *>(it.key()))
            item->setText(text);
    }
}
