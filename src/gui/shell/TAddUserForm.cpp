#include "TAddUserForm.h"

#include "MsgBox.h"
#include "UserTexts.h"
#include "data/TDataFormSQL.h"
#include "ui_TAddUserForm.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSqlQuery>

namespace {

constexpr int kNoneStyle = 5;

void check(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id))
        button->setChecked(true);
    else if (QAbstractButton *first = group->button(0))
        first->setChecked(true);
}

} // namespace

TAddUserForm::TAddUserForm(TDataFormSQL &data, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
    , m_data(data)
    , m_ui(std::make_unique<Ui::TAddUserForm>())
{
    m_ui->setupUi(this);
    m_kind = addChoices(m_ui->UKindRG, QStringLiteral("UKind"), int(UserTexts::kinds().size()));
    m_lang = addChoices(m_ui->LangRG, QStringLiteral("Lang"), int(UserTexts::languages().size()));
    m_input = addChoices(m_ui->KbBarcodeRG, QStringLiteral("KbBarcode"), int(UserTexts::inputs().size()));
    m_style = addChoices(m_ui->TabShowRG, QStringLiteral("TabShow"), int(UserTexts::pageStyles().size()));
    retranslate();

    connect(m_kind, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            kindChanged(id);
    });
    connect(m_ui->ChangePassChk, &QCheckBox::toggled, m_ui->PassEd, &QWidget::setEnabled);
    connect(m_ui->ChangePassChk, &QCheckBox::toggled, m_ui->Pass2Ed, &QWidget::setEnabled);
    connect(m_ui->AddNameBtn, &QPushButton::clicked, this, &TAddUserForm::AddNameBtnClick);
    connect(m_ui->SaveBtn, &QPushButton::clicked, this, &TAddUserForm::SaveBtnClick);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TAddUserForm::~TAddUserForm() = default;

QString TAddUserForm::nameTakenMessage()
{
    return QStringLiteral("اسم المستخدم موجود مسبقاً");
}

QString TAddUserForm::badDataMessage()
{
    return QStringLiteral("خطأ في البيانات المدخلة");
}

QButtonGroup *TAddUserForm::addChoices(QGroupBox *box, const QString &prefix, int count)
{
    auto *group = new QButtonGroup(box);
    group->setObjectName(prefix + QStringLiteral("Group"));
    for (int i = 0; i < count; ++i) {
        auto *radio = new QRadioButton(box);
        radio->setObjectName(prefix + QString::number(i));
        box->layout()->addWidget(radio);
        group->addButton(radio, i);
    }
    return group;
}

void TAddUserForm::retranslate()
{
    m_ui->retranslateUi(this);
    setWindowTitle(m_new ? tr("Add New User") : tr("Edit User"));
    const auto caption = [](QButtonGroup *group, const QStringList &texts) {
        for (int i = 0; i < texts.size(); ++i)
            if (QAbstractButton *button = group->button(i))
                button->setText(texts.at(i));
    };
    caption(m_kind, UserTexts::kinds());
    caption(m_lang, UserTexts::languages());
    caption(m_input, UserTexts::inputs());
    caption(m_style, UserTexts::pageStyles());
}

int TAddUserForm::kind() const
{
    return m_kind->checkedId() < 0 ? int(Users::Normal) : m_kind->checkedId();
}

void TAddUserForm::openNew(const QVector<bool> &rights, bool firstAdministrator)
{
    Users::User user;
    user.UKind = Users::Administrator;
    m_rights = rights;
    prepare(user, true);
    m_ui->UKindRG->setEnabled(!firstAdministrator);
    show();
    raise();
    activateWindow();
    m_ui->UserCB->setFocus();
}

void TAddUserForm::openEdit(const Users::User &user, const QVector<bool> &rights)
{
    m_rights = rights;
    prepare(user, false);
    m_ui->UKindRG->setEnabled(true);
    show();
    raise();
    activateWindow();
}

void TAddUserForm::prepare(const Users::User &user, bool isNew)
{
    m_user = user;
    m_new = isNew;
    m_rights.resize(Users::kPageCount);
    m_savedUid = 0;
    setWindowTitle(m_new ? tr("Add New User") : tr("Edit User"));

    fillAccounts(user.EID, user.AName);
    m_ui->UNameEd->setText(user.UName);
    m_ui->UserCB->setEnabled(isNew);
    m_ui->AddNameBtn->setEnabled(isNew);
    m_ui->UNameEd->setEnabled(isNew);
    m_ui->NoChangeLB->setVisible(!isNew);

    check(m_kind, user.UKind);
    check(m_lang, user.Lang);
    check(m_input, user.KbBarcode);
    check(m_style, user.TabShow);
    m_ui->QkbChk->setChecked(user.Qkb);
    m_ui->CouponChk->setChecked(user.Coupon);
    kindChanged(kind());

    m_ui->ChangePassChk->setChecked(isNew);
    m_ui->PassEd->setEnabled(isNew);
    m_ui->Pass2Ed->setEnabled(isNew);
    m_ui->PassEd->clear();
    m_ui->Pass2Ed->clear();
}

void TAddUserForm::fillAccounts(int selectId, const QString &fallbackName)
{
    QComboBox *box = m_ui->UserCB;
    box->clear();
    bool ok = false;
    // The system accounts (1 to 3) are nobody's.
    QSqlQuery q = m_data.exec(
        QStringLiteral(R"(SELECT "ID", "AName" FROM "Address" WHERE "ID" > 3 ORDER BY "AName", "ID")"), {}, &ok);
    if (!ok)
        MsgBox::error(this, tr("The accounts could not be read:\n%1").arg(m_data.lastErrorText()));
    while (ok && q.next())
        box->addItem(q.value(1).toString(), q.value(0).toInt());
    if (selectId > 0 && box->findData(selectId) < 0)
        box->addItem(fallbackName, selectId);
    box->setCurrentIndex(selectId > 0 ? box->findData(selectId) : -1);
}

void TAddUserForm::kindChanged(int kind)
{
    const bool pos = kind == Users::PointOfSale;
    m_ui->QkbChk->setVisible(pos);
    if (pos)
        check(m_style, kNoneStyle);
    m_ui->TabShowRG->setEnabled(!pos);
}

void TAddUserForm::AddNameBtnClick()
{
    bool ok = false;
    const QString name = MsgBox::inputText(this, QStringLiteral("اسم جديد"),
                                           QStringLiteral("أدخل اسماً جديداً(حساب)ـ"), QLineEdit::Normal,
                                           QString(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    if (!m_data.DoSqlNEW(QStringLiteral(R"(INSERT INTO "Address" ("AName") VALUES (?))"), {name})) {
        MsgBox::error(this, tr("The account could not be added:\n%1").arg(m_data.lastErrorText()));
        return;
    }
    const int id =
        m_data.scalar(QStringLiteral(R"(SELECT max("ID") FROM "Address" WHERE "AName" = ?)"), {name}).toInt();
    fillAccounts(id, name);
}

void TAddUserForm::SaveBtnClick()
{
    const QString loginName = m_ui->UNameEd->text();
    if (m_new && Users::loginNameTaken(m_data, loginName)) {
        MsgBox::error(this, nameTakenMessage());
        return;
    }
    const bool setPassword = m_ui->ChangePassChk->isChecked();
    const QString password = m_ui->PassEd->text();
    const int eid = m_ui->UserCB->currentData().toInt();
    const bool passwordOk = !setPassword || (!password.isEmpty() && password == m_ui->Pass2Ed->text());
    if (!passwordOk || loginName.trimmed().isEmpty() || eid <= 0) {
        MsgBox::error(this, badDataMessage());
        return;
    }

    Users::User user = m_user;
    user.EID = eid;
    user.AName = m_ui->UserCB->currentText();
    user.UName = loginName;
    user.UKind = kind();
    user.Lang = std::max(0, m_lang->checkedId());
    user.KbBarcode = std::max(0, m_input->checkedId());
    user.TabShow = std::max(0, m_style->checkedId());
    user.Qkb = user.UKind == Users::PointOfSale && m_ui->QkbChk->isChecked();
    user.Coupon = m_ui->CouponChk->isChecked();
    user.password = password;
    user.options = Users::buildRights(m_rights, user.UKind);

    QString error;
    const int uid = Users::save(m_data, user, setPassword, &error);
    if (uid == 0) {
        MsgBox::error(this, tr("The user could not be saved:\n%1").arg(error));
        return;
    }
    m_savedUid = uid;
    m_ui->PassEd->clear();
    m_ui->Pass2Ed->clear();
    emit saved(uid);
    accept();
}

void TAddUserForm::done(int result)
{
    const bool wasShown = isVisible();
    QDialog::done(result);
    if (wasShown)
        emit closed();
}

void TAddUserForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
