#!/usr/bin/env python3
"""Fills the Arabic translations of translations/qarvel_ar.ts from the table below.
Messages already translated are kept; unknown ones are listed."""
import sys
import xml.etree.ElementTree as ET

PAGE = "page caption"
# (context or None, source, comment or None) -> Arabic
T = {
    # pages
    (None, "POS", PAGE): "نقطة بيع",
    (None, "&Invoices", PAGE): "فواتير",
    (None, "S&tatistics", PAGE): "إح&صائيات",
    (None, "&Codes", PAGE): "الترامي&ز",
    (None, "&Stock", PAGE): "الم&خزن",
    (None, "&About", PAGE): "&حول البرنامج",
    (None, "Pa&yment Voucher", PAGE): "سندات ال&صرف",
    (None, "Cre&dit Voucher", PAGE): "سندات ال&قبض",
    (None, "Opening Entries", PAGE): "الذمم ال&قديمة",
    (None, "&Employees", PAGE): "المو&ظفون",
    (None, "&Names/Accounts", PAGE): "&الأسماء/الحسابات",
    (None, "Cas&h", PAGE): "الصندوق",
    (None, "De&bit", PAGE): "الذمم",
    (None, "Preparation", PAGE): "تجهيز",
    (None, "Claim", PAGE): "Claim مرتجع مزدوج",
    # actions
    (None, "Sales Invoice", None): "فاتورة مبيعات",
    (None, "Price List", None): "عرض أسعار",
    (None, "Returns To Us", None): "مرتجع إلينا",
    (None, "Returns From Us", None): "مرتجع منا",
    (None, "Purchase Invoice", None): "فاتورة مشتريات",
    (None, "Manufacturing", None): "تصنيع",
    (None, "Statistics", None): "إحصائيات",
    (None, "Codes", None): "الترميز",
    (None, "Stock", None): "المخزن",
    (None, "About", None): "حول البرنامج",
    (None, "Program Options", None): "خيارات البرنامج",
    (None, "Payment Voucher", None): "سند صرف",
    (None, "Credit Voucher", None): "سند قبض",
    (None, "Opening Entries", None): "الذمم القديمة",
    (None, "Employees", None): "الموظفون",
    (None, "Names/Accounts", None): "الأسماء/الحسابات",
    (None, "Cash", None): "الصندوق",
    (None, "Debit", None): "الذمم",
    (None, "Preparation", None): "تجهيز",
    (None, "Today's Cash", None): "صندوق اليوم",
    (None, "Copy Lines", None): "نسخ الأسطر",
    (None, "Paste Lines", None): "لصق الأسطر",
    (None, "Copy Lines to File", None): "نسخ الأسطر إلى ملف",
    (None, "Paste Lines from File", None): "لصق الأسطر من ملف",
    (None, "Calculator", None): "الآلة الحاسبة",
    (None, "Backup", None): "نسخ احتياطي",
    (None, "Restore", None): "استعادة نسخة احتياطية",
    (None, "Change Colour", None): "تغيير اللون",
    (None, "Change Font", None): "تغيير الخط",
    (None, "Change Main Font", None): "تغيير الخط الرئيسي",
    (None, "Default Colour", None): "اللون الافتراضي",
    (None, "Diary", None): "المفكرة",
    (None, "Monthly Table", None): "الجدول الشهري",
    (None, "Zakah", None): "الزكاة",
    (None, "Change Cash State", None): "تغيير حالة النقد",
    (None, "Divide Profit to Partners", None): "توزيع الأرباح على الشركاء",
    (None, "Users", None): "مستخدمو النظام",
    (None, "Logout", None): "تسجيل الخروج",
    (None, "Change Password", None): "تغيير كلمة المرور",
    (None, "Print", None): "طباعة",
    (None, "Main Company", None): "رئيسي",
    (None, "Branch", None): "فرع",
    (None, "Transport", None): "نقل",
    (None, "Flats", None): "شقق سكنية",
    (None, "Garage", None): "كراج",
    (None, "Help Contents", None): "محتويات المساعدة",
    # menus
    (None, "&View", None): "&عرض",
    (None, "Invoices", None): "فواتير",
    (None, "Vouchers", None): "سندات",
    (None, "Exit and Shut Down the Computer", None): "خروج وايقاف تشغيل وندوز",
    (None, "Exit", None): "خروج",
    (None, "Edit", None): "تحرير",
    (None, "Options", None): "خيارات",
    (None, "Services", None): "خدمات",
    (None, "Language", None): "اللغة",
    (None, "Arabic", None): "عربي",
    (None, "English", None): "انجليزي",
    (None, "Vehicle Returns", None): "مردود السيارات",
    (None, "Lock", None): "قفل",
    (None, "Other", None): "أخرى",
    (None, "SQL (Free Reports)", None): "SQL( تقارير حرة)",
    (None, "Help", None): "مساعدة",
    # main window
    (None, "Use [ENTER] to add item, [Ctrl]+[Del] to Delete Record", None):
        " [ENTER] لإضافة عنصر  ,   [Ctrl]+[Del]لحذف عنصر",
    (None, "It is new Version, You must Maitain DB, Do you like to do that now?", None):
        "يبدو أن هذه نسخة جديدة،يجب صيانة قاعدة البيانات، هل تريد صيانة قاعدة البيانات الآن؟",
    (None, "The database maintenance failed:\n%1", None): "فشلت صيانة قاعدة البيانات:\n%1",
    (None, "       User: ", None): "       المستخدم الحالي: ",
    (None, "Are You Sure To EXIT program?", None): "هل أنت متأكد أنك تريد الخروج من البرنامج؟ــ",
    (None, "The program could not be started again. Please start it yourself.", None):
        "تعذر إعادة تشغيل البرنامج. يرجى تشغيله يدوياً.",
    (None, "&LogIn", None): "&دخول",
    (None, "unknown failure", None): "خطأ غير معروف",
    # top bar, about page
    (None, "Switch the interface language", None): "تبديل لغة الواجهة",
    (None, "Logout Ctrl+F1", None): "تسجيل الخروج Ctrl+F1",
    (None, "Working Year", None): "سنة العمل",
    (None, "Version %1", None): "الإصدار %1",
    (None, "Shut the computer down after the backup", None): "ايقاف تشغيل وندوز بعد عملية النسخ الاحتياطي",
    # login window
    (None, "Login", None): "دخول",
    (None, "Username", None): "اسم المستخدم",
    (None, "Password", None): "كلمة المرور",
    (None, "Error in DB or Log in as Admin, or No admin was added, may be you need to Add name and make it Admin", None):
        "  خطأ في البيانات أو دخول تلقائي كمدير نظام لأنه لا يوجد مدير نظام حتى الآن يجب إضافة اسم ومن ثم إضافته كمدير نظام",
    (None, "Add ADMIN", None): "إضافة مدير",
    (None, "Restore DB from (.BAK) File", None): "استعادة من ملف (.BAK)",
    (None, "DB Options", None): "خيارات قاعدة البيانات",
    # database options
    (None, "Database Options", None): "خيارات قاعدة البيانات",
    (None, "Server/Server IP", None): "الخادم/عنوان الخادم",
    (None, "User Name", None): "اسم المستخدم",
    (None, "DB Name", None): "اسم قاعدة البيانات",
    (None, "Backup Time Delay/ Seconds", None): "مهلة النسخ الاحتياطي/ ثوان",
    (None, "Change Options", None): "تغيير الخيارات",
    (None, "Save Changes", None): "حفظ التغييرات",
    (None, "Close", None): "إغلاق",
    (None, "The database settings could not be saved to %1:\n%2", None):
        "تعذر حفظ إعدادات قاعدة البيانات في %1:\n%2",
    # data module and below
    ("StartupOpen", "SQL Server Error OR Database is not exists:", None):
        "SQL Server Error OR Database is not exists:",  # shown as it stands in both languages
    (None, "A new year database %1 was created in %2", None): "تم إنشاء قاعدة بيانات السنة %1 في %2",
    (None, "data folder %1", None): "مجلد البيانات %1",
    (None, "Data Maintenance: %1", None): "صيانة قاعدة البيانات: %1",
    (None, "Database does not exist: %1", None): "قاعدة البيانات غير موجودة: %1",
    (None, "Wait DB Open %1", None): "انتظر فتح قاعدة البيانات %1",
    (None, "No database is open", None): "لا توجد قاعدة بيانات مفتوحة",
    (None, "The data folder does not exist: %1", None): "مجلد البيانات غير موجود: %1",
    (None, "Not a valid database name: %1", None): "اسم قاعدة بيانات غير صالح: %1",
    (None, "The database exists already: %1", None): "قاعدة البيانات موجودة مسبقاً: %1",
    (None, "Cannot create the data folder: %1", None): "تعذر إنشاء مجلد البيانات: %1",
    (None, "Cannot create the file %1", None): "تعذر إنشاء الملف %1",
    (None, "You can change only the current year data!!!", None): "لا يمكنك أن تغير إلا بيانات السنة الحالية فقط!!!",
    # single texts, shown as they stand in both languages
    (None, "Password required 3 times to Edit", None): "Password required 3 times to Edit",
    (None, "Error in Loading Options-Load Options", None): "Error in Loading Options-Load Options",
    (None, "The settings could not be saved: %1\n%2", None): "تعذر حفظ الإعدادات: %1\n%2",
}


def load_tables(folder):
    """Adds the rows of translations/ar/*.tsv: context, source, comment, Arabic,
    separated by tabs; an empty context or comment matches any; \\n and \\t
    stand for a line feed and a tab."""
    import glob
    import os
    def unescape(text):
        return text.replace("\\n", "\n").replace("\\t", "\t")
    for name in sorted(glob.glob(os.path.join(folder, "*.tsv"))):
        with open(name, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                parts = line.split("\t")
                if len(parts) != 4:
                    print(f"{name}:{number}: expected 4 columns", file=sys.stderr)
                    continue
                ctx, src, comment, arabic = (unescape(p) for p in parts)
                T[(ctx or None, src, comment or None)] = arabic


def lookup(ctx, src, comment):
    for key in ((ctx, src, comment), (None, src, comment), (ctx, src, None), (None, src, None)):
        if key in T:
            return T[key]
    return None


def main(path):
    tree = ET.parse(path)
    missing = []
    for c in tree.getroot().findall("context"):
        ctx = c.find("name").text
        for m in c.findall("message"):
            src = m.find("source").text or ""
            cm = m.find("comment")
            comment = cm.text if cm is not None else None
            tr = m.find("translation")
            arabic = lookup(ctx, src, comment)
            if arabic is None:
                if tr is None or not (tr.text or "").strip() or tr.get("type") == "unfinished":
                    missing.append(f"{ctx}: {src!r}")
                continue
            if tr is None:
                tr = ET.SubElement(m, "translation")
            tr.text = arabic
            tr.attrib.pop("type", None)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    with open(path, "r+", encoding="utf-8") as f:
        text = f.read().replace("<?xml version='1.0' encoding='utf-8'?>",
                                '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>', 1)
        f.seek(0)
        f.write(text)
        f.truncate()
    for line in missing:
        print("untranslated:", line)
    return 1 if missing else 0


if __name__ == "__main__":
    import os
    load_tables(os.path.join(os.path.dirname(os.path.abspath(__file__)), "ar"))
    sys.exit(main(sys.argv[1]))
