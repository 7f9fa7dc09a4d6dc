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
        <location filename="../src/gui/items/CatalogueModel.cpp" line="204" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="204" />
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="219" />
        <source>Item Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="220" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="221" />
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="222" />
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="223" />
        <source>ISize</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="224" />
        <source>Not Les than</source>
        <translation>الحد الأدنى</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="225" />
        <source>Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="226" />
        <source>IsService</source>
        <translation>خدمة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CatalogueModel.cpp" line="227" />
        <source>OfCount</source>
        <translation>عدد الأجزاء</translation>
    </message>
</context>
<context>
    <name>CataloguePage</name>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="224" />
        <source>Item Codes Table</source>
        <translation>جدول العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="225" />
        <source>Item Card</source>
        <translation>بطاقة عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="226" />
        <location filename="../src/gui/items/CataloguePage.cpp" line="237" />
        <source>Item Kinds</source>
        <translation>أنواع العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="227" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="228" />
        <source>View Price</source>
        <translation>إظهار السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="229" />
        <source>New Item</source>
        <translation>إضافة عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="230" />
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="231" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="232" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="233" />
        <source>Copy to Excel</source>
        <translation>نسخ لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="234" />
        <source>Add Item Kind</source>
        <translation>إضافة نوع عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="235" />
        <source>Delete Item Kind</source>
        <translation>حذف نوع عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="236" />
        <source>Import Codes From All.txt</source>
        <translation>استيراد الترميزات من All.txt</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="237" />
        <source>Item Kind Id</source>
        <translation>رقم نوع العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="238" />
        <source>* Item Code</source>
        <translation>* الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="238" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="238" />
        <source>* Item Kind</source>
        <translation>* نوع العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="238" />
        <source>Sale Price</source>
        <translation>سعر البيع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="239" />
        <source>Min/stock</source>
        <translation>الحد الأدنى</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="239" />
        <source>Location</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="239" />
        <source>Item Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="239" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="240" />
        <source>Is Service</source>
        <translation>خدمة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="240" />
        <source>Quick Key(1..24)</source>
        <translation>مفتاح سريع (1..24)</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="240" />
        <source>Part Of</source>
        <translation>جزء من</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="339" />
        <source>of</source>
        <translation>من</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="349" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/CataloguePage.cpp" line="349" />
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
    <name>DocumentLinesModel</name>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="164" />
        <source>No</source>
        <translation>م</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="164" />
        <source>No.</source>
        <translation>م</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="166" />
        <source>Item Code</source>
        <translation>رمز المادة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="168" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="170" />
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="172" />
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="174" />
        <source>Qnty.</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="174" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="176" />
        <source>Rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="178" />
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentLinesModel.cpp" line="180" />
        <source>Note</source>
        <translation>ملاحظات</translation>
    </message>
</context>
<context>
    <name>DocumentListModel</name>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="62" />
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="84" />
        <source>Cash</source>
        <translation>نقداً</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="62" />
        <source>Debit</source>
        <translation>مؤجل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="76" />
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="78" />
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="80" />
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="82" />
        <source>Total Amount:</source>
        <translation>المبلغ الإجمالي:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentListModel.cpp" line="86" />
        <source>User:</source>
        <translation>المستخدم:</translation>
    </message>
</context>
<context>
    <name>DocumentSerials</name>
    <message>
        <location filename="../src/gui/items/DocumentSerials.cpp" line="32" />
        <source>Item SNO</source>
        <translation>Item SNO</translation>
    </message>
    <message>
        <location filename="../src/gui/items/DocumentSerials.cpp" line="33" />
        <source>Invoice SNO</source>
        <translation>Invoice SNO</translation>
    </message>
</context>
<context>
    <name>DocumentsPage</name>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="10" />
        <source>Purchase Invoice</source>
        <translation>مشتريات</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="11" />
        <source>Sale Bill</source>
        <translation>مبيعات</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="12" />
        <source>Price List</source>
        <translation>عرض سعر</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="13" />
        <source>Back To Us</source>
        <translation>مرتجع إلينا</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="14" />
        <source>Back From Us</source>
        <translation>مرتجع منا</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentTexts.cpp" line="15" />
        <source>Industrialization</source>
        <translation>تصنيع</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="281" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="282" />
        <source>Search for Item Code</source>
        <translation>بحث عن عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="283" />
        <source>Find Previous Item</source>
        <translation>بحث عن العنصر السابق</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="284" />
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="284" />
        <source>Date:</source>
        <translation>التاريخ:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="284" />
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="285" />
        <source>Tel :</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="285" />
        <source>Total Amount:</source>
        <translation>المبلغ الإجمالي:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="285" />
        <source>Start Prepare:</source>
        <translation>بدء التجهيز:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="286" />
        <source>User:</source>
        <translation>المستخدم:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="286" />
        <source>T. Amm. Ind Out:</source>
        <translation>إجمالي المواد المصنعة:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="289" />
        <source>New  Invoice</source>
        <translation>إضافة فاتورة </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="290" />
        <source>Edit Invoice</source>
        <translation>تعديل فاتورة </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="291" />
        <source>Del  Invoice</source>
        <translation>حذف الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="292" />
        <source>Cash / Debit</source>
        <translation>نقداً / مؤجل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="293" />
        <source>Change Cash / Debit</source>
        <translation>تغيير نقداً / مؤجل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="294" />
        <source>Cost</source>
        <translation>التكلفة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="295" />
        <source>&amp;Pay V.</source>
        <translation>دفع له</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="296" />
        <source>&amp;Credit V.</source>
        <translation>قبض منه</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="297" />
        <source>Cheque</source>
        <translation>طباعة شيك</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="298" />
        <source>Print </source>
        <translation>طباعة الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="299" />
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="300" />
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="45" />
        <source>Out </source>
        <translation>مواد مصنعة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="299" />
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="301" />
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="428" />
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="45" />
        <source>In</source>
        <translation>مواد أولية</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="302" />
        <source>Barcode</source>
        <translation>الباركود</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="303" />
        <source>Delete Item</source>
        <translation>حذف عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="304" />
        <source>Replace RowLocation</source>
        <translation>تبديل مواقع الأسطر</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="305" />
        <source>New Code</source>
        <translation>ترميز جديد</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="306" />
        <source>Copy Items to Excel</source>
        <translation>نسخ العناصر لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="307" />
        <source>Copy Bill Items</source>
        <translation>نسخ عناصر الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="308" />
        <source>Paste Bill Items</source>
        <translation>لصق عناصر الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="309" />
        <location filename="../src/gui/documents/DocumentsPageClipboard.cpp" line="70" />
        <source>Copy Bill To File</source>
        <translation>نسخ عناصر الفاتورة إلى ملف</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="310" />
        <location filename="../src/gui/documents/DocumentsPageClipboard.cpp" line="93" />
        <source>Paste Bill From File</source>
        <translation>لصق عناصر الفاتورة من ملف</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="511" />
        <source>Cash</source>
        <translation>نقداً</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPage.cpp" line="511" />
        <source>Debit</source>
        <translation>مؤجل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageHeader.cpp" line="50" />
        <source>Are you sure to delete the Invoice :</source>
        <translation>هل أنت متأكد أنك تريد حذف الفاتورة: </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageHeader.cpp" line="70" />
        <source>Do you want to change the Invoice Kind: Cash/Debit ?</source>
        <translation>هل تريد تغيير حالة الفاتورة نقداً / مؤجل ?</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="167" />
        <source>Are you sure to delete the Item :</source>
        <translation>هل أنت متأكد أنك تريد حذف العنصر: </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="191" />
        <source> Replace Location</source>
        <translation> تغيير الموضع</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="192" />
        <source>Change ther row: (</source>
        <translation>التبديل بين السطر رقم: (</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageLines.cpp" line="193" />
        <source>) with the row No:</source>
        <translation>) والسطر رقم:</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/DocumentsPageSearch.cpp" line="63" />
        <source>Press Enter to chose item </source>
        <translation>اضغط ادخال لاختيار عنصر</translation>
    </message>
</context>
<context>
    <name>GridExport</name>
    <message>
        <location filename="../src/print/GridExport.cpp" line="145" />
        <location filename="../src/print/GridExport.cpp" line="157" />
        <source>Cannot write the file %1: %2</source>
        <translation>تعذرت كتابة الملف %1: %2</translation>
    </message>
    <message>
        <location filename="../src/print/GridExport.cpp" line="165" />
        <source>the workbook could not be created</source>
        <translation>تعذر إنشاء المصنف</translation>
    </message>
</context>
<context>
    <name>GridPrinting</name>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="115" />
        <source>Excel workbook (*.xlsx)</source>
        <translation>مصنف إكسل (*.xlsx)</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="116" />
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV، مفصول بفواصل (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="118" />
        <source>Save as Spreadsheet</source>
        <translation>حفظ كجدول بيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="142" />
        <source>Save as Spreadsheet...</source>
        <translation>حفظ كجدول بيانات...</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="202" />
        <source>Item Codes </source>
        <translation>ترميز العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="206" />
        <source>Count </source>
        <translation>العدد </translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="210" />
        <source>Stock </source>
        <translation>المخزن</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="214" />
        <source>Beginning Inventory     </source>
        <translation>بضاعة أول العام</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="218" />
        <source>Total Amount </source>
        <translation>المبلغ الإجمالي </translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="222" />
        <source>Names / Accounts </source>
        <translation>الحسابات / الأسماء</translation>
    </message>
    <message>
        <location filename="../src/gui/print/GridPrinting.cpp" line="266" />
        <source>Gride is now in clipboard; Paste it in Excel</source>
        <translation>نسخ الجدول إلى الحافظة؛ يمكنك لصقه في ملف إكسل</translation>
    </message>
</context>
<context>
    <name>ItemClipboard</name>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="133" />
        <source>Line %1: the item code is empty.</source>
        <translation>السطر %1: رمز العنصر فارغ.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="138" />
        <source>Line %1: the item code %2 is longer than %3 characters.</source>
        <translation>السطر %1: رمز العنصر %2 أطول من %3 حرفاً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="145" />
        <source>Line %1: the note is longer than %2 characters.</source>
        <translation>السطر %1: الملاحظة أطول من %2 حرفاً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="152" />
        <source>Line %1: the quantity or the rate is not a number.</source>
        <translation>السطر %1: الكمية أو السعر ليس رقماً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="165" />
        <source>The document %1 does not exist.</source>
        <translation>المستند %1 غير موجود.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="186" />
        <source>The item %1 is not in this database and there is no item kind to create it in. Add an item kind first.</source>
        <translation>العنصر %1 غير موجود في قاعدة البيانات هذه ولا يوجد نوع عنصر لإنشائه فيه. أضف نوع عنصر أولاً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="198" />
        <source>Line %1: the description is longer than %2 characters.</source>
        <translation>السطر %1: الوصف أطول من %2 حرفاً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="261" />
        <source>Line %1 (item %2): the %3 "%4" is not a number.</source>
        <translation>السطر %1 (العنصر %2): %3 "%4" ليس رقماً.</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="265" />
        <source>rate</source>
        <translation>السعر</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="266" />
        <source>quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="290" />
        <source>Can not write %1: %2</source>
        <translation>لا يمكن كتابة %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="303" />
        <source>Can not open %1: %2</source>
        <translation>لا يمكن فتح %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/documents/ItemClipboard.cpp" line="321" />
        <source>Lines left over at the end of the file: %1. They make no whole item (six lines each) and were not pasted.</source>
        <translation>أسطر زائدة في نهاية الملف: %1. لا تكوّن عنصراً كاملاً (ستة أسطر لكل عنصر) ولم يتم لصقها.</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <location filename="../src/print/LabelSheet.cpp" line="100" />
        <source>Barcode label</source>
        <translation>ملصق باركود</translation>
    </message>
    <message>
        <location filename="../src/print/LabelSheet.cpp" line="111" />
        <source>Barcode labels</source>
        <translation>ملصقات باركود</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <location filename="../src/core/items/Labels.cpp" line="79" />
        <source>Weight: 12.345 less than 100</source>
        <translation>الوزن: 12.345 أقل من 100</translation>
    </message>
</context>
<context>
    <name>Labels::Settings</name>
    <message>
        <location filename="../src/core/items/Labels.cpp" line="191" />
        <source>Cannot read the label settings %1: %2</source>
        <translation>تعذرت قراءة إعدادات الملصقات %1: %2</translation>
    </message>
    <message>
        <location filename="../src/core/items/Labels.cpp" line="202" />
        <source>The label settings %1 are not readable; the settings shown are kept.</source>
        <translation>إعدادات الملصقات %1 غير مقروءة؛ أبقيت الإعدادات المعروضة.</translation>
    </message>
    <message>
        <location filename="../src/core/items/Labels.cpp" line="218" />
        <source>Cannot write the label settings %1: %2</source>
        <translation>تعذرت كتابة إعدادات الملصقات %1: %2</translation>
    </message>
</context>
<context>
    <name>LineStockPopup</name>
    <message>
        <location filename="../src/core/items/LineStockPopup.cpp" line="29" />
        <source>Quantity: </source>
        <translation>الكمية: </translation>
    </message>
    <message>
        <location filename="../src/core/items/LineStockPopup.cpp" line="32" />
        <source>Rate: </source>
        <translation>السعر: </translation>
    </message>
</context>
<context>
    <name>NamesPage</name>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>Tel. 1</source>
        <translation>هاتف أول</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>Tel. 2</source>
        <translation>هاتف ثان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>Fax</source>
        <translation>البراق</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="122" />
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="123" />
        <source>Kind</source>
        <translation>التصنيف</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="123" />
        <source>Note</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="123" />
        <source>Cash Only</source>
        <translation>نقداً فقط</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="124" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="125" />
        <source>Search For Name</source>
        <translation>بحث عن اسم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="126" />
        <source>New</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="127" />
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="128" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="129" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="130" />
        <source>Copy to Excel</source>
        <translation>نسخ لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="131" />
        <source>Pay    Voucher</source>
        <translation>سند صرف له</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="132" />
        <source>Credit Voucher</source>
        <translation>سند قبض منه</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="133" />
        <source>Cheque</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="172" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/accounts/NamesPage.cpp" line="172" />
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>OpeningStock</name>
    <message>
        <location filename="../src/core/items/OpeningStock.cpp" line="28" />
        <source>The opening stock could not be read</source>
        <translation>تعذرت قراءة بضاعة أول المدة</translation>
    </message>
    <message>
        <location filename="../src/core/items/OpeningStock.cpp" line="258" />
        <source>Not a number: %1</source>
        <translation>ليس رقماً: %1</translation>
    </message>
    <message>
        <location filename="../src/core/items/OpeningStock.cpp" line="270" />
        <source>The row is no longer in the opening stock</source>
        <translation>لم يعد هذا السطر في بضاعة أول المدة</translation>
    </message>
</context>
<context>
    <name>OpeningStockModel</name>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="216" />
        <source>Not a number: %1</source>
        <translation>ليس رقماً: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="251" />
        <source>Item ID</source>
        <translation>رقم العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="253" />
        <source>Item Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="255" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="257" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="259" />
        <source>Rate</source>
        <translation>السعر الإفرادي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="261" />
        <source>Amount</source>
        <translation>المبلغ</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockModel.cpp" line="263" />
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
</context>
<context>
    <name>OpeningStockPage</name>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="130" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="131" />
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="132" />
        <source>Empty</source>
        <translation>تفريغ</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="133" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="134" />
        <source>Find Total</source>
        <translation>حساب المجموع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="135" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="136" />
        <source>Copy to Excel</source>
        <translation>نسخ لإكسل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="137" />
        <source>Total Amount</source>
        <translation>المبلغ الإجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="144" />
        <location filename="../src/gui/items/StockInstall.cpp" line="110" />
        <source>Beginning Inventory</source>
        <translation>بضاعة أول المدة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="187" />
        <source>The opening stock could not be read:</source>
        <translation>تعذرت قراءة بضاعة أول المدة:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="238" />
        <source>Are you sure that you want to add the selected items to the Beginning Inventory?</source>
        <translation>هل أنت متأكد أنك تريد إضافة العناصر المختارة إلى بضاعة أول المدة?</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="239" />
        <source>Yes       : selected items</source>
        <translation>Yes       : العناصر المختارة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="239" />
        <source>Yes To All: All Items</source>
        <translation>Yes To All: كل العناصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="240" />
        <source>Cancel    : Add Nothing</source>
        <translation>Cancel    : تجاهل</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="268" />
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="277" />
        <source>Nothing was added to the Beginning Inventory:</source>
        <translation>لم يُضف شيء إلى بضاعة أول المدة:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="292" />
        <source>The items could not be imported:</source>
        <translation>تعذر استيراد العناصر:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="302" />
        <source>Delete All Record in Beginning Inventory?????</source>
        <translation>هل تريد حذف كل محتويات جدول بضاعة أول المدة حقاً؟؟؟؟؟ـ</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="307" />
        <source>The Beginning Inventory could not be emptied:</source>
        <translation>تعذر تفريغ بضاعة أول المدة:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="320" />
        <source>Are You Sure that You want to delete the Item: </source>
        <translation>هل أنت متأكد من أنك تريد حذف العنصر: </translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="326" />
        <source>The item could not be deleted:</source>
        <translation>تعذر حذف العنصر:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="350" />
        <source>The total could not be computed:</source>
        <translation>تعذر حساب المجموع:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockInstall.cpp" line="46" />
        <source>2 Beginning Inventory</source>
        <translation>إضافة لبضاعة أول المدة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockInstall.cpp" line="47" />
        <source>Use Ctrl+Click to select many items to add</source>
        <translation>استخدم Ctrl+نقر لاختيار عدة عناصر لإضافتها</translation>
    </message>
</context>
<context>
    <name>OpeningStockSerials</name>
    <message>
        <location filename="../src/gui/items/OpeningStockSerials.cpp" line="23" />
        <location filename="../src/gui/items/OpeningStockSerials.cpp" line="44" />
        <source>Item SNO</source>
        <translation>Item SNO</translation>
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
        <location filename="../src/gui/pos/PosInstall.cpp" line="65" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="247" />
        <source>Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="248" />
        <source>Check Price</source>
        <translation>البحث عن سعر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="249" />
        <source>No.</source>
        <translation>م</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="250" />
        <source>Date:</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="251" />
        <source>Total Amount:</source>
        <translation>المبلغ الاجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="252" />
        <source>+ &amp;New Inv.</source>
        <translation>+ &amp;فاتورة جديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="253" />
        <source>Change &amp;Quantity</source>
        <translation>تغيير ال&amp;كمية</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="254" />
        <source>&amp;Delete Item</source>
        <translation>&amp;حذف عنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="255" />
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="256" />
        <source>&amp;Clear Screen</source>
        <translation>&amp;مسح الشاشة</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="257" />
        <source>&amp;Logout</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="258" />
        <source>Change Password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="317" />
        <location filename="../src/gui/pos/PosPage.cpp" line="430" />
        <location filename="../src/gui/pos/PosPage.cpp" line="456" />
        <location filename="../src/gui/pos/PosPage.cpp" line="497" />
        <location filename="../src/gui/pos/PosPage.cpp" line="516" />
        <location filename="../src/gui/pos/PosPage.cpp" line="538" />
        <location filename="../src/gui/pos/PosPage.cpp" line="550" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="490" />
        <source>Quantity</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="490" />
        <source>Input Quantity</source>
        <translation>Input Quantity</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="502" />
        <source>Error! Quantity must be &gt;0</source>
        <translation>Error! Quantity must be &gt;0</translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="506" />
        <source>Are you sure to delete the item:</source>
        <translation>هل أنت متأكد أنك تريد حذف العنصر: </translation>
    </message>
    <message>
        <location filename="../src/gui/pos/PosPage.cpp" line="541" />
        <source>Are you sure to delete the Item :</source>
        <translation>هل أنت متأكد أنك تريد حذف العنصر: </translation>
    </message>
</context>
<context>
    <name>SalePrinting</name>
    <message>
        <location filename="../src/gui/print/SalePrinting.cpp" line="40" />
        <source>The document %1 cannot be read; nothing was printed.
%2</source>
        <translation>لا يمكن قراءة المستند %1؛ لم يطبع شيء.
%2</translation>
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
    <name>SerialDisplay</name>
    <message>
        <location filename="../src/gui/items/SerialDisplay.cpp" line="12" />
        <location filename="../src/gui/items/SerialDisplay.cpp" line="22" />
        <source>SNo</source>
        <translation>SNo</translation>
    </message>
</context>
<context>
    <name>SerialNumbers</name>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="168" />
        <source>Beginning Inventory</source>
        <translation>Beginning Inventory</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="184" />
        <source>No:</source>
        <translation>No:</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="184" />
        <source>  Date:</source>
        <translation>  Date:</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="186" />
        <source>  Name:</source>
        <translation>  Name:</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="200" />
        <source>This line has no serial numbers.</source>
        <translation>لا توجد أرقام تسلسلية لهذا السطر.</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="203" />
        <source>Error </source>
        <translation>Error </translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="208" />
        <source>A serial number has at most %1 characters: %2</source>
        <translation>الرقم التسلسلي لا يزيد عن %1 حرفاً: %2</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="216" />
        <location filename="../src/core/items/SerialNumbers.cpp" line="222" />
        <location filename="../src/core/items/SerialNumbers.cpp" line="228" />
        <location filename="../src/core/items/SerialNumbers.cpp" line="230" />
        <source>The serial numbers were not saved: %1</source>
        <translation>لم تحفظ الأرقام التسلسلية: %1</translation>
    </message>
    <message>
        <location filename="../src/core/items/SerialNumbers.cpp" line="218" />
        <source>The serial numbers were not saved: the line no longer exists.</source>
        <translation>لم تحفظ الأرقام التسلسلية: السطر لم يعد موجوداً.</translation>
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
    <name>StockModel</name>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="165" />
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="165" />
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="177" />
        <source>Item Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="179" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="181" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="183" />
        <source>Cost Rate</source>
        <translation>سعر التكلفة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockModel.cpp" line="185" />
        <source>Down!</source>
        <translation>المنخفض</translation>
    </message>
</context>
<context>
    <name>StockPage</name>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="115" />
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="116" />
        <source>&amp;Down!</source>
        <translation>&amp;المنخفض</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="117" />
        <source>Up to Date</source>
        <translation>حتى اليوم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="118" />
        <location filename="../src/gui/items/StockPage.cpp" line="119" />
        <source>Re Calc Store</source>
        <translation>إعادة حساب المخزن</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="120" />
        <source>Print Table</source>
        <translation>طباعة جدول</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="121" />
        <source>Total Amount</source>
        <translation>المبلغ الإجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="184" />
        <source>The stock could not be computed:</source>
        <translation>تعذر حساب المخزن:</translation>
    </message>
    <message>
        <location filename="../src/gui/items/StockPage.cpp" line="189" />
        <source>The stock list could not be read:</source>
        <translation>تعذرت قراءة قائمة المخزن:</translation>
    </message>
</context>
<context>
    <name>StoreChk</name>
    <message>
        <location filename="../src/gui/items/OpeningStockPage.cpp" line="258" />
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
    <name>TAllSnoForm</name>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="55" />
        <source>Invoice SNO</source>
        <translation>Invoice SNO</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="57" />
        <source>Item ID</source>
        <translation>رقم العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="57" />
        <source>SNo</source>
        <translation>SNo</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="57" />
        <source>Item Code</source>
        <translation>رمز العنصر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="57" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="58" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TAllSnoForm.cpp" line="59" />
        <source>Group by Item</source>
        <translation>تجميع حسب العنصر</translation>
    </message>
</context>
<context>
    <name>TBarForm</name>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="228" />
        <source>Barcode</source>
        <translation>باركود</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="229" />
        <source>Code</source>
        <translation>الترميز</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="230" />
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="231" />
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="232" />
        <source>Rows</source>
        <translation>الصفوف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="233" />
        <source>Zoom</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="234" />
        <source>Bar Width</source>
        <translation>عرض العمود</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="235" />
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="236" />
        <source>White on Rigt</source>
        <translation>فراغ على اليمين</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="237" />
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="238" />
        <source>Up Label</source>
        <translation>تعليق علوي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="239" />
        <source>Down Label</source>
        <translation>تعليق سفلي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="240" />
        <source>Quantity</source>
        <translation>الكمية</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="241" />
        <source>Print &amp;Stretch </source>
        <translation>تمدد الطباعة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="242" />
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="243" />
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="244" />
        <source>Printer setup of the label sheet</source>
        <translation>إعداد طابعة ورقة الملصقات</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="245" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="246" />
        <location filename="../src/gui/items/TBarForm.cpp" line="247" />
        <source>Design</source>
        <translation>تصميم</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="248" />
        <source>Top Margin</source>
        <translation>الهامش العلوي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="248" />
        <source>Left Margin</source>
        <translation>الهامش الأيسر</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="248" />
        <source>Rigt Margin</source>
        <translation>الهامش الأيمن</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="249" />
        <source>Bottom Margin</source>
        <translation>الهامش السفلي</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="249" />
        <source>Column Space</source>
        <translation>المسافة بين الأعمدة</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="249" />
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="250" />
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="253" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="254" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="256" />
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="476" />
        <source>The labels could not be printed.</source>
        <translation>تعذرت طباعة الملصقات.</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="488" />
        <source>Save the labels as PDF</source>
        <translation>حفظ الملصقات بصيغة PDF</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TBarForm.cpp" line="488" />
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
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
    <name>TChosePrinterDialog</name>
    <message>
        <location filename="../src/gui/shell/TChosePrinterDialog.cpp" line="44" />
        <source>Chose Printer</source>
        <translation>اختر الطابعة</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChosePrinterDialog.cpp" line="47" />
        <source>Invoice Printer</source>
        <translation>طابعة الفواتير</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChosePrinterDialog.cpp" line="50" />
        <source>BarCode Printer</source>
        <translation>طابعة الباركود</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TChosePrinterDialog.cpp" line="53" />
        <source>Display Printer</source>
        <translation>طابعة شاشة الزبون</translation>
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
    <name>TDesForm</name>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="82" />
        <source>Header</source>
        <translation>الترويسة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="83" />
        <source>Columns</source>
        <translation>الأعمدة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="84" />
        <source>Page</source>
        <translation>الصفحة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="85" />
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="86" />
        <source>Texts</source>
        <translation>النصوص</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="91" />
        <source>Page Height(A4=297)</source>
        <translation>ارتفاع الصفحة (A4=297)</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="92" />
        <source>The TOP of First line of invoice</source>
        <translation>بداية أول سطر في الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="93" />
        <source>Top Margin</source>
        <translation>الهامش العلوي</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="94" />
        <source>Left Margin</source>
        <translation>الهامش الأيسر</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="95" />
        <source>Print Header</source>
        <translation>طباعة الترويسة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="96" />
        <source>Continuous S. Invoice</source>
        <translation>فاتورة مستمرة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="98" />
        <source>Title</source>
        <translation>العناوين</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="99" />
        <source>Print Invoice Kind</source>
        <translation>طباعة نوع الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="100" />
        <source>"Only" first</source>
        <translation>"فقط" في البداية</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="101" />
        <source>Shadow T. Amount</source>
        <translation>تظليل المبلغ الإجمالي</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="102" />
        <source>Amount in words: automatic</source>
        <translation>المبلغ كتابة: تلقائي</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="103" />
        <source>English amount in words</source>
        <translation>المبلغ كتابة بالإنجليزية</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="104" />
        <source>Arabic amount in words</source>
        <translation>المبلغ كتابة بالعربية</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="105" />
        <source>Closing characters</source>
        <translation>رموز الإغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="249" />
        <source>Load Default Options</source>
        <translation>تحميل الخيارات الافتراضية</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="250" />
        <source>Load Default Ostrel</source>
        <translation>تحميل خيارات أوستريل</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="251" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="365" />
        <source>Loading default values for this part. Are you sure?</source>
        <translation>سيتم تحميل القيم الافتراضية لهذا القسم. هل أنت متأكد؟</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="405" />
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="414" />
        <source>Logo</source>
        <translation>الشعار</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="415" />
        <source>Pictures (*.png *.jpg *.jpeg *.bmp *.gif)</source>
        <translation>الصور (*.png *.jpg *.jpeg *.bmp *.gif)</translation>
    </message>
    <message>
        <location filename="../src/gui/print/TDesForm.cpp" line="422" />
        <source>The logo %1 cannot be read: %2</source>
        <translation>لا يمكن قراءة الشعار %1: %2</translation>
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
    <name>TNewInvForm</name>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="126" />
        <source>Add new </source>
        <translation>إضافة </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="126" />
        <source>Edit </source>
        <translation>تعديل </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="127" />
        <source>Company Name</source>
        <translation>اسم الشركة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="129" />
        <source>Add New Name</source>
        <translation>إضافة اسم جديد</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="131" />
        <source>Ind. Name/Note</source>
        <translation>اسم العملية/ ملاحظات</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="132" />
        <source>Invoice No.</source>
        <translation>رقم الفاتورة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="134" />
        <source>Cash</source>
        <translation>نقداً</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="135" />
        <source>Debit</source>
        <translation>مؤجل</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="136" />
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="137" />
        <source>Start Prepare At</source>
        <translation>وقت بدء التجهيز</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="138" />
        <source>Discount</source>
        <translation>خصم</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="139" />
        <source>Commition</source>
        <translation>عمولة</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="140" />
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="141" />
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="297" />
        <source>Erro No   </source>
        <translation>خطأ في الرقم </translation>
    </message>
    <message>
        <location filename="../src/gui/documents/TNewInvForm.cpp" line="346" />
        <source>Erro No  or date </source>
        <translation>خطأ في الرقم أو التاريخ</translation>
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
        <location filename="../src/gui/data/TOptForm.ui" line="186" />
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="193" />
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="200" />
        <source>Memo Display</source>
        <translation>شاشة على البرنامج</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="209" />
        <source>BarCode Printer</source>
        <translation>طابعة الباركود</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="225" />
        <source>Customer Display</source>
        <translation>شاشة الزبون</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="231" />
        <source>Display Lines</source>
        <translation>عدد أسطر الشاشة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="254" />
        <source>Display Chars per Line</source>
        <translation>عدد أحرف السطر</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="277" />
        <source>Serial Pole Display Port</source>
        <translation>منفذ شاشة الزبون التسلسلي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="294" />
        <source>Serial Port Speed</source>
        <translation>سرعة المنفذ التسلسلي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="307" />
        <source>Monitors</source>
        <translation>عدد الشاشات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="327" />
        <source>Yes / No Texts</source>
        <translation>نصوص نعم / لا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="333" />
        <source>Yes text</source>
        <translation>نص نعم</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="346" />
        <source>No text</source>
        <translation>نص لا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="373" />
        <source>General Options</source>
        <translation>خيارات عامة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="379" />
        <source>Show Zakah</source>
        <translation>إظهار الزكاة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="386" />
        <source>Show Back To Us</source>
        <translation>إظهار المرتجع إلينا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="393" />
        <source>Show Back From Us</source>
        <translation>إظهار المرتجع منا</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="400" />
        <source>Show Industr.</source>
        <translation>إظهار التصنيع</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="407" />
        <source>Item Codes in English language</source>
        <translation>ترميز المواد باللغة الإنجليزية</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="414" />
        <source>English Sales Name</source>
        <translation>أسماء المبيعات بالإنجليزية</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="421" />
        <source>Show Menu for Cutomer</source>
        <translation>إظهار القائمة للزبون</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="428" />
        <source>Show Cash In Caption</source>
        <translation>إظهار الصندوق في العنوان</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="435" />
        <source>Show Top Bar</source>
        <translation>إظهار الشريط العلوي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="442" />
        <source>Show Bottom Bar</source>
        <translation>إظهار الشريط السفلي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="449" />
        <source>New Calculater</source>
        <translation>الآلة الحاسبة الجديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="472" />
        <source>Confirm Password Times</source>
        <translation>عدد مرات تأكيد كلمة المرور</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="492" />
        <source>Frame Width</source>
        <translation>عرض الإطار</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="512" />
        <source>Row Height</source>
        <translation>ارتفاع السطر</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="544" />
        <source>Backup</source>
        <translation>النسخ الاحتياطي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="550" />
        <location filename="../src/gui/data/TOptForm.ui" line="650" />
        <source>Auto save</source>
        <translation>حفظ تلقائي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="557" />
        <source>Auto save on exit</source>
        <translation>حفظ تلقائي عند الخروج</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="566" />
        <source>Auto save in time</source>
        <translation>وقت الحفظ التلقائي</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="583" />
        <source>Save to path:</source>
        <translation>الحفظ في المسار:</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="596" />
        <source>FTP Server</source>
        <translation>خادم FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="609" />
        <source>FTP User</source>
        <translation>مستخدم FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="622" />
        <source>FTP Password</source>
        <translation>كلمة مرور FTP</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="660" />
        <source>Report Design</source>
        <translation>تصميم التقرير</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="670" />
        <source>Money Type</source>
        <translation>نوع العملة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="680" />
        <source>Cheques</source>
        <translation>الشيكات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="701" />
        <source>Change Database</source>
        <translation>تغيير قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="708" />
        <source>Data Maintenance</source>
        <translation>صيانة قاعدة البيانات</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="715" />
        <source>Build Nwe Year</source>
        <translation>بناء سنة جديدة</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="737" />
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <location filename="../src/gui/data/TOptForm.ui" line="744" />
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
    <name>TSNoForm</name>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="113" />
        <location filename="../src/gui/items/TSNoForm.cpp" line="114" />
        <source>SNo</source>
        <translation>SNo</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="115" />
        <source>In stock</source>
        <translation>في المخزن</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="116" />
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="117" />
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="118" />
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="119" />
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="121" />
        <location filename="../src/gui/items/TSNoForm.cpp" line="152" />
        <location filename="../src/gui/items/TSNoForm.cpp" line="228" />
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../src/gui/items/TSNoForm.cpp" line="234" />
        <source>Error </source>
        <translation>Error </translation>
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
        <location filename="../src/gui/shell/StoreOptions.cpp" line="123" />
        <source>The database settings could not be saved to %1:
%2</source>
        <translation>تعذر حفظ إعدادات قاعدة البيانات في %1:
%2</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/StoreOptions.cpp" line="146" />
        <location filename="../src/gui/shell/StoreStartup.cpp" line="122" />
        <source>The database maintenance failed:
%1</source>
        <translation>فشلت صيانة قاعدة البيانات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="330" />
        <source>       User: </source>
        <translation>       المستخدم الحالي: </translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="353" />
        <source>Are You Sure To EXIT program?</source>
        <translation>هل أنت متأكد أنك تريد الخروج من البرنامج؟ــ</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="387" />
        <source>The program could not be started again. Please start it yourself.</source>
        <translation>تعذر إعادة تشغيل البرنامج. يرجى تشغيله يدوياً.</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TStoreForm.cpp" line="412" />
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
        <location filename="../src/gui/shell/TUsersForm.ui" line="205" />
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.cpp" line="184" />
        <source>The rights could not be saved:
%1</source>
        <translation>تعذر حفظ الصلاحيات:
%1</translation>
    </message>
    <message>
        <location filename="../src/gui/shell/TUsersForm.cpp" line="195" />
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
<context>
    <name>ZintBarcode</name>
    <message>
        <location filename="../src/print/ZintBarcode.cpp" line="143" />
        <source>Unknown barcode kind %1.</source>
        <translation>نوع باركود غير معروف %1.</translation>
    </message>
    <message>
        <location filename="../src/print/ZintBarcode.cpp" line="147" />
        <source>There is no code to draw.</source>
        <translation>لا يوجد ترميز للرسم.</translation>
    </message>
    <message>
        <location filename="../src/print/ZintBarcode.cpp" line="156" />
        <source>The barcode cannot be made.</source>
        <translation>تعذر إنشاء الباركود.</translation>
    </message>
    <message>
        <location filename="../src/print/ZintBarcode.cpp" line="169" />
        <source>The code %1 cannot be drawn in this kind.</source>
        <translation>لا يمكن رسم الترميز %1 بهذا النوع.</translation>
    </message>
    <message>
        <location filename="../src/print/ZintBarcode.cpp" line="210" />
        <source>The code %1 gives no bars.</source>
        <translation>الترميز %1 لا يعطي أعمدة.</translation>
    </message>
</context>
</TS>