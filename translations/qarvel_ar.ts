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
    <name>CatalogueModel</name>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="244" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="244" />
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="259" />
        <source>Item Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="260" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="261" />
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="262" />
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="263" />
        <source>ISize</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="264" />
        <source>Not Les than</source>
        <translation>الحد الأدنى</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="265" />
        <source>Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="266" />
        <source>IsService</source>
        <translation>خدمة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="267" />
        <source>OfCount</source>
        <translation>عدد الأجزاء</translation>
    </message>
</context>
<context>
    <name>CataloguePage</name>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="214" />
        <source>Item Codes Table</source>
        <translation>جدول العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="215" />
        <source>Item Card</source>
        <translation>بطاقة عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="216" />
        <location filename="../src/gui/items/CataloguePage.cpp" line="227" />
        <source>Item Kinds</source>
        <translation>أنواع العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="217" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="218" />
        <source>View Price</source>
        <translation>إظهار السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="219" />
        <source>New Item</source>
        <translation>إضافة عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="220" />
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="221" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="222" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="223" />
        <source>Copy to Excel</source>
        <translation>نسخ لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="224" />
        <source>Add Item Kind</source>
        <translation>إضافة نوع عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="225" />
        <source>Delete Item Kind</source>
        <translation>حذف نوع عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="226" />
        <source>Import Codes From All.txt</source>
        <translation>استيراد الترميزات من All.txt</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="227" />
        <source>Item Kind Id</source>
        <translation>رقم نوع العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="228" />
        <source>* Item Code</source>
        <translation>* الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="228" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="228" />
        <source>* Item Kind</source>
        <translation>* نوع العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="228" />
        <source>Sale Price</source>
        <translation>سعر البيع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="229" />
        <source>Min/stock</source>
        <translation>الحد الأدنى</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="229" />
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="229" />
        <source>Item Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="229" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="230" />
        <source>Is Service</source>
        <translation>خدمة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="230" />
        <source>Quick Key(1..24)</source>
        <translation>مفتاح سريع (1..24)</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="230" />
        <source>Part Of</source>
        <translation>جزء من</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="332" />
        <source>of</source>
        <translation>من</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="342" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="342" />
        <source>No</source>
        <translation>لا</translation>
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
    <name>DocumentCost</name>
    <message>
        <location filename="../src/core/items/DocumentCost.cpp" line="38" />
        <source>Unknown document kind %1</source>
        <translation>نوع مستند غير معروف %1</translation>
    </message>
</context>
<context>
    <name>NamesPage</name>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="118" />
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="118" />
        <source>Tel. 1</source>
        <translation>هاتف أول</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="118" />
        <source>Tel. 2</source>
        <translation>هاتف ثان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="118" />
        <source>Fax</source>
        <translation>البراق</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="118" />
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="119" />
        <source>Kind</source>
        <translation>التصنيف</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="119" />
        <source>Note</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="119" />
        <source>Cash Only</source>
        <translation>نقداً فقط</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="120" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="121" />
        <source>Search For Name</source>
        <translation>بحث عن اسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>New</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="123" />
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="124" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="125" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="126" />
        <source>Copy to Excel</source>
        <translation>نسخ لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="127" />
        <source>Pay    Voucher</source>
        <translation>سند صرف له</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="128" />
        <source>Credit Voucher</source>
        <translation>سند قبض منه</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="129" />
        <source>Cheque</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="168" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="168" />
        <source>No</source>
        <translation>لا</translation>
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
    <name>PosLinesModel</name>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="63" />
        <source>No.</source>
        <translation>م</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="65" />
        <source>Item Code</source>
        <translation>رمز المادة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="67" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="69" />
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="71" />
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="73" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="75" />
        <source>Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="77" />
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosLinesModel.cpp" line="79" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>PosPage</name>
    <message>
        <location filename="../src/gui/pos/PosInstall.cpp" line="43" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="258" />
        <source>Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="259" />
        <source>Check Price</source>
        <translation>البحث عن سعر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="260" />
        <source>No.</source>
        <translation>م</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="261" />
        <source>Date:</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="262" />
        <source>Total Amount:</source>
        <translation>المبلغ الاجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="263" />
        <source>+ &amp;New Inv.</source>
        <translation>+ &amp;فاتورة جديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="264" />
        <source>Change &amp;Quantity</source>
        <translation>تغيير ال&amp;كمية</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="265" />
        <source>&amp;Delete Item</source>
        <translation>&amp;حذف عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="266" />
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="267" />
        <source>&amp;Clear Screen</source>
        <translation>&amp;مسح الشاشة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="268" />
        <source>&amp;Logout</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="269" />
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="328" />
        <location filename="../src/gui/pos/PosPage.cpp" line="441" />
        <location filename="../src/gui/pos/PosPage.cpp" line="467" />
        <location filename="../src/gui/pos/PosPage.cpp" line="508" />
        <location filename="../src/gui/pos/PosPage.cpp" line="527" />
        <location filename="../src/gui/pos/PosPage.cpp" line="549" />
        <location filename="../src/gui/pos/PosPage.cpp" line="561" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="501" />
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="501" />
        <source>Input Quantity</source>
        <translation>Input Quantity</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="513" />
        <source>Error! Quantity must be &gt;0</source>
        <translation>Error! Quantity must be &gt;0</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="517" />
        <source>Are you sure to delete the item:</source>
        <translation>هل أنت متأكد أنك تريد حذف العنصر: </translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="552" />
        <source>Are you sure to delete the Item :</source>
        <translation>هل أنت متأكد أنك تريد حذف العنصر: </translation>
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
    <name>StoreChk</name>
    <message>
        <location filename="../src/core/items/StoreChk.cpp" line="60" />
        <source>Wait</source>
        <translation>انتظر</translation>
    </message>
    <message>
        <location filename="../src/core/items/StoreChk.cpp" line="119" />
        <source>No database is open</source>
        <translation>لا توجد قاعدة بيانات مفتوحة</translation>
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
    <name>TAddUserForm</name>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="14" />
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="77" />
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="123" />
        <source>Add New User</source>
        <translation>إضافة مستخدم جديد</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="22" />
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="49" />
        <source>User Name</source>
        <translation>اسم  دخول المستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="93" />
        <source>Sale Input</source>
        <translation>طريقة إدخال البيع</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="101" />
        <source>Page Style</source>
        <translation>شكل الصفحات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="142" />
        <source>Password</source>
        <translation>كلمة السر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="162" />
        <source>Repeat Password</source>
        <translation>تأكيد كلمة السر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="194" />
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.ui" line="204" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="77" />
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="123" />
        <source>Edit User</source>
        <translation>تعديل بيانات مستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="156" />
        <source>The accounts could not be read:
%1</source>
        <translation>تعذرت قراءة الحسابات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="183" />
        <source>The account could not be added:
%1</source>
        <translation>تعذرت إضافة الحساب:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TAddUserForm.cpp" line="223" />
        <source>The user could not be saved:
%1</source>
        <translation>تعذر حفظ المستخدم:
%1</translation>
    </message>
</context>
<context>
    <name>TChangePassForm</name>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="14" />
        <source>Change Password</source>
        <translation>تغيير كلمة السر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="22" />
        <source>Old Password</source>
        <translation>كلمة السر القديمة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="42" />
        <source>New Password</source>
        <translation>كلمة السر الجديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="62" />
        <source>Confirm Password</source>
        <translation>تأكيد كلمة السر</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="93" />
        <source>Change</source>
        <translation>غير الكلمة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.ui" line="103" />
        <source>Cancel</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.cpp" line="25" />
        <source>Wrong Password</source>
        <translation>كلمة السر غير صحيحة </translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChangePassForm.cpp" line="41" />
        <source>The password could not be saved:
%1</source>
        <translation>تعذر حفظ كلمة السر:
%1</translation>
    </message>
</context>
<context>
    <name>TCusomerLCDForm</name>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="66" />
        <source>Customer</source>
        <translation>الزبون</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="67" />
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="70" />
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="67" />
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="67" />
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="69" />
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="70" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="67" />
        <source>Start Time</source>
        <translation>وقت البدء</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="67" />
        <source>Prepared</source>
        <translation>تم التحضير</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="68" />
        <source>Prepare Time</source>
        <translation>وقت التحضير</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="68" />
        <source>Delivered</source>
        <translation>تم التسليم</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="68" />
        <source>Delivery Time</source>
        <translation>وقت التسليم</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="69" />
        <source>Item Code</source>
        <translation>رمز المادة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="69" />
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="70" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="69" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="70" />
        <source>Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TCusomerLCDForm.cpp" line="71" />
        <source>Menu</source>
        <translation>القائمة</translation>
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
        <location filename="../src/core/data/TDataFormSQL.cpp" line="190" />
        <location filename="../src/core/data/TDataFormSQL.cpp" line="217" />
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
    <name>TGetItemForm</name>
    <message>
        <location filename="../src/gui/items/TGetItemForm.cpp" line="69" />
        <source>Select Item</source>
        <translation>اختيار عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TGetItemForm.cpp" line="70" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TGetItemForm.cpp" line="71" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
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
    <name>TMoneyForm</name>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="232" />
        <source>Mony Type مواصفات العملة</source>
        <translation>Mony Type مواصفات العملة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="233" />
        <source> Country</source>
        <translation> الدولة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="234" />
        <source>Chose</source>
        <translation>اختر</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="235" />
        <source>Mony Name اسم العملة</source>
        <translation>Mony Name اسم العملة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="236" />
        <source>Part Name اسم الجزء</source>
        <translation>Part Name اسم الجزء</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="237" />
        <source>المثنى</source>
        <translation>المثنى</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="238" />
        <source>الجمع</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="239" />
        <source>Divided to</source>
        <translation>مقسمة إلى</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="240" />
        <source>العملة مذكر</source>
        <translation>العملة مذكر</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="241" />
        <source>أجزاء العملة مذكر</source>
        <translation>أجزاء العملة مذكر</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="242" />
        <source>Test</source>
        <translation>تجربة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="243" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TMoneyForm.cpp" line="244" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TNewItemForm</name>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="130" />
        <source>* Item Code</source>
        <translation>* الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="131" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="132" />
        <source>* Item Kind</source>
        <translation>* نوع العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="133" />
        <source>Sale Price</source>
        <translation>سعر البيع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="134" />
        <source>Min/stock</source>
        <translation>الحد الأدنى</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="135" />
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="136" />
        <source>Item Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="137" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="139" />
        <source>Is Service</source>
        <translation>خدمة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="140" />
        <source>Quick Key(1..24)</source>
        <translation>مفتاح سريع (1..24)</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="141" />
        <source>Part Count</source>
        <translation>عدد الأجزاء</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="142" />
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="143" />
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TNewItemForm.cpp" line="144" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>TNewNameForm</name>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="92" />
        <source>Name/ Account</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="92" />
        <source>Tel. 1</source>
        <translation>هاتف أول</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="92" />
        <source>Tel. 2</source>
        <translation>هاتف ثان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="93" />
        <source>Fax No</source>
        <translation>رقم الفاكس</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="93" />
        <source>Kind</source>
        <translation>التصنيف</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="93" />
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="94" />
        <source>Note</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="97" />
        <source>Cash Only</source>
        <translation>نقداً فقط</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="98" />
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="99" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="100" />
        <source>Change Name</source>
        <translation>تغيير الاسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="101" />
        <source>Edit Name/Account</source>
        <translation>تعديل اسم/حساب </translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="101" />
        <source>Add new Name/Account</source>
        <translation>إضافة اسم/حساب </translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="223" />
        <source> Change Account Name</source>
        <translation> تبديل اسم حساب</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/TNewNameForm.cpp" line="223" />
        <source>Input the New Name</source>
        <translation>أدخل الاسم الجديد</translation>
    </message>
</context>
<context>
    <name>TOptForm</name>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="14" />
        <source>Program Options</source>
        <translation>خيارات البرنامج</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="24" />
        <source>First Numbers</source>
        <translation>الأرقام الأولى</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="30" />
        <source>First Bill No.</source>
        <translation>رقم أول فاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="43" />
        <source>First Price List No.</source>
        <translation>رقم أول عرض أسعار</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="60" />
        <source>First Back to us No.</source>
        <translation>رقم أول مرتجع إلينا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="77" />
        <source>First Back from us No.</source>
        <translation>رقم أول مرتجع منا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="94" />
        <source>First Pay V. No.</source>
        <translation>رقم أول سند صرف</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="111" />
        <source>First Credit V. No.</source>
        <translation>رقم أول سند قبض</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="128" />
        <source>First Indust. V. No.</source>
        <translation>رقم أول سند تصنيع</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="148" />
        <source>Printers</source>
        <translation>الطابعات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="154" />
        <source>Invoice Printer</source>
        <translation>طابعة الفواتير</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="167" />
        <source>Display Printer</source>
        <translation>طابعة شاشة الزبون</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="180" />
        <source>BarCode Printer</source>
        <translation>طابعة الباركود</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="196" />
        <source>Yes / No Texts</source>
        <translation>نصوص نعم / لا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="202" />
        <source>Yes text</source>
        <translation>نص نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="215" />
        <source>No text</source>
        <translation>نص لا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="242" />
        <source>General Options</source>
        <translation>خيارات عامة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="248" />
        <source>Show Zakah</source>
        <translation>إظهار الزكاة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="255" />
        <source>Show Back To Us</source>
        <translation>إظهار المرتجع إلينا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="262" />
        <source>Show Back From Us</source>
        <translation>إظهار المرتجع منا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="269" />
        <source>Show Industr.</source>
        <translation>إظهار التصنيع</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="276" />
        <source>Item Codes in English language</source>
        <translation>ترميز المواد باللغة الإنجليزية</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="283" />
        <source>English Sales Name</source>
        <translation>أسماء المبيعات بالإنجليزية</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="290" />
        <source>Show Menu for Cutomer</source>
        <translation>إظهار القائمة للزبون</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="297" />
        <source>Show Cash In Caption</source>
        <translation>إظهار الصندوق في العنوان</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="304" />
        <source>Show Top Bar</source>
        <translation>إظهار الشريط العلوي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="311" />
        <source>Show Bottom Bar</source>
        <translation>إظهار الشريط السفلي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="318" />
        <source>New Calculater</source>
        <translation>الآلة الحاسبة الجديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="341" />
        <source>Confirm Password Times</source>
        <translation>عدد مرات تأكيد كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="361" />
        <source>Frame Width</source>
        <translation>عرض الإطار</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="381" />
        <source>Row Height</source>
        <translation>ارتفاع السطر</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="413" />
        <source>Backup</source>
        <translation>النسخ الاحتياطي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="419" />
        <location filename="../src/gui/data/TOptForm.ui" line="519" />
        <source>Auto save</source>
        <translation>حفظ تلقائي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="426" />
        <source>Auto save on exit</source>
        <translation>حفظ تلقائي عند الخروج</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="435" />
        <source>Auto save in time</source>
        <translation>وقت الحفظ التلقائي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="452" />
        <source>Save to path:</source>
        <translation>الحفظ في المسار:</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="465" />
        <source>FTP Server</source>
        <translation>خادم FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="478" />
        <source>FTP User</source>
        <translation>مستخدم FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="491" />
        <source>FTP Password</source>
        <translation>كلمة مرور FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="529" />
        <source>Report Design</source>
        <translation>تصميم التقرير</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="539" />
        <source>Money Type</source>
        <translation>نوع العملة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="549" />
        <source>Cheques</source>
        <translation>الشيكات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="570" />
        <source>Change Database</source>
        <translation>تغيير قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="577" />
        <source>Data Maintenance</source>
        <translation>صيانة قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="584" />
        <source>Build Nwe Year</source>
        <translation>بناء سنة جديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="606" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="613" />
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
</context>
<context>
    <name>TQKBForm</name>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="170" />
        <source>Quick Keys</source>
        <translation>المفاتيح السريعة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="171" />
        <source>Print+New</source>
        <translation>طباعة+جديد</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="172" />
        <source>Calc. Total</source>
        <translation>حساب المجموع</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="173" />
        <source>Total From Inv.   No.</source>
        <translation>المجموع من الفاتورة رقم</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="174" />
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="175" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/TQKBForm.cpp" line="176" />
        <source>Rate</source>
        <translation>السعر</translation>
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
        <location filename="../src/gui/shell/StoreStartup.cpp" line="115" />
        <source>It is new Version, You must Maitain DB, Do you like to do that now?</source>
        <translation>يبدو أن هذه نسخة جديدة،يجب صيانة قاعدة البيانات، هل تريد صيانة قاعدة البيانات الآن؟</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreOptions.cpp" line="109" />
        <source>The database settings could not be saved to %1:
%2</source>
        <translation>تعذر حفظ إعدادات قاعدة البيانات في %1:
%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreOptions.cpp" line="131" />
        <location filename="../src/gui/shell/StoreStartup.cpp" line="122" />
        <source>The database maintenance failed:
%1</source>
        <translation>فشلت صيانة قاعدة البيانات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="307" />
        <source>       User: </source>
        <translation>       المستخدم الحالي: </translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="330" />
        <source>Are You Sure To EXIT program?</source>
        <translation>هل أنت متأكد أنك تريد الخروج من البرنامج؟ــ</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="364" />
        <source>The program could not be started again. Please start it yourself.</source>
        <translation>تعذر إعادة تشغيل البرنامج. يرجى تشغيله يدوياً.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="389" />
        <source>&amp;LogIn</source>
        <translation>&amp;دخول</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreLanguage.cpp" line="67" />
        <source>The system accounts could not be renamed:
%1</source>
        <translation>تعذرت إعادة تسمية حسابات النظام:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreSession.cpp" line="53" />
        <source>Error in Username or Password</source>
        <translation>خطأ في اسم المستخدم أو كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreYears.cpp" line="52" />
        <source>The year databases could not be listed:
%1</source>
        <translation>تعذر قراءة قائمة قواعد بيانات السنوات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreYears.cpp" line="114" />
        <source>You do not have Database in %1You must create it</source>
        <translation>لا توجد لديك قاعدة بيانات في%1يجب بناءها</translation>
    </message>
</context>
<context>
    <name>TUsersForm</name>
    <message>
        <location filename="../src/gui/shell/TUsersForm.ui" line="58" />
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.ui" line="100" />
        <source>Sale Input</source>
        <translation>طريقة إدخال البيع</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.ui" line="114" />
        <source>Page Style</source>
        <translation>شكل الصفحات</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.ui" line="208" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.cpp" line="178" />
        <source>The rights could not be saved:
%1</source>
        <translation>تعذر حفظ الصلاحيات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.cpp" line="189" />
        <source>The user could not be deleted:
%1</source>
        <translation>تعذر حذف المستخدم:
%1</translation>
    </message>
</context>
<context>
    <name>UserTexts</name>
    <message>
        <location filename="../src/gui/shell/UserTexts.cpp" line="12" />
        <source>Edit Permission for POS</source>
        <translation>تصريح بالتعديل لـ POS</translation>
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