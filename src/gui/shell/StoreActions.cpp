#include "StoreActions.h"

#include "StorePages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

namespace {

struct ActionDef
{
    const char *name;
    const char *caption;
    QList<QKeySequence> keys;
    bool ready; // its work exists already
};

QList<ActionDef> actionDefs()
{
    using K = QKeySequence;
    const int alt = Qt::ALT, ctrl = Qt::CTRL, shift = Qt::SHIFT;
    return {
        {"SaleAction", QT_TRANSLATE_NOOP("TStoreForm", "Sales Invoice"), {K(Qt::Key_F2), K(alt | Qt::Key_1)}, true},
        {"PListAction", QT_TRANSLATE_NOOP("TStoreForm", "Price List"), {K(alt | Qt::Key_2)}, true},
        {"BToUAction", QT_TRANSLATE_NOOP("TStoreForm", "Returns To Us"), {K(alt | Qt::Key_3)}, true},
        {"BFromUsAction", QT_TRANSLATE_NOOP("TStoreForm", "Returns From Us"), {K(alt | Qt::Key_4)}, true},
        {"PurAction", QT_TRANSLATE_NOOP("TStoreForm", "Purchase Invoice"), {K(Qt::Key_F3), K(alt | Qt::Key_5)}, true},
        {"IndAction", QT_TRANSLATE_NOOP("TStoreForm", "Manufacturing"), {}, true},
        {"SumAction", QT_TRANSLATE_NOOP("TStoreForm", "Statistics"), {}, true},
        {"CodeAction", QT_TRANSLATE_NOOP("TStoreForm", "Codes"), {K(Qt::Key_F4)}, true},
        {"StoreAction", QT_TRANSLATE_NOOP("TStoreForm", "Stock"), {K(Qt::Key_F5)}, true},
        {"AboutAction", QT_TRANSLATE_NOOP("TStoreForm", "About"), {K(Qt::Key_F6)}, true},
        {"OptAction", QT_TRANSLATE_NOOP("TStoreForm", "Program Options"), {}, false},
        {"PayAction", QT_TRANSLATE_NOOP("TStoreForm", "Payment Voucher"), {K(Qt::Key_F8)}, true},
        {"CrdAction", QT_TRANSLATE_NOOP("TStoreForm", "Credit Voucher"), {K(Qt::Key_F9)}, true},
        {"OldAction", QT_TRANSLATE_NOOP("TStoreForm", "Opening Entries"), {}, true},
        {"EmpAction", QT_TRANSLATE_NOOP("TStoreForm", "Employees"), {}, true},
        {"NamesAction", QT_TRANSLATE_NOOP("TStoreForm", "Names/Accounts"), {K(Qt::Key_F12)}, true},
        {"CashAction", QT_TRANSLATE_NOOP("TStoreForm", "Cash"), {K(Qt::Key_F10)}, true},
        {"DebitAction", QT_TRANSLATE_NOOP("TStoreForm", "Debit"), {K(Qt::Key_F11)}, true},
        {"PrepAction", QT_TRANSLATE_NOOP("TStoreForm", "Preparation"), {}, true},
        {"QCashAction", QT_TRANSLATE_NOOP("TStoreForm", "Today's Cash"), {K(ctrl | Qt::Key_F10)}, false},
        {"CopyAction", QT_TRANSLATE_NOOP("TStoreForm", "Copy Lines"), {K(ctrl | Qt::Key_Insert)}, false},
        {"PastAction", QT_TRANSLATE_NOOP("TStoreForm", "Paste Lines"), {K(shift | Qt::Key_Insert)}, false},
        {"CopyToFileAction", QT_TRANSLATE_NOOP("TStoreForm", "Copy Lines to File"), {}, false},
        {"PastFromFileAction", QT_TRANSLATE_NOOP("TStoreForm", "Paste Lines from File"), {}, false},
        {"CalcAction", QT_TRANSLATE_NOOP("TStoreForm", "Calculator"), {K(alt | Qt::Key_S)}, false},
        {"BackupAction", QT_TRANSLATE_NOOP("TStoreForm", "Backup"), {}, false},
        {"RestoreAction", QT_TRANSLATE_NOOP("TStoreForm", "Restore"), {}, false},
        {"ChangeColorAction", QT_TRANSLATE_NOOP("TStoreForm", "Change Colour"), {}, false},
        {"ChangeFontAction", QT_TRANSLATE_NOOP("TStoreForm", "Change Font"), {}, false},
        {"ChangeMFontAction", QT_TRANSLATE_NOOP("TStoreForm", "Change Main Font"), {}, false},
        {"DelFontAction", QT_TRANSLATE_NOOP("TStoreForm", "Default Colour"), {}, false},
        {"DiaryAction", QT_TRANSLATE_NOOP("TStoreForm", "Diary"), {}, false},
        {"MonthsAction", QT_TRANSLATE_NOOP("TStoreForm", "Monthly Table"), {}, false},
        {"ZakahAction", QT_TRANSLATE_NOOP("TStoreForm", "Zakah"), {}, false},
        {"ChangeCashAction", QT_TRANSLATE_NOOP("TStoreForm", "Change Cash State"), {}, false},
        {"DivideToPartnersAction", QT_TRANSLATE_NOOP("TStoreForm", "Divide Profit to Partners"), {}, false},
        {"UsersAction", QT_TRANSLATE_NOOP("TStoreForm", "Users"), {}, false},
        {"ExitUserAction", QT_TRANSLATE_NOOP("TStoreForm", "Logout"), {K(ctrl | Qt::Key_F1)}, true},
        {"ChangePassAction", QT_TRANSLATE_NOOP("TStoreForm", "Change Password"), {}, false},
        {"PrintBillAction", QT_TRANSLATE_NOOP("TStoreForm", "Print"), {K(ctrl | Qt::Key_P)}, false},
        {"MainAction", QT_TRANSLATE_NOOP("TStoreForm", "Main Company"), {K(ctrl | Qt::Key_1)}, false},
        {"BranchAction", QT_TRANSLATE_NOOP("TStoreForm", "Branch"), {K(ctrl | Qt::Key_2)}, false},
        {"TransAction", QT_TRANSLATE_NOOP("TStoreForm", "Transport"), {K(ctrl | Qt::Key_3)}, false},
        {"FlatAction", QT_TRANSLATE_NOOP("TStoreForm", "Flats"), {K(ctrl | Qt::Key_4)}, false},
        {"Trans2Action", QT_TRANSLATE_NOOP("TStoreForm", "Garage"), {K(ctrl | Qt::Key_5)}, false},
        {"HelpAction", QT_TRANSLATE_NOOP("TStoreForm", "Help Contents"), {K(Qt::Key_F1)}, false},
    };
}

} // namespace

StoreActions::StoreActions(QWidget *window)
    : QObject(window)
{
    m_list = new QActionGroup(this);
    m_list->setObjectName(QStringLiteral("ActionList1"));
    m_list->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);

    for (const ActionDef &def : actionDefs()) {
        auto *action = new QAction(window);
        action->setObjectName(QString::fromLatin1(def.name));
        action->setShortcuts(def.keys);
        m_list->addAction(action);
        window->addAction(action);
        m_ordered.append(action);
        m_byName.insert(action->objectName(), action);
        m_captions.insert(action, def.caption);
        if (!def.ready) {
            m_pending.insert(action);
            action->setEnabled(false);
        }
    }
    retranslate();
}

QAction *StoreActions::action(const QString &name) const
{
    return m_byName.value(name, nullptr);
}

void StoreActions::setSuspended(bool suspended)
{
    m_list->setEnabled(!suspended);
}

bool StoreActions::isSuspended() const
{
    return !m_list->isEnabled();
}

void StoreActions::markReady(QAction *action)
{
    if (m_pending.remove(action))
        action->setEnabled(true);
}

void StoreActions::setAllowed(QAction *action, bool allowed)
{
    action->setEnabled(allowed && !m_pending.contains(action));
}

QList<QAction *> StoreActions::pageActions(int page) const
{
    auto named = [this](std::initializer_list<const char *> names) {
        QList<QAction *> result;
        for (const char *name : names)
            result.append(action(QString::fromLatin1(name)));
        return result;
    };
    switch (page) {
    case StorePages::Purchase:
        return named({"SaleAction", "PListAction", "BToUAction", "BFromUsAction", "PurAction", "IndAction"});
    case StorePages::Sum: return named({"SumAction"});
    case StorePages::ItemCode: return named({"CodeAction"});
    case StorePages::Store: return named({"StoreAction"});
    case StorePages::Pay: return named({"PayAction"});
    case StorePages::Credit: return named({"CrdAction"});
    case StorePages::Names: return named({"NamesAction"});
    case StorePages::Cash: return named({"CashAction"});
    case StorePages::Dept: return named({"DebitAction"});
    default: return {};
    }
}

void StoreActions::retranslate()
{
    for (QAction *action : std::as_const(m_ordered))
        action->setText(QCoreApplication::translate("TStoreForm", m_captions.value(action)));
}
