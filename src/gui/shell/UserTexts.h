#pragma once

#include <QString>
#include <QStringList>

// Captions of the per-user settings, shared by the users window and the
// add/edit window. Each list is in value order (the value stored in Users).
namespace UserTexts {

QStringList kinds();       // UKind 0..3
QStringList languages();   // Lang 0..2
QStringList inputs();      // KbBarcode 0..1
QStringList pageStyles();  // TabShow 0..5
QString caption(const QStringList &list, int value);

// Fixed captions of the users' windows.
QString quickKeyFlag();    // "POS, Q. Key, One Print"
QString couponFlag();      // "Coupon, Print 1 Item"
QString yesNo(bool yes);

// A page caption without its accelerator marks ("&Codes" -> "Codes").
QString plainCaption(const QString &caption);

} // namespace UserTexts
