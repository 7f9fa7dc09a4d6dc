<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AboutPage</name>
    <message>
        <location filename="../src/gui/shell/AboutPage.cpp" line="62" />
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/AboutPage.cpp" line="64" />
        <source>Switch the interface language</source>
        <translation>تبديل لغة الواجهة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/AboutPage.cpp" line="65" />
        <source>Shut the computer down after the backup</source>
        <translation>ايقاف تشغيل وندوز بعد عملية النسخ الاحتياطي</translation>
    </message>
</context>
<context>
    <name>ChangeGuard</name>
    <message>
        <location filename="../src/core/shell/ChangeGuard.cpp" line="12" />
        <source>You can change only the current year data!!!</source>
        <translation>لا يمكنك أن تغير إلا بيانات السنة الحالية فقط!!!</translation>
    </message>
    <message>
        <location filename="../src/core/shell/ChangeGuard.cpp" line="22" />
        <source>Password required 3 times to Edit</source>
        <translation>Password required 3 times to Edit</translation>
    </message>
</context>
<context>
    <name>ConnectionParams</name>
    <message>
        <location filename="../src/core/data/DbEngine.cpp" line="9" />
        <source>data folder %1</source>
        <translation>مجلد البيانات %1</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../src/core/shell/Options.cpp" line="181" />
        <source>Error in Loading Options-Load Options</source>
        <translation>Error in Loading Options-Load Options</translation>
    </message>
    <message>
        <location filename="../src/core/shell/Options.cpp" line="224" />
        <source>The settings could not be saved: %1
%2</source>
        <translation>تعذر حفظ الإعدادات: %1
%2</translation>
    </message>
</context>
<context>
    <name>PageDispatch</name>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="85" />
        <source>unknown failure</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <location filename="../src/core/data/SchemaUpgrade.cpp" line="456" />
        <source>Data Maintenance: %1</source>
        <translation>صيانة قاعدة البيانات: %1</translation>
    </message>
</context>
<context>
    <name>StartupOpen</name>
    <message>
        <location filename="../src/core/data/StartupOpen.cpp" line="73" />
        <source>A new year database %1 was created in %2</source>
        <translation>تم إنشاء قاعدة بيانات السنة %1 في %2</translation>
    </message>
    <message>
        <location filename="../src/core/data/StartupOpen.cpp" line="79" />
        <source>SQL Server Error OR Database is not exists:</source>
        <translation>SQL Server Error OR Database is not exists:</translation>
    </message>
</context>
<context>
    <name>StoreTopBar</name>
    <message>
        <location filename="../src/gui/shell/StoreTopBar.cpp" line="67" />
        <source>Switch the interface language</source>
        <translation>تبديل لغة الواجهة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreTopBar.cpp" line="68" />
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreTopBar.cpp" line="69" />
        <source>Logout Ctrl+F1</source>
        <translation>تسجيل الخروج Ctrl+F1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreTopBar.cpp" line="70" />
        <source>Working Year</source>
        <translation>سنة العمل</translation>
    </message>
</context>
<context>
    <name>TDataFormSQL</name>
    <message>
        <location filename="../src/core/data/TDataFormSQL.cpp" line="69" />
        <source>Database does not exist: %1</source>
        <translation>قاعدة البيانات غير موجودة: %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/TDataFormSQL.cpp" line="103" />
        <source>Wait DB Open %1</source>
        <translation>انتظر فتح قاعدة البيانات %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/TDataFormSQL.cpp" line="189" />
        <location filename="../src/core/data/TDataFormSQL.cpp" line="216" />
        <source>No database is open</source>
        <translation>لا توجد قاعدة بيانات مفتوحة</translation>
    </message>
</context>
<context>
    <name>TDbOptionsForm</name>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="14" />
        <source>Database Options</source>
        <translation>خيارات قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="22" />
        <source>Server/Server IP</source>
        <translation>الخادم/عنوان الخادم</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="35" />
        <source>User Name</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="48" />
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="71" />
        <source>DB Name</source>
        <translation>اسم قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="85" />
        <source>Backup Time Delay/ Seconds</source>
        <translation>مهلة النسخ الاحتياطي/ ثوان</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="115" />
        <source>Change Options</source>
        <translation>تغيير الخيارات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="122" />
        <source>Save Changes</source>
        <translation>حفظ التغييرات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.ui" line="129" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TDbOptionsForm.cpp" line="90" />
        <source>The database settings could not be saved to %1:
%2</source>
        <translation>تعذر حفظ إعدادات قاعدة البيانات في %1:
%2</translation>
    </message>
</context>
<context>
    <name>TLogInForm</name>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="20" />
        <location filename="../src/gui/shell/TLogInForm.ui" line="84" />
        <source>Login</source>
        <translation>دخول</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="47" />
        <source>Username</source>
        <translation>اسم المستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="64" />
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="103" />
        <source>Error in DB or Log in as Admin, or No admin was added, may be you need to Add name and make it Admin</source>
        <translation>  خطأ في البيانات أو دخول تلقائي كمدير نظام لأنه لا يوجد مدير نظام حتى الآن يجب إضافة اسم ومن ثم إضافته كمدير نظام</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="115" />
        <source>Add ADMIN</source>
        <translation>إضافة مدير</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="125" />
        <source>Restore DB from (.BAK) File</source>
        <translation>استعادة من ملف (.BAK)</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TLogInForm.ui" line="132" />
        <source>DB Options</source>
        <translation>خيارات قاعدة البيانات</translation>
    </message>
</context>
<context>
    <name>TStoreForm</name>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="26" />
        <source>Sales Invoice</source>
        <translation>فاتورة مبيعات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="27" />
        <source>Price List</source>
        <translation>عرض أسعار</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="28" />
        <source>Returns To Us</source>
        <translation>مرتجع إلينا</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="29" />
        <source>Returns From Us</source>
        <translation>مرتجع منا</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="30" />
        <source>Purchase Invoice</source>
        <translation>فاتورة مشتريات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="31" />
        <source>Manufacturing</source>
        <translation>تصنيع</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="32" />
        <source>Statistics</source>
        <translation>إحصائيات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="33" />
        <source>Codes</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="34" />
        <source>Stock</source>
        <translation>المخزن</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="35" />
        <source>About</source>
        <translation>حول البرنامج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="36" />
        <source>Program Options</source>
        <translation>خيارات البرنامج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="37" />
        <source>Payment Voucher</source>
        <translation>سند صرف</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="38" />
        <source>Credit Voucher</source>
        <translation>سند قبض</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="39" />
        <source>Opening Entries</source>
        <translation>الذمم القديمة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="40" />
        <source>Employees</source>
        <translation>الموظفون</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="41" />
        <source>Names/Accounts</source>
        <translation>الأسماء/الحسابات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="42" />
        <source>Cash</source>
        <translation>الصندوق</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="43" />
        <source>Debit</source>
        <translation>الذمم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="44" />
        <source>Preparation</source>
        <translation>تجهيز</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="45" />
        <source>Today's Cash</source>
        <translation>صندوق اليوم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="46" />
        <source>Copy Lines</source>
        <translation>نسخ الأسطر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="47" />
        <source>Paste Lines</source>
        <translation>لصق الأسطر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="48" />
        <source>Copy Lines to File</source>
        <translation>نسخ الأسطر إلى ملف</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="49" />
        <source>Paste Lines from File</source>
        <translation>لصق الأسطر من ملف</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="50" />
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="51" />
        <source>Backup</source>
        <translation>نسخ احتياطي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="52" />
        <source>Restore</source>
        <translation>استعادة نسخة احتياطية</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="53" />
        <source>Change Colour</source>
        <translation>تغيير اللون</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="54" />
        <source>Change Font</source>
        <translation>تغيير الخط</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="55" />
        <source>Change Main Font</source>
        <translation>تغيير الخط الرئيسي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="56" />
        <source>Default Colour</source>
        <translation>اللون الافتراضي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="57" />
        <source>Diary</source>
        <translation>المفكرة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="58" />
        <source>Monthly Table</source>
        <translation>الجدول الشهري</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="59" />
        <source>Zakah</source>
        <translation>الزكاة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="60" />
        <source>Change Cash State</source>
        <translation>تغيير حالة النقد</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="61" />
        <source>Divide Profit to Partners</source>
        <translation>توزيع الأرباح على الشركاء</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="62" />
        <source>Users</source>
        <translation>مستخدمو النظام</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="63" />
        <source>Logout</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="64" />
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="65" />
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="66" />
        <source>Main Company</source>
        <translation>رئيسي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="67" />
        <source>Branch</source>
        <translation>فرع</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="68" />
        <source>Transport</source>
        <translation>نقل</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="69" />
        <source>Flats</source>
        <translation>شقق سكنية</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="70" />
        <source>Garage</source>
        <translation>كراج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreActions.cpp" line="71" />
        <source>Help Contents</source>
        <translation>محتويات المساعدة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="17" />
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="18" />
        <source>Invoices</source>
        <translation>فواتير</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="21" />
        <source>Vouchers</source>
        <translation>سندات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="26" />
        <source>Exit and Shut Down the Computer</source>
        <translation>خروج وايقاف تشغيل وندوز</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="27" />
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="30" />
        <source>Edit</source>
        <translation>تحرير</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="33" />
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="37" />
        <source>Services</source>
        <translation>خدمات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="38" />
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="39" />
        <source>Arabic</source>
        <translation>عربي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="41" />
        <source>English</source>
        <translation>انجليزي</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="44" />
        <source>Vehicle Returns</source>
        <translation>مردود السيارات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="46" />
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="49" />
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="51" />
        <source>SQL (Free Reports)</source>
        <translation>SQL( تقارير حرة)</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreMenus.cpp" line="55" />
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="19" />
        <source>POS</source>
        <comment>page caption</comment>
        <translation>نقطة بيع</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="20" />
        <source>&amp;Invoices</source>
        <comment>page caption</comment>
        <translation>فواتير</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="21" />
        <source>S&amp;tatistics</source>
        <comment>page caption</comment>
        <translation>إح&amp;صائيات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="22" />
        <source>&amp;Codes</source>
        <comment>page caption</comment>
        <translation>الترامي&amp;ز</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="23" />
        <source>&amp;Stock</source>
        <comment>page caption</comment>
        <translation>الم&amp;خزن</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="24" />
        <source>&amp;About</source>
        <comment>page caption</comment>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="25" />
        <source>Pa&amp;yment Voucher</source>
        <comment>page caption</comment>
        <translation>سندات ال&amp;صرف</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="26" />
        <source>Cre&amp;dit Voucher</source>
        <comment>page caption</comment>
        <translation>سندات ال&amp;قبض</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="27" />
        <source>Opening Entries</source>
        <comment>page caption</comment>
        <translation>الذمم ال&amp;قديمة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="28" />
        <source>&amp;Employees</source>
        <comment>page caption</comment>
        <translation>المو&amp;ظفون</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="29" />
        <source>&amp;Names/Accounts</source>
        <comment>page caption</comment>
        <translation>&amp;الأسماء/الحسابات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="30" />
        <source>Cas&amp;h</source>
        <comment>page caption</comment>
        <translation>الصندوق</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="31" />
        <source>De&amp;bit</source>
        <comment>page caption</comment>
        <translation>الذمم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="32" />
        <source>Preparation</source>
        <comment>page caption</comment>
        <translation>تجهيز</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="33" />
        <source>Claim</source>
        <comment>page caption</comment>
        <translation>Claim مرتجع مزدوج</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StorePages.cpp" line="56" />
        <source>Use [ENTER] to add item, [Ctrl]+[Del] to Delete Record</source>
        <translation> [ENTER] لإضافة عنصر  ,   [Ctrl]+[Del]لحذف عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreStartup.cpp" line="125" />
        <source>It is new Version, You must Maitain DB, Do you like to do that now?</source>
        <translation>يبدو أن هذه نسخة جديدة،يجب صيانة قاعدة البيانات، هل تريد صيانة قاعدة البيانات الآن؟</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreStartup.cpp" line="132" />
        <source>The database maintenance failed:
%1</source>
        <translation>فشلت صيانة قاعدة البيانات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="343" />
        <source>       User: </source>
        <translation>       المستخدم الحالي: </translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="366" />
        <source>Are You Sure To EXIT program?</source>
        <translation>هل أنت متأكد أنك تريد الخروج من البرنامج؟ــ</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="400" />
        <source>The program could not be started again. Please start it yourself.</source>
        <translation>تعذر إعادة تشغيل البرنامج. يرجى تشغيله يدوياً.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="425" />
        <source>&amp;LogIn</source>
        <translation>&amp;دخول</translation>
    </message>
</context>
<context>
    <name>YearDatabases</name>
    <message>
        <location filename="../src/core/data/YearDatabases.cpp" line="98" />
        <source>The data folder does not exist: %1</source>
        <translation>مجلد البيانات غير موجود: %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/YearDatabases.cpp" line="181" />
        <source>Not a valid database name: %1</source>
        <translation>اسم قاعدة بيانات غير صالح: %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/YearDatabases.cpp" line="186" />
        <source>The database exists already: %1</source>
        <translation>قاعدة البيانات موجودة مسبقاً: %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/YearDatabases.cpp" line="197" />
        <source>Cannot create the data folder: %1</source>
        <translation>تعذر إنشاء مجلد البيانات: %1</translation>
    </message>
    <message>
        <location filename="../src/core/data/YearDatabases.cpp" line="247" />
        <source>Cannot create the file %1</source>
        <translation>تعذر إنشاء الملف %1</translation>
    </message>
</context>
</TS>