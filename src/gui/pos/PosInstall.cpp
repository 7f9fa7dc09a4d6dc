#include "PosInstall.h"

#include "CustomerDisplay.h"
#include "PosPage.h"
#include "TCusomerLCDForm.h"
#include "TQKBForm.h"
#include "shell/AppState.h"
#include "shell/StorePages.h"
#include "shell/TranslatedButton.h"
#include "shell/TStoreForm.h"
#include "shell/Users.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QVBoxLayout>

void installPosPage(TStoreForm &window)
{
    auto *display = new CustomerDisplay(&window);
    display->setObjectName(QStringLiteral("CustomerDisplay"));
    display->configure(CustomerDisplay::configFromOptions());

    QWidget *page = window.page(StorePages::POS);
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    if (!layout) {
        layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    auto *pos = new PosPage(window, *display, page);
    layout->addWidget(pos);
    window.setPageWork(StorePages::POS, [pos] { pos->enterPage(); });

    auto *qkb = new TQKBForm(window, *pos, &window);
    qkb->hide();
    pos->setQuickKeyboard(qkb);

    auto *lcd = new TCusomerLCDForm(window.data(), &window);
    lcd->hide();

    // The print action on the sale screen prints the bill.
    window.setPagePrint(StorePages::POS, [pos] {
        if (pos->isVisible())
            pos->PrintBillActionExecute();
    });

    QObject::connect(&window, &TStoreForm::optionsApplied, display, [display, lcd] {
        display->configure(CustomerDisplay::configFromOptions());
        lcd->refreshMenu();
    });
    QObject::connect(&window, &TStoreForm::startupFinished, display, [display, lcd](bool) {
        display->configure(CustomerDisplay::configFromOptions());
        display->SendLineToDisplay(QStringLiteral("Welcome"));
        lcd->refreshMenu();
        lcd->placeOnScreens();
    });

    // The start page's OK button, shown (as default button) to a
    // point-of-sale user only.
    QWidget *about = window.page(StorePages::About);
    // The OK button of the start page that leads a point-of-sale user to the
    // sale screen.
    auto *ok = new TranslatedButton(QStringLiteral("POSOkBtn"), "PosPage",
                                    QT_TRANSLATE_NOOP("PosPage", "OK"), nullptr, about);
    ok->hide();
    if (auto *aboutLayout = qobject_cast<QBoxLayout *>(about->layout()))
        aboutLayout->addWidget(ok, 0, Qt::AlignHCenter);
    QObject::connect(ok, &QPushButton::clicked, pos, [ok, pos] {
        ok->setDefault(false);
        pos->POSOkBtnClick();
    });
    window.addAdvancedControl([ok, pos, qkb, &window](bool loggedIn) {
        if (!loggedIn) {
            qkb->hide();
            pos->sessionEnded();
        }
        const bool posUser = loggedIn && appState().CurUID != 0 && appState().CurUKind == Users::PointOfSale;
        ok->setVisible(posUser);
        ok->setDefault(posUser);
        // A quick-key cashier starts on the quick keyboard.
        if (posUser && window.currentUser().Qkb)
            pos->kbBtnClick();
    });
}
