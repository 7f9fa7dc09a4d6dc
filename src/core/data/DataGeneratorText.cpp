#include "DataGeneratorText.h"

#include "SeededRandom.h"

namespace DataGeneratorText {
namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

struct Pair
{
    const char *en;
    const char *ar;
};

struct CategorySeed
{
    Pair name;
    int weight;
    bool byWeight;
    bool service;
    int minPrice, maxPrice;
    std::initializer_list<Pair> products;
    std::initializer_list<const char *> sizes;
};

const CategorySeed kCategories[] = {
    {{"Dairy", "ألبان"}, 7, false, false, 2, 25,
     {{"Fresh Milk", "حليب طازج"}, {"Laban", "لبن"}, {"Yoghurt", "زبادي"}, {"Labneh", "لبنة"},
      {"Cream", "قشطة"}, {"Butter", "زبدة"}, {"Long Life Milk", "حليب طويل الأجل"},
      {"Flavoured Milk", "حليب بالنكهات"}, {"Cream Cheese", "جبنة كريمية"}},
     {"200ml", "500ml", "1L", "2L", "170g", "400g", "1kg"}},
    {{"Cheese", "أجبان"}, 1, true, false, 20, 90,
     {{"White Cheese", "جبنة بيضاء"}, {"Halloumi", "جبنة حلوم"}, {"Cheddar", "جبنة شيدر"},
      {"Feta", "جبنة فيتا"}, {"Akkawi", "جبنة عكاوي"}, {"Mozzarella", "جبنة موزاريلا"},
      {"Kashkaval", "جبنة قشقوان"}},
     {}},
    {{"Bakery", "مخبوزات"}, 4, false, false, 1, 30,
     {{"Arabic Bread", "خبز عربي"}, {"Toast Bread", "خبز توست"}, {"Croissant", "كرواسون"},
      {"Samoon", "صمون"}, {"Sponge Cake", "كيك إسفنجي"}, {"Sesame Ka'ak", "كعك بالسمسم"},
      {"Date Maamoul", "معمول بالتمر"}, {"Brown Bread", "خبز أسمر"}},
     {"6pcs", "10pcs", "300g", "500g", "1kg"}},
    {{"Beverages", "مشروبات"}, 8, false, false, 1, 40,
     {{"Mineral Water", "مياه معدنية"}, {"Orange Juice", "عصير برتقال"}, {"Mango Juice", "عصير مانجو"},
      {"Cola", "مشروب غازي كولا"}, {"Lemon Mint Juice", "عصير ليمون ونعناع"},
      {"Energy Drink", "مشروب طاقة"}, {"Sparkling Water", "مياه فوارة"}, {"Iced Tea", "شاي مثلج"},
      {"Apple Juice", "عصير تفاح"}},
     {"250ml", "330ml", "500ml", "1L", "1.5L", "6x330", "12x500"}},
    {{"Grains", "أرز وحبوب"}, 5, false, false, 4, 120,
     {{"Basmati Rice", "أرز بسمتي"}, {"Egyptian Rice", "أرز مصري"}, {"Bulgur", "برغل"},
      {"Red Lentils", "عدس أحمر"}, {"Chickpeas", "حمص حب"}, {"Freekeh", "فريكة"},
      {"Fava Beans", "فول"}, {"Flour", "طحين"}, {"Sugar", "سكر"}},
     {"500g", "1kg", "2kg", "5kg", "10kg"}},
    {{"Oils", "زيوت"}, 3, false, false, 8, 90,
     {{"Olive Oil", "زيت زيتون"}, {"Sunflower Oil", "زيت دوار الشمس"}, {"Corn Oil", "زيت ذرة"},
      {"Ghee", "سمن بلدي"}, {"Vegetable Ghee", "سمن نباتي"}},
     {"500ml", "750ml", "1L", "1.8L", "4L"}},
    {{"Canned", "معلبات"}, 6, false, false, 2, 20,
     {{"Tuna", "تونة"}, {"Foul Medames", "فول مدمس"}, {"Tomato Paste", "معجون طماطم"},
      {"Sweet Corn", "ذرة حلوة"}, {"Sardines", "سردين"}, {"Hummus Tahini", "حمص بالطحينة"},
      {"Mushrooms", "فطر"}, {"Green Peas", "بازلاء"}},
     {"85g", "170g", "185g", "400g", "800g"}},
    {{"Sweets", "حلويات"}, 5, false, false, 2, 60,
     {{"Baklava", "بقلاوة"}, {"Kunafa", "كنافة"}, {"Halawa", "حلاوة طحينية"},
      {"Chocolate Bar", "لوح شوكولاتة"}, {"Biscuits", "بسكويت"}, {"Wafer", "ويفر"},
      {"Turkish Delight", "راحة الحلقوم"}, {"Jelly Candy", "حلوى جيلي"}},
     {"40g", "100g", "250g", "500g", "1kg"}},
    {{"Nuts", "مكسرات"}, 1, true, false, 25, 140,
     {{"Roasted Almonds", "لوز محمص"}, {"Pistachios", "فستق حلبي"}, {"Cashews", "كاجو"},
      {"Watermelon Seeds", "بزر بطيخ"}, {"Mixed Nuts", "مكسرات مشكلة"}, {"Peanuts", "فول سوداني"}},
     {}},
    {{"Dates", "تمور"}, 1, true, false, 15, 120,
     {{"Sukkari Dates", "تمر سكري"}, {"Khalas Dates", "تمر خلاص"}, {"Ajwa Dates", "تمر عجوة"},
      {"Medjool Dates", "تمر مجدول"}, {"Segai Dates", "تمر صقعي"}},
     {}},
    {{"Fruit", "فواكه"}, 2, true, false, 3, 35,
     {{"Bananas", "موز"}, {"Apples", "تفاح"}, {"Oranges", "برتقال"}, {"Grapes", "عنب"},
      {"Mangoes", "مانجو"}, {"Pomegranates", "رمان"}, {"Watermelon", "بطيخ"},
      {"Strawberries", "فراولة"}},
     {}},
    {{"Vegetables", "خضروات"}, 2, true, false, 1, 20,
     {{"Tomatoes", "طماطم"}, {"Cucumbers", "خيار"}, {"Potatoes", "بطاطس"}, {"Onions", "بصل"},
      {"Carrots", "جزر"}, {"Zucchini", "كوسا"}, {"Eggplant", "باذنجان"},
      {"Bell Peppers", "فلفل رومي"}, {"Lettuce", "خس"}},
     {}},
    {{"Meat", "لحوم"}, 1, true, false, 18, 80,
     {{"Lamb", "لحم غنم"}, {"Veal", "لحم عجل"}, {"Minced Meat", "لحم مفروم"},
      {"Chicken Breast", "صدر دجاج"}, {"Whole Chicken", "دجاج كامل"}, {"Kofta", "كفتة"}},
     {}},
    {{"Frozen", "مجمدات"}, 4, false, false, 5, 60,
     {{"Frozen Chicken", "دجاج مجمد"}, {"Mixed Vegetables", "خضار مشكلة مجمدة"},
      {"Samosa", "سمبوسة"}, {"French Fries", "بطاطس مقلية مجمدة"}, {"Ice Cream", "آيس كريم"},
      {"Frozen Shrimp", "روبيان مجمد"}},
     {"400g", "900g", "1kg", "2.5kg"}},
    {{"Spices", "بهارات"}, 3, false, false, 3, 60,
     {{"Cumin", "كمون"}, {"Cardamom", "هيل"}, {"Black Pepper", "فلفل أسود"}, {"Turmeric", "كركم"},
      {"Mixed Spices", "بهارات مشكلة"}, {"Saffron", "زعفران"}, {"Cinnamon", "قرفة"}},
     {"50g", "100g", "250g", "500g"}},
    {{"Coffee Tea", "قهوة وشاي"}, 3, false, false, 8, 90,
     {{"Arabic Coffee", "قهوة عربية"}, {"Turkish Coffee", "قهوة تركية"}, {"Black Tea", "شاي أسود"},
      {"Green Tea", "شاي أخضر"}, {"Instant Coffee", "قهوة سريعة الذوبان"},
      {"Espresso Beans", "حبوب إسبريسو"}},
     {"100g", "200g", "250g", "500g", "100bag"}},
    {{"Cleaning", "منظفات"}, 5, false, false, 4, 60,
     {{"Dish Soap", "سائل جلي"}, {"Laundry Powder", "مسحوق غسيل"}, {"Bleach", "مبيض"},
      {"Floor Cleaner", "منظف أرضيات"}, {"Glass Cleaner", "منظف زجاج"},
      {"Fabric Softener", "منعم أقمشة"}},
     {"500ml", "1L", "3L", "1kg", "3kg", "6kg"}},
    {{"Care", "عناية"}, 4, false, false, 3, 45,
     {{"Shampoo", "شامبو"}, {"Toothpaste", "معجون أسنان"}, {"Soap Bar", "صابون"},
      {"Deodorant", "مزيل عرق"}, {"Shower Gel", "جل استحمام"}, {"Hand Cream", "كريم يدين"}},
     {"75ml", "120g", "200ml", "400ml", "4x120"}},
    {{"Paper", "ورقيات"}, 3, false, false, 3, 40,
     {{"Facial Tissues", "مناديل وجه"}, {"Toilet Paper", "ورق تواليت"},
      {"Kitchen Towels", "مناشف مطبخ"}, {"Napkins", "مناديل سفرة"},
      {"Aluminium Foil", "ورق ألمنيوم"}, {"Cling Film", "نايلون تغليف"}},
     {"10 rl", "6 rl", "200pcs", "30m", "100pcs"}},
    {{"Baby", "أطفال"}, 2, false, false, 10, 140,
     {{"Baby Diapers", "حفاضات أطفال"}, {"Infant Formula", "حليب أطفال"},
      {"Baby Wipes", "مناديل مبللة"}, {"Baby Food", "طعام أطفال"}},
     {"S", "M", "L", "400g", "900g", "64pcs"}},
    {{"Household", "أدوات"}, 3, false, false, 8, 250,
     {{"Electric Kettle", "غلاية ماء"}, {"Frying Pan", "مقلاة"}, {"Cooking Pot", "قدر طبخ"},
      {"Tea Glasses Set", "طقم كاسات شاي"}, {"Thermos", "ترمس"},
      {"Food Container", "علبة حفظ طعام"}, {"Knife Set", "طقم سكاكين"}},
     {"1L", "1.5L", "24cm", "28cm", "6pcs", "12pcs"}},
    {{"Electric", "كهربائيات"}, 2, false, false, 5, 300,
     {{"AA Batteries", "بطاريات"}, {"Phone Charger", "شاحن هاتف"},
      {"Extension Cable", "سلك توصيل"}, {"LED Bulb", "لمبة ليد"}, {"Earphones", "سماعات أذن"},
      {"Power Bank", "بطارية متنقلة"}},
     {"4pcs", "9W", "12W", "3m", "5m", "10000"}},
    {{"Stationery", "قرطاسية"}, 2, false, false, 1, 120,
     {{"Notebook", "دفتر"}, {"Blue Pens", "أقلام حبر"}, {"Pencils", "أقلام رصاص"},
      {"A4 Paper", "ورق تصوير A4"}, {"School Bag", "حقيبة مدرسية"}, {"Glue Stick", "صمغ"}},
     {"A4", "A5", "10pcs", "500sh", "100sh"}},
    {{"Clothing", "ملابس"}, 3, false, false, 10, 350,
     {{"Cotton T-Shirt", "قميص قطني"}, {"Men's Thobe", "ثوب رجالي"}, {"Socks", "جوارب"},
      {"Scarf", "وشاح"}, {"Abaya", "عباءة"}, {"Pyjamas", "بيجامة"}},
     {"S", "M", "L", "XL", "XXL", "52", "56", "58"}},
    {{"Snacks", "تسالي"}, 4, false, false, 1, 15,
     {{"Potato Chips", "شيبس بطاطس"}, {"Popcorn", "فشار"}, {"Crackers", "مقرمشات"},
      {"Corn Puffs", "نفيش ذرة"}, {"Salted Sticks", "أصابع مملحة"}},
     {"15g", "30g", "75g", "150g", "12x15"}},
    {{"Services", "خدمات"}, 1, false, true, 5, 150,
     {{"Home Delivery", "توصيل للمنزل"}, {"Installation", "تركيب"}, {"Maintenance", "صيانة"},
      {"Gift Wrapping", "تغليف هدايا"}, {"Meat Cutting", "تقطيع وتجهيز لحوم"},
      {"Tailoring", "تفصيل وتعديل ملابس"}},
     {}},
};

const Pair kBrands[] = {
    {"Al Waha", "الواحة"},   {"Nakheel", "النخيل"},  {"Golden", "الذهبي"},   {"Sahara", "الصحراء"},
    {"Al Reef", "الريف"},    {"Zahra", "الزهرة"},    {"Al Fajr", "الفجر"},   {"Barakah", "البركة"},
    {"Safa", "الصفا"},       {"Marwa", "المروة"},    {"Al Ameer", "الأمير"}, {"Jouri", "جوري"},
    {"Lulu", "اللؤلؤة"},     {"Nujoom", "النجوم"},   {"Diyafa", "الضيافة"},  {"Al Sharq", "الشرق"},
    {"Rimal", "الرمال"},     {"Al Bustan", "البستان"}, {"Yasmeen", "الياسمين"}, {"Hayat", "الحياة"},
    {"Noor", "النور"},       {"Green Valley", "الوادي الأخضر"}, {"Sunrise", "الشروق"},
    {"Royal", "الملكي"},     {"Fresh Farm", "المزرعة"}, {"Blue Sea", "البحر الأزرق"},
    {"Star", "النجمة"},      {"Orchard", "البساتين"}, {"Silver Line", "الخط الفضي"},
    {"Happy Home", "البيت السعيد"},
};

const Pair kAdjectives[] = {
    {"Premium", "ممتاز"}, {"Classic", "كلاسيك"}, {"Fresh", "طازج"},    {"Organic", "عضوي"},
    {"Light", "لايت"},    {"Extra", "إكسترا"},   {"Family Pack", "عبوة عائلية"},
    {"Natural", "طبيعي"}, {"Large", "كبير"},     {"Small", "صغير"},    {"Special", "خاص"},
    {"Value", "اقتصادي"},
};

const Pair kFirstNames[] = {
    {"Mohammed", "محمد"}, {"Ahmed", "أحمد"},     {"Abdullah", "عبدالله"}, {"Khalid", "خالد"},
    {"Saeed", "سعيد"},    {"Ali", "علي"},        {"Omar", "عمر"},         {"Yousef", "يوسف"},
    {"Ibrahim", "إبراهيم"}, {"Hassan", "حسن"},   {"Faisal", "فيصل"},      {"Sultan", "سلطان"},
    {"Majed", "ماجد"},    {"Nasser", "ناصر"},    {"Fahad", "فهد"},        {"Tariq", "طارق"},
    {"Sami", "سامي"},     {"Waleed", "وليد"},    {"Hisham", "هشام"},      {"Ziad", "زياد"},
    {"Fatima", "فاطمة"},  {"Maryam", "مريم"},    {"Noura", "نورة"},       {"Sara", "سارة"},
    {"Hind", "هند"},      {"Layla", "ليلى"},     {"Aisha", "عائشة"},      {"Reem", "ريم"},
    {"Mona", "منى"},      {"Huda", "هدى"},
};

const Pair kFamilyNames[] = {
    {"Al-Otaibi", "العتيبي"}, {"Al-Qahtani", "القحطاني"}, {"Al-Shammari", "الشمري"},
    {"Al-Harbi", "الحربي"},   {"Al-Zahrani", "الزهراني"}, {"Al-Ghamdi", "الغامدي"},
    {"Al-Maliki", "المالكي"}, {"Al-Dosari", "الدوسري"},   {"Al-Anazi", "العنزي"},
    {"Al-Subaie", "السبيعي"}, {"Al-Nuaimi", "النعيمي"},   {"Al-Khatib", "الخطيب"},
    {"Haddad", "حداد"},       {"Al-Najjar", "النجار"},    {"Al-Husseini", "الحسيني"},
    {"Mansour", "منصور"},     {"Al-Saleh", "الصالح"},     {"Al-Omari", "العمري"},
    {"Al-Shehri", "الشهري"},  {"Al-Balushi", "البلوشي"},
};

const char *const kOtherNames[] = {"Rajesh Kumar", "Joseph Thomas", "Ali Khan",     "Anil Menon",
                                   "Maria Santos", "Imran Qureshi", "Peter Fernandes", "Ravi Nair"};

const char *const kCompanyAr[] = {"مؤسسة %1 التجارية", "شركة %1 للتجارة",   "مخابز %1",
                                  "سوبرماركت %1",     "مطعم %1",           "بقالة %1",
                                  "مصنع %1 للمواد الغذائية", "شركة %1 للتوزيع", "مكتب %1"};
const char *const kCompanyEn[] = {"%1 Trading Co.", "%1 Foods LLC",   "%1 Bakery",
                                  "%1 Supermarket", "%1 Restaurant",  "%1 Grocery",
                                  "%1 Food Industries", "%1 Distribution", "%1 General Trading"};
// Suppliers are mostly trading and distribution houses.
const int kSupplierForms[] = {0, 1, 6, 7, 8};

const Pair kStreets[] = {
    {"King Fahd Rd", "طريق الملك فهد"}, {"Olaya St", "شارع العليا"},   {"Tahlia St", "شارع التحلية"},
    {"Madinah Rd", "طريق المدينة"},     {"Prince Sultan St", "شارع الأمير سلطان"},
    {"Al Nuzha Dist.", "حي النزهة"},    {"Al Rawdah Dist.", "حي الروضة"},
    {"Al Salam St", "شارع السلام"},     {"Industrial Area", "المنطقة الصناعية"},
    {"Old Souq", "السوق القديم"},
};

const Pair kCities[] = {
    {"Riyadh", "الرياض"}, {"Jeddah", "جدة"},      {"Dammam", "الدمام"}, {"Makkah", "مكة"},
    {"Madinah", "المدينة"}, {"Dubai", "دبي"},     {"Sharjah", "الشارقة"}, {"Amman", "عمّان"},
    {"Kuwait", "الكويت"}, {"Doha", "الدوحة"},
};

const Pair kExpenseAccounts[] = {
    {"Shop Rent", "إيجار المحل"},        {"Electricity Company", "شركة الكهرباء"},
    {"Water Authority", "مصلحة المياه"}, {"Telecom Company", "شركة الاتصالات"},
    {"Transport Office", "مكتب النقل"},  {"Maintenance Workshop", "ورشة الصيانة"},
};

const Pair kExpenseTexts[] = {
    {"Shop rent", "إيجار المحل"},         {"Electricity bill", "فاتورة كهرباء"},
    {"Water bill", "فاتورة مياه"},        {"Internet and phone", "إنترنت وهاتف"},
    {"Goods transport", "نقل بضاعة"},     {"Repairs", "إصلاحات"},
    {"From Name", "From Name"},
};

const Pair kReceiptTexts[] = {
    {"On account", "دفعة على الحساب"}, {"Balance settlement", "سداد رصيد"},
    {"From Names", "From Names"},      {"Cash received", "نقدية مستلمة"},
};

const Pair kOpeningTexts[] = {
    {"Opening Balance", "ذمة قديمة"},
    {"Balance brought forward", "رصيد مرحل من العام السابق"},
    {"Previous year balance", "رصيد العام الماضي"},
};

const Pair kItemNotes[] = {{"Imported", "مستورد"}, {"Local", "محلي"}, {"New", "جديد"},
                           {"Offer", "عرض"},       {"Seasonal", "موسمي"}};

const Pair kLineNotes[] = {{"Gift", "هدية"}, {"Offer", "عرض"}, {"Sample", "عينة"},
                           {"Urgent", "مستعجل"}};
const Pair kReturnNotes[] = {{"Damaged", "تالف"}, {"Expired", "منتهي الصلاحية"},
                             {"Exchange", "استبدال"}, {"Wrong item", "صنف خاطئ"}};

const Pair kManufacturing[] = {
    {"Packing dates", "تعبئة تمور"},       {"Spice blending", "خلط بهارات"},
    {"Gift baskets", "تجهيز سلال هدايا"},  {"Meat processing", "تقطيع وتجهيز لحوم"},
    {"Roasting nuts", "تحميص مكسرات"},     {"Fresh juice", "تحضير عصائر طازجة"},
};

const Pair kAccountNotes[] = {
    {"Pays monthly", "يسدد شهرياً"},     {"Wholesale prices", "أسعار الجملة"},
    {"Delivery on Thursdays", "التوريد يوم الخميس"}, {"VIP customer", "عميل مميز"},
    {"Call before delivery", "الاتصال قبل التوصيل"},
};

const Pair kMonths[] = {{"January", "يناير"},  {"February", "فبراير"}, {"March", "مارس"},
                        {"April", "أبريل"},    {"May", "مايو"},       {"June", "يونيو"},
                        {"July", "يوليو"},     {"August", "أغسطس"},   {"September", "سبتمبر"},
                        {"October", "أكتوبر"}, {"November", "نوفمبر"}, {"December", "ديسمبر"}};

QString text(const Pair &p, bool arabic)
{
    return u8(arabic ? p.ar : p.en);
}

QList<Category> buildCategories()
{
    QList<Category> out;
    for (const CategorySeed &s : kCategories) {
        Category c;
        c.en = u8(s.name.en);
        c.ar = u8(s.name.ar);
        c.weight = s.weight;
        c.byWeight = s.byWeight;
        c.service = s.service;
        c.minPrice = s.minPrice;
        c.maxPrice = s.maxPrice;
        for (const Pair &p : s.products)
            c.products.append({u8(p.en), u8(p.ar)});
        for (const char *size : s.sizes)
            c.sizes << u8(size);
        out << c;
    }
    return out;
}

QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &p : parts)
        if (!p.isEmpty())
            kept << p;
    return kept.join(u' ').left(100);
}

} // namespace

const QList<Category> &categories()
{
    static const QList<Category> all = buildCategories();
    return all;
}

ItemText item(SeededRandom &rnd, const Category &category)
{
    const auto &product = rnd.pickFrom(category.products);
    const Pair &brand = rnd.pick(kBrands);
    const Pair &adjective = rnd.pick(kAdjectives);
    const bool withAdjective = rnd.chance(0.4);
    ItemText t;
    if (!category.sizes.isEmpty())
        t.size = rnd.pickFrom(category.sizes);

    if (category.service) {
        const int form = int(rnd.below(3));
        if (form == 0)
            t.description = product.second;
        else if (form == 1)
            t.description = product.first;
        else
            t.description = product.second + QStringLiteral(" - ") + product.first;
        if (rnd.chance(0.5))
            t.description += u' ' + QString::number(rnd.range(1, 9));
        return t;
    }

    const QString perKgAr = QStringLiteral(" - ") + u8("بالكيلو");
    const QString perKgEn = QStringLiteral(" per kg");
    switch (rnd.below(10)) {
    case 0: case 1: case 2: case 3: // Arabic
        t.description = joined({product.second, withAdjective ? u8(adjective.ar) : QString(),
                                u8(brand.ar), t.size});
        if (category.byWeight)
            t.description += perKgAr;
        break;
    case 4: case 5: case 6: // English
        t.description = joined({u8(brand.en), product.first,
                                withAdjective ? u8(adjective.en) : QString(), t.size});
        if (category.byWeight)
            t.description += perKgEn;
        break;
    case 7: case 8: // Arabic name with a Latin brand, as printed on many packs
        t.description = joined({product.second, u8(brand.en), t.size});
        if (category.byWeight)
            t.description += perKgAr;
        break;
    default: // both names
        t.description = joined({product.first, QStringLiteral("/"), product.second, t.size});
        if (category.byWeight)
            t.description += perKgEn;
        break;
    }
    t.description = t.description.left(100);
    if (t.size.size() > 6)
        t.size = t.size.left(6);
    return t;
}

QString personName(SeededRandom &rnd, bool arabic)
{
    if (!arabic && rnd.chance(0.15))
        return u8(rnd.pick(kOtherNames));
    const Pair &first = rnd.pick(kFirstNames);
    const Pair &father = kFirstNames[rnd.below(20)]; // fathers' names are men's names
    const Pair &family = rnd.pick(kFamilyNames);
    if (arabic)
        return rnd.chance(0.5) ? text(first, true) + u' ' + text(father, true) + u' ' + text(family, true)
                               : text(first, true) + u' ' + text(family, true);
    return text(first, false) + u' ' + text(family, false);
}

QString companyName(SeededRandom &rnd, bool arabic, bool supplier)
{
    const int form = supplier ? rnd.pick(kSupplierForms) : int(rnd.below(std::size(kCompanyAr)));
    QString brand;
    if (rnd.chance(0.3))
        brand = text(rnd.pick(kFamilyNames), arabic);
    else
        brand = text(rnd.pick(kBrands), arabic);
    return (arabic ? u8(kCompanyAr[form]) : u8(kCompanyEn[form])).arg(brand);
}

int expenseAccountCount()
{
    return int(std::size(kExpenseAccounts));
}

QString expenseAccountName(int index, bool arabic)
{
    return text(kExpenseAccounts[index % expenseAccountCount()], arabic);
}

QString address(SeededRandom &rnd, bool arabic)
{
    const QString street = text(rnd.pick(kStreets), arabic);
    const QString city = text(rnd.pick(kCities), arabic);
    const QString number = QString::number(rnd.range(1, 250));
    if (arabic)
        return (street + u' ' + number + u8("، ") + city).left(50);
    return (number + u' ' + street + QStringLiteral(", ") + city).left(50);
}

QString phone(SeededRandom &rnd, bool mobile)
{
    if (mobile)
        return QStringLiteral("05%1").arg(rnd.range(0, 99999999), 8, 10, QLatin1Char('0'));
    return QStringLiteral("0%1%2").arg(rnd.range(1, 7)).arg(rnd.range(0, 9999999), 7, 10, QLatin1Char('0'));
}

QString location(SeededRandom &rnd)
{
    switch (rnd.below(4)) {
    case 0:
        return u8("مستودع %1").arg(rnd.range(1, 3));
    case 1:
        return QStringLiteral("Store %1").arg(rnd.range(1, 3));
    default:
        return QStringLiteral("%1-%2-%3")
            .arg(QChar(u'A' + int(rnd.below(8))))
            .arg(rnd.range(1, 30), 2, 10, QLatin1Char('0'))
            .arg(rnd.range(1, 6));
    }
}

QString itemNote(SeededRandom &rnd)
{
    if (!rnd.chance(0.15))
        return {};
    return text(rnd.pick(kItemNotes), rnd.chance(0.6));
}

QString lineNote(SeededRandom &rnd, bool isReturn)
{
    if (isReturn) {
        if (!rnd.chance(0.5))
            return {};
        return text(rnd.pick(kReturnNotes), rnd.chance(0.6));
    }
    if (!rnd.chance(0.03))
        return {};
    return text(rnd.pick(kLineNotes), rnd.chance(0.6));
}

QString manufacturingNote(SeededRandom &rnd)
{
    return text(rnd.pick(kManufacturing), rnd.chance(0.6));
}

QString accountNote(SeededRandom &rnd)
{
    if (!rnd.chance(0.2))
        return {};
    return text(rnd.pick(kAccountNotes), rnd.chance(0.6));
}

QString accountKind(int role, bool arabic)
{
    static const Pair kinds[] = {{"Customer", "زبون"}, {"Supplier", "مورد"}, {"Employee", "موظف"},
                                 {"Expenses", "مصروفات"}};
    return text(kinds[qBound(0, role, 3)], arabic);
}

QString invoicePayment(bool arabic, int number)
{
    return (arabic ? u8("دفعة عن الفاتورة ") : QStringLiteral("Payment/Invoice ")) + QString::number(number);
}

QString salaryText(bool arabic, int month)
{
    const Pair &m = kMonths[qBound(1, month, 12) - 1];
    return arabic ? u8("راتب شهر ") + u8(m.ar) : QStringLiteral("Salary ") + u8(m.en);
}

QString expenseText(SeededRandom &rnd, bool arabic)
{
    return text(rnd.pick(kExpenseTexts), arabic);
}

QString receiptText(SeededRandom &rnd, bool arabic)
{
    return text(rnd.pick(kReceiptTexts), arabic);
}

QString openingBalanceText(SeededRandom &rnd, bool arabic)
{
    return text(rnd.pick(kOpeningTexts), arabic);
}

} // namespace DataGeneratorText
