#include "LabelInstall.h"

#include "CatalogueModel.h"
#include "CataloguePage.h"
#include "TBarForm.h"
#include "data/TDataFormSQL.h"
#include "items/Catalogue.h"
#include "items/Labels.h"
#include "shell/LayoutPlace.h"
#include "shell/StorePages.h"
#include "shell/TStoreForm.h"
#include "shell/TUsersForm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

namespace {

QString caption(const char *text)
{
    return QCoreApplication::translate("LabelInstall", text);
}

// The controls on the codes page, translated with the page.
class LabelControls : public QObject
{
public:
    LabelControls(QPushButton *button, QCheckBox *rate, QCheckBox *description)
        : QObject(button)
        , m_button(button)
        , m_rate(rate)
        , m_description(description)
    {
        button->installEventFilter(this);
        retranslate();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::LanguageChange)
            retranslate();
        return QObject::eventFilter(watched, event);
    }

private:
    void retranslate()
    {
        m_button->setText(caption("Barcode"));
        m_rate->setText(caption("Price In Bar"));
        m_description->setText(caption("Desc. In Bar"));
    }
    QPushButton *m_button;
    QCheckBox *m_rate, *m_description;
};

// The lower text of the current item's label, as the options of the page say.
bool currentLabel(TDataFormSQL &data, CataloguePage *codes, QCheckBox *rate, QCheckBox *desc,
                  QString *code, QString *lower)
{
    const int id = codes->currentItemId();
    CatalogueItem item;
    if (id <= 0 || !Catalogue(data).item(id, &item) || item.code.trimmed().isEmpty())
        return false;
    auto *viewPrice = codes->findChild<QCheckBox *>(QStringLiteral("R1Chk"));
    static const QLocale numbers(QLocale::English);
    // The price as the item card shows it.
    const QString price =
        !viewPrice || viewPrice->isChecked() ? numbers.toString(item.rate, 'f', 2) : QString();
    *code = item.code.trimmed();
    *lower =
        Labels::lowerText(item.description.trimmed(), price, rate->isChecked(), desc->isChecked());
    return true;
}

} // namespace

TBarForm *installBarcodeLabels(TStoreForm &window)
{
    if (auto *present = window.findChild<TBarForm *>())
        return present;
    auto *form = new TBarForm(&window);
    form->setWindowFlag(Qt::Window);

    if (TUsersForm *users = window.usersForm())
        QObject::connect(users, &TUsersForm::printPasswordRequested, form,
                         [form](const QString &password) { form->showForPassword(password); });

    QWidget *codesPage = window.page(StorePages::ItemCode);
    auto *codes = codesPage ? codesPage->findChild<CataloguePage *>() : nullptr;
    auto *grid = codes ? codes->findChild<QTableView *>(QStringLiteral("CodeGRD1")) : nullptr;
    auto *after =
        codes ? codes->findChild<QPushButton *>(QStringLiteral("ToExcelItemBtn")) : nullptr;
    if (!grid || !after)
        return form;
    int at = -1;
    if (!LayoutPlace::holding(codes, after, &at))
        return form;
    QWidget *parent = after->parentWidget();
    auto *rate = new QCheckBox(parent);
    rate->setObjectName(QStringLiteral("RateInBarChk"));
    auto *desc = new QCheckBox(parent);
    desc->setObjectName(QStringLiteral("DesInBarChk"));
    auto *button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("BarCodeBtn"));
    new LabelControls(button, rate, desc);
    LayoutPlace::after(codes, after, {button, rate, desc});

    TDataFormSQL &data = window.data();
    CatalogueModel *model = codes->model();
    // Enabled while there are items and the current one has a code.
    auto follow = [button, model, grid] {
        const CatalogueRow *r = model->rowAt(grid->currentIndex().row());
        button->setEnabled(model->rowCount() > 0 && r && !r->code.trimmed().isEmpty());
    };
    QObject::connect(model, &CatalogueModel::countChanged, button, follow);
    QObject::connect(model, &QAbstractItemModel::modelReset, button, follow);
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, button,
                     follow);
    follow();

    QObject::connect(button, &QPushButton::clicked, form, [&data, codes, rate, desc, form] {
        QString code, lower;
        if (currentLabel(data, codes, rate, desc, &code, &lower))
            form->showForItem(code, lower);
    });
    // While it is open for an item, the label follows the current item.
    auto refresh = [&data, codes, rate, desc, form] {
        QString code, lower;
        if (form->isVisible() && form->isItemMode()
            && currentLabel(data, codes, rate, desc, &code, &lower))
            form->setItem(code, lower);
    };
    QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, form,
                     refresh);
    QObject::connect(rate, &QCheckBox::toggled, form, refresh);
    QObject::connect(desc, &QCheckBox::toggled, form, refresh);
    return form;
}
