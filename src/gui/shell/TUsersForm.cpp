#include "TUsersForm.h"

#include "MsgBox.h"
#include "StorePages.h"
#include "UserTexts.h"
#include "ui_TUsersForm.h"

#include <QListWidget>
#include <QTableWidget>

TUsersForm::TUsersForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_ui(std::make_unique<Ui::TUsersForm>())
{
    m_ui->setupUi(this);
    fillRights();
    connect(m_ui->UsersGrd, &QTableWidget::itemSelectionChanged, this,
            [this] { showUser(m_ui->UsersGrd->currentRow()); });
    connect(m_ui->RightsList, &QListWidget::itemChanged, this, &TUsersForm::RightsListChange);
    connect(m_ui->AddBtn, &QPushButton::clicked, this, [this] { emit addRequested(checkedPages()); });
    connect(m_ui->EditBtn, &QPushButton::clicked, this, [this] {
        if (const std::optional<Users::User> user = currentUser())
            emit editRequested(*user, checkedPages());
    });
    connect(m_ui->DelBtn, &QPushButton::clicked, this, &TUsersForm::DelBtnClick);
    connect(m_ui->PrintPassBtn, &QPushButton::clicked, this, [this] {
        // A damaged stored password gives no barcode.
        if (const auto user = currentUser(); user && user->passwordReadable)
            emit printPasswordRequested(user->password);
    });
    connect(m_ui->CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TUsersForm::~TUsersForm() = default;

QString TUsersForm::deleteQuestion(const QString &name)
{
    return QStringLiteral("هل أنت متأكد من حذف المستخدم") + name + QStringLiteral("ـ");
}

void TUsersForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fillRights();
    reload();
}

void TUsersForm::fillRights()
{
    // Every page ticked; the about page cannot be taken away.
    m_loading = true;
    QListWidget *list = m_ui->RightsList;
    if (list->count() != Users::kPageCount) {
        list->clear();
        for (int i = 0; i < Users::kPageCount; ++i)
            list->addItem(new QListWidgetItem(list));
    }
    for (int i = 0; i < Users::kPageCount; ++i) {
        QListWidgetItem *item = list->item(i);
        item->setFlags(i == Users::kAboutPage ? Qt::ItemFlags() : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    captionRights();
    m_loading = false;
}

void TUsersForm::captionRights()
{
    const bool loading = m_loading;
    m_loading = true;
    for (int i = 0; i < m_ui->RightsList->count(); ++i)
        m_ui->RightsList->item(i)->setText(UserTexts::plainCaption(StorePages::caption(i)));
    m_loading = loading;
}

void TUsersForm::reload(int selectUid)
{
    QTableWidget *grid = m_ui->UsersGrd;
    const int previousRow = grid->currentRow();
    if (selectUid == 0)
        if (const std::optional<Users::User> user = currentUser())
            selectUid = user->UID;

    m_users = Users::all(m_data);
    const QSignalBlocker block(grid);
    grid->clearContents();
    grid->setRowCount(int(m_users.size()));
    int row = -1;
    for (int i = 0; i < m_users.size(); ++i) {
        const Users::User &user = m_users.at(i);
        grid->setItem(i, 0, new QTableWidgetItem(user.UName));
        grid->setItem(i, 1, new QTableWidgetItem(UserTexts::yesNo(user.UKind == Users::Administrator)));
        if (user.UID == selectUid)
            row = i;
    }
    if (row < 0 && !m_users.isEmpty())
        row = std::clamp(previousRow, 0, int(m_users.size()) - 1);
    if (row >= 0)
        grid->selectRow(row);
    showUser(row);
}

std::optional<Users::User> TUsersForm::currentUser() const
{
    const int row = m_ui->UsersGrd->currentRow();
    if (row < 0 || row >= m_users.size() || !m_ui->UsersGrd->item(row, 0)
        || !m_ui->UsersGrd->item(row, 0)->isSelected())
        return std::nullopt;
    return m_users.at(row);
}

void TUsersForm::selectUser(int uid)
{
    for (int i = 0; i < m_users.size(); ++i)
        if (m_users.at(i).UID == uid)
            m_ui->UsersGrd->selectRow(i);
}

QVector<bool> TUsersForm::checkedPages() const
{
    QVector<bool> pages(Users::kPageCount, false);
    for (int i = 0; i < Users::kPageCount && i < m_ui->RightsList->count(); ++i)
        pages[i] = m_ui->RightsList->item(i)->checkState() == Qt::Checked;
    return pages;
}

void TUsersForm::showUser(int row)
{
    const bool valid = row >= 0 && row < m_users.size();
    m_ui->EditBtn->setEnabled(valid);
    m_ui->DelBtn->setEnabled(valid);
    m_ui->PrintPassBtn->setEnabled(valid);
    if (!valid) {
        m_ui->ANameLB->clear();
        m_ui->KindView->clear();
        m_ui->LangView->clear();
        m_ui->KbBarcodeView->clear();
        m_ui->TabShowView->clear();
        m_ui->QkbView->setChecked(false);
        m_ui->CouponView->setChecked(false);
        return;
    }
    const Users::User &user = m_users.at(row);
    const bool admin = user.UKind == Users::Administrator;
    const bool pos = user.UKind == Users::PointOfSale;

    // An administrator has every page, a point-of-sale user the sale page
    // only; neither list can be changed.
    QVector<bool> pages = Users::parseRights(user.options);
    if (admin)
        pages.fill(true);
    else if (pos)
        for (int i = 0; i < pages.size(); ++i)
            pages[i] = i == Users::kPosPage;
    m_loading = true;
    for (int i = 0; i < Users::kPageCount && i < m_ui->RightsList->count(); ++i) {
        QListWidgetItem *item = m_ui->RightsList->item(i);
        const bool locked = admin || pos || i == Users::kAboutPage;
        item->setFlags(locked ? Qt::ItemFlags() : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(pages.value(i) ? Qt::Checked : Qt::Unchecked);
    }
    m_loading = false;

    m_ui->ANameLB->setText(user.AName);
    m_ui->KindView->setText(UserTexts::caption(UserTexts::kinds(), user.UKind));
    m_ui->LangView->setText(UserTexts::caption(UserTexts::languages(), user.Lang));
    m_ui->KbBarcodeView->setText(UserTexts::caption(UserTexts::inputs(), user.KbBarcode));
    m_ui->TabShowView->setText(UserTexts::caption(UserTexts::pageStyles(), pos ? 5 : user.TabShow));
    m_ui->QkbView->setChecked(user.Qkb);
    m_ui->CouponView->setChecked(user.Coupon);
}

void TUsersForm::RightsListChange(QListWidgetItem *item)
{
    Q_UNUSED(item)
    if (m_loading)
        return;
    const std::optional<Users::User> user = currentUser();
    if (!user)
        return;
    QString error;
    if (!Users::setRights(m_data, user->UID, Users::buildRights(checkedPages(), user->UKind), &error))
        MsgBox::error(this, tr("The rights could not be saved:\n%1").arg(error));
    reload(user->UID);
}

void TUsersForm::DelBtnClick()
{
    const std::optional<Users::User> user = currentUser();
    if (!user || !MsgBox::confirm(this, deleteQuestion(user->UName), QMessageBox::No))
        return;
    QString error;
    if (!Users::remove(m_data, user->UID, &error))
        MsgBox::error(this, tr("The user could not be deleted:\n%1").arg(error));
    reload(-1);
}

void TUsersForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        captionRights();
        showUser(m_ui->UsersGrd->currentRow());
    }
    QDialog::changeEvent(event);
}
