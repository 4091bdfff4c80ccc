<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Lectarium::Book_Menu</name>
    <message>
        <source>اختر قراءة أو أصحاحا أولا</source>
        <translation>اختر قراءة أو أصحاحا أولا</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>معاينة قبل الطباعة</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>تصدير PDF</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmAbout</name>
    <message>
        <source>ليكتاريوم</source>
        <translation>ليكتاريوم</translation>
    </message>
    <message>
        <source>هذا البرنامج خدمة مجانية لأبناء الكنيسة</source>
        <translation>هذا البرنامج خدمة مجانية لأبناء الكنيسة</translation>
    </message>
    <message>
        <source>نقدم هذا العمل</source>
        <translation>نقدم هذا العمل</translation>
    </message>
    <message>
        <source>بصلوات وبركة</source>
        <translation>بصلوات وبركة</translation>
    </message>
    <message>
        <source>صاحب القداسة البابا المعظم</source>
        <translation>صاحب القداسة البابا المعظم</translation>
    </message>
    <message>
        <source>بابا الإسكندرية وبطريرك الكرازة المرقسية</source>
        <translation>بابا الإسكندرية وبطريرك الكرازة المرقسية</translation>
    </message>
    <message>
        <source>وصلوات نيافة الحبر الجليل الأنبا</source>
        <translation>وصلوات نيافة الحبر الجليل الأنبا</translation>
    </message>
    <message>
        <source>أسقف الإيبارشية</source>
        <translation>أسقف الإيبارشية</translation>
    </message>
    <message>
        <source>اذكروا هذا العمل في صلواتكم، وأهدوا نسخة مجانية منه لكل من تعرفون</source>
        <translation>اذكروا هذا العمل في صلواتكم، وأهدوا نسخة مجانية منه لكل من تعرفون</translation>
    </message>
    <message>
        <source>إعداد :</source>
        <translation>إعداد :</translation>
    </message>
    <message>
        <source>فريق إعداد ليكتاريوم</source>
        <translation>فريق إعداد ليكتاريوم</translation>
    </message>
    <message>
        <source>Programmed by :</source>
        <translation>البرمجة :</translation>
    </message>
    <message>
        <source>تصميم وبرمجة</source>
        <translation>تصميم وبرمجة</translation>
    </message>
    <message>
        <source>فريق برمجة ليكتاريوم</source>
        <translation>فريق برمجة ليكتاريوم</translation>
    </message>
    <message>
        <source>الإصدار الأول - 1998</source>
        <translation>الإصدار الأول - 1998</translation>
    </message>
    <message>
        <source>About</source>
        <translation>عن البرنامج</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>هذا هو الإصدار الأول من البرنامج، ونعمل بنعمة الله على إصدار ثان يضم ملخصًا للسنكسار ويأخذ باقتراحات المستخدمين، ثم يليه برنامج للكتاب المقدس المصوّر.</source>
        <translation>هذا هو الإصدار الأول من البرنامج، ونعمل بنعمة الله على إصدار ثان يضم ملخصًا للسنكسار ويأخذ باقتراحات المستخدمين، ثم يليه برنامج للكتاب المقدس المصوّر.</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBible_Select</name>
    <message>
        <source>مجال البحث</source>
        <translation>مجال البحث</translation>
    </message>
    <message>
        <source>البحث</source>
        <translation>البحث</translation>
    </message>
    <message>
        <source>Bible Select</source>
        <translation>البحث في الكتاب المقدس</translation>
    </message>
    <message>
        <source>المراد البحث عنة</source>
        <translation>المراد البحث عنة</translation>
    </message>
    <message>
        <source>تجاهل التشكيل</source>
        <translation>تجاهل التشكيل</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>العهــــــــــــــد القديـــــــــــــم</source>
        <translation>العهــــــــــــــد القديـــــــــــــم</translation>
    </message>
    <message>
        <source>العهــــــــــــــد الجديــــــــــــد</source>
        <translation>العهــــــــــــــد الجديــــــــــــد</translation>
    </message>
    <message>
        <source>أقسام</source>
        <translation>أقسام</translation>
    </message>
    <message>
        <source>عهد قديم</source>
        <translation>عهد قديم</translation>
    </message>
    <message>
        <source>عهد جديد</source>
        <translation>عهد جديد</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>البحث جارى</source>
        <translation>البحث جارى</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>لا يوجد المراد البحث عنة</source>
        <translation>لا يوجد المراد البحث عنة</translation>
    </message>
    <message>
        <source>لا يوجد مجالأ للبحث فيه</source>
        <translation>لا يوجد مجالأ للبحث فيه</translation>
    </message>
    <message>
        <source>نتيجة البحث لا توجد آيات</source>
        <translation>نتيجة البحث لا توجد آيات</translation>
    </message>
    <message>
        <source>نتيجة البحث </source>
        <translation>نتيجة البحث </translation>
    </message>
    <message>
        <source> آية </source>
        <translation> آية </translation>
    </message>
    <message>
        <source>نتيجة البحث فى عدد </source>
        <translation>نتيجة البحث فى عدد </translation>
    </message>
    <message>
        <source> جزئ </source>
        <translation> جزئ </translation>
    </message>
    <message>
        <source>مجال البحث : </source>
        <translation>مجال البحث : </translation>
    </message>
    <message>
        <source>الترجمة التى يبحث فيها</source>
        <translation>الترجمة التى يبحث فيها</translation>
    </message>
    <message>
        <source>كتاب قاعدة البيانات</source>
        <translation>كتاب قاعدة البيانات</translation>
    </message>
    <message>
        <source>الترجمة %1 غير جاهزة للبحث: اخترها فى &quot;ترجمات الكتاب المقدس&quot; أولا</source>
        <translation>الترجمة %1 غير جاهزة للبحث: اخترها فى &quot;ترجمات الكتاب المقدس&quot; أولا</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBible_View</name>
    <message>
        <source>الأصحاح رقم  </source>
        <translation>الأصحاح رقم  </translation>
    </message>
    <message>
        <source>Bible View</source>
        <translation>عرض الكتاب المقدس</translation>
    </message>
    <message>
        <source>قديم</source>
        <translation>قديم</translation>
    </message>
    <message>
        <source>جديد</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>أصحاح رقم </source>
        <translation>أصحاح رقم </translation>
    </message>
    <message>
        <source>أصحاح رقم 1</source>
        <translation>أصحاح رقم 1</translation>
    </message>
    <message>
        <source>لا يوجد أصحاح &quot;%1&quot; فى %2: اكتب رقما من 1 إلى %3</source>
        <translation>لا يوجد أصحاح &quot;%1&quot; فى %2: اكتب رقما من 1 إلى %3</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBibles</name>
    <message>
        <source>ترجمات الكتاب المقدس</source>
        <translation>ترجمات الكتاب المقدس</translation>
    </message>
    <message>
        <source>كتاب قاعدة البيانات</source>
        <translation>كتاب قاعدة البيانات</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>اللغة</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>الوصف</source>
        <translation>الوصف</translation>
    </message>
    <message>
        <source>نظام الترقيم</source>
        <translation>نظام الترقيم</translation>
    </message>
    <message>
        <source>حفظ</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>إلغاء</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>خروج</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>النص الأساسي</source>
        <translation>النص الأساسي</translation>
    </message>
    <message>
        <source>بجانبه</source>
        <translation>بجانبه</translation>
    </message>
    <message>
        <source>جارٍ تجهيز الترجمات… %1</source>
        <translation>جارٍ تجهيز الترجمات… %1</translation>
    </message>
    <message>
        <source>لا توجد ترجمات مثبتة</source>
        <translation>لا توجد ترجمات مثبتة</translation>
    </message>
    <message>
        <source>تم الحفظ</source>
        <translation>تم الحفظ</translation>
    </message>
    <message>
        <source>جارٍ تجهيز الترجمات…</source>
        <translation>جارٍ تجهيز الترجمات…</translation>
    </message>
    <message>
        <source>ألغي التجهيز</source>
        <translation>ألغي التجهيز</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmChurch_Year</name>
    <message>
        <source>السنة الكنسية</source>
        <translation>السنة الكنسية</translation>
    </message>
    <message>
        <source>المساء لليوم التالي (العشية) ابتداءً من الساعة</source>
        <translation>المساء لليوم التالي (العشية) ابتداءً من الساعة</translation>
    </message>
    <message>
        <source>شفيع الكنيسة</source>
        <translation>شفيع الكنيسة</translation>
    </message>
    <message>
        <source>بحث</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>بلا شفيع</source>
        <translation>بلا شفيع</translation>
    </message>
    <message>
        <source>تعذرت قراءة السنكسار: </source>
        <translation>تعذرت قراءة السنكسار: </translation>
    </message>
    <message>
        <source>لم يُختر شفيع</source>
        <translation>لم يُختر شفيع</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmDisplay_Bible</name>
    <message>
        <source>Display Bible</source>
        <translation>عرض الكتاب المقدس</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmDisplay_Reading</name>
    <message>
        <source>Display Reading</source>
        <translation>عرض القراءات</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmIntroduction</name>
    <message>
        <source>+ إعداد النصوص :</source>
        <translation>+ إعداد النصوص :</translation>
    </message>
    <message>
        <source>فريق إعداد ليكتاريوم</source>
        <translation>فريق إعداد ليكتاريوم</translation>
    </message>
    <message>
        <source>+ البرمجة :</source>
        <translation>+ البرمجة :</translation>
    </message>
    <message>
        <source>فريق برمجة ليكتاريوم</source>
        <translation>فريق برمجة ليكتاريوم</translation>
    </message>
    <message>
        <source>+ المراجعة والتدقيق :</source>
        <translation>+ المراجعة والتدقيق :</translation>
    </message>
    <message>
        <source>فريق مراجعة ليكتاريوم</source>
        <translation>فريق مراجعة ليكتاريوم</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>مقدمة</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmLectern</name>
    <message>
        <source>عرض على الشاشة</source>
        <translation>عرض على الشاشة</translation>
    </message>
    <message>
        <source>the day&apos;s readings are shown</source>
        <translation>تُعرض قراءات اليوم</translation>
    </message>
    <message>
        <source>The screen saver could not be held off: </source>
        <translation>تعذر إيقاف حافظ الشاشة: </translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation>تصدير الشرائح</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>ملف PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slides were not written to %1: %2</source>
        <translation>لم تُكتب الشرائح في %1: %2</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSaint_Search</name>
    <message>
        <source>بحث في السنكسار</source>
        <translation>بحث في السنكسار</translation>
    </message>
    <message>
        <source>جزء من الاسم</source>
        <translation>جزء من الاسم</translation>
    </message>
    <message>
        <source>بحث</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>التاريخ القبطي</source>
        <translation>التاريخ القبطي</translation>
    </message>
    <message>
        <source>التاريخ الميلادي</source>
        <translation>التاريخ الميلادي</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>الاسم:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>السنة الميلادية:</source>
        <translation>السنة الميلادية:</translation>
    </message>
    <message>
        <source>تعذرت قراءة السنكسار: </source>
        <translation>تعذرت قراءة السنكسار: </translation>
    </message>
    <message>
        <source>عدد النتائج: %1</source>
        <translation>عدد النتائج: %1</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSant</name>
    <message>
        <source>Sant</source>
        <translation>السنكسار</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSelect_Day</name>
    <message>
        <source>Select Day</source>
        <translation>اختيار اليوم</translation>
    </message>
    <message>
        <source>الشهر التالى</source>
        <translation>الشهر التالى</translation>
    </message>
    <message>
        <source>الشهر السابق</source>
        <translation>الشهر السابق</translation>
    </message>
    <message>
        <source>السنة السابقة</source>
        <translation>السنة السابقة</translation>
    </message>
    <message>
        <source>السنة التالية</source>
        <translation>السنة التالية</translation>
    </message>
    <message>
        <source>اليوم السابق</source>
        <translation>اليوم السابق</translation>
    </message>
    <message>
        <source>اليوم التالى</source>
        <translation>اليوم التالى</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>اليوم</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>الأعياد</source>
        <translation>الأعياد</translation>
    </message>
    <message>
        <source>التاريخ الميلادى</source>
        <translation>التاريخ الميلادى</translation>
    </message>
    <message>
        <source>التاريخ القبطى</source>
        <translation>التاريخ القبطى</translation>
    </message>
    <message>
        <source>التاريخ المكتوب غير صحيح: %1
اكتب السنة ثم الشهر ثم اليوم (2027/03/17 أو 2027-03-17 أو 20270317) أو كما يظهر (17/03/2027).</source>
        <translation>التاريخ المكتوب غير صحيح: %1
اكتب السنة ثم الشهر ثم اليوم (2027/03/17 أو 2027-03-17 أو 20270317) أو كما يظهر (17/03/2027).</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmText</name>
    <message>
        <source>Text File (*.txt)|*.txt</source>
        <translation>ملف نصي (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>File Name ( </source>
        <translation>اسم الملف ( </translation>
    </message>
    <message>
        <source>فى النص حروف لا تكتب بالترميز العربى (1256): %1
هل تحفظ الملف بترميز UTF-8 ؟
نعم: يحفظ بترميز UTF-8      لا: العودة إلى النص دون حفظ</source>
        <translation>فى النص حروف لا تكتب بالترميز العربى (1256): %1
هل تحفظ الملف بترميز UTF-8 ؟
نعم: يحفظ بترميز UTF-8      لا: العودة إلى النص دون حفظ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Text Window</source>
        <translation>نافذة النص</translation>
    </message>
    <message>
        <source>Do you want to Save Change ?</source>
        <translation>هل تريد حفظ التغييرات ؟</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>مربع النص</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>لا يمكن فتح الملف
%1
%2</source>
        <translation>لا يمكن فتح الملف
%1
%2</translation>
    </message>
    <message>
        <source>الملف أطول من %1 حرف، فُتح جزؤه الأول فقط:
%2
وسيُطلب اسم جديد عند الحفظ حتى لا يُكتب الجزء فوق الملف كله.</source>
        <translation>الملف أطول من %1 حرف، فُتح جزؤه الأول فقط:
%2
وسيُطلب اسم جديد عند الحفظ حتى لا يُكتب الجزء فوق الملف كله.</translation>
    </message>
    <message>
        <source>لا يمكن التسجيل
%1
%2</source>
        <translation>لا يمكن التسجيل
%1
%2</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmText_View</name>
    <message>
        <source>الخــــــــــــط</source>
        <translation>الخــــــــــــط</translation>
    </message>
    <message>
        <source>لون الكلام</source>
        <translation>لون الكلام</translation>
    </message>
    <message>
        <source>لون الخلفية</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>ظهور العنوان</source>
        <translation>ظهور العنوان</translation>
    </message>
    <message>
        <source>خط أسفل العنوان</source>
        <translation>خط أسفل العنوان</translation>
    </message>
    <message>
        <source>الخــــــط</source>
        <translation>الخــــــط</translation>
    </message>
    <message>
        <source>الخط</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>View Text Options</source>
        <translation>خيارات عرض النص</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmView_Search</name>
    <message>
        <source>الجـــزئ رقـــــم  </source>
        <translation>الجـــزئ رقـــــم  </translation>
    </message>
    <message>
        <source>الجـــزء رقـــــم  1</source>
        <translation>الجـــزء رقـــــم  1</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmWhere_Read</name>
    <message>
        <source>أين تقرأ هذه القراءة</source>
        <translation>أين تقرأ هذه القراءة</translation>
    </message>
    <message>
        <source>سنة </source>
        <translation>سنة </translation>
    </message>
    <message>
        <source>المناسبة</source>
        <translation>المناسبة</translation>
    </message>
    <message>
        <source>الصلاة</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>القراءة</source>
        <translation>القراءة</translation>
    </message>
    <message>
        <source>الشاهد</source>
        <translation>الشاهد</translation>
    </message>
    <message>
        <source>اليوم</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>لا توجد قراءة لهذه الآيات</source>
        <translation>لا توجد قراءة لهذه الآيات</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmWhole_Day</name>
    <message>
        <source>قراءات اليوم كاملة</source>
        <translation>قراءات اليوم كاملة</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmYear_Calendar</name>
    <message>
        <source>تقويم السنة</source>
        <translation>تقويم السنة</translation>
    </message>
    <message>
        <source>طباعة</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>تصدير PDF</translation>
    </message>
    <message>
        <source>السنة</source>
        <translation>السنة</translation>
    </message>
</context>
<context>
    <name>Lectarium::Help_Viewer</name>
    <message>
        <source>Lectarium - المساعدة</source>
        <translation>ليكتاريوم - المساعدة</translation>
    </message>
    <message>
        <source>المحتويات</source>
        <translation>المحتويات</translation>
    </message>
    <message>
        <source>السابق</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>التالي</source>
        <translation>التالي</translation>
    </message>
</context>
<context>
    <name>Lectarium::MDILectarium</name>
    <message>
        <source>&amp;Reading</source>
        <translation>قراءات اليوم</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>قراءات اليوم</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>View Bible</source>
        <translation>الكتاب المقدس</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Bible Search</source>
        <translation>بحث في الكتاب المقدس</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>&amp;Text View</source>
        <translation>عرض النص</translation>
    </message>
    <message>
        <source>Text_View</source>
        <translation>عرض النص</translation>
    </message>
    <message>
        <source>To&amp;pic</source>
        <translation>موضوعات المساعدة</translation>
    </message>
    <message>
        <source>Help Topic</source>
        <translation>موضوعات المساعدة</translation>
    </message>
    <message>
        <source>عرض على الشاشة</source>
        <translation>عرض على الشاشة</translation>
    </message>
    <message>
        <source>بحث في السنكسار</source>
        <translation>بحث في السنكسار</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>ترجمات الكتاب المقدس</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>عن البرنامج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation>تصدير الشرائح</translation>
    </message>
    <message>
        <source>&amp;Bible</source>
        <translation>الكتاب المقدس</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Date Bar</source>
        <translation>شريط التاريخ</translation>
    </message>
    <message>
        <source>&amp;Massage</source>
        <translation>رسالة التأكيد</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Date &amp;Bar On Top</source>
        <translation>شريط التاريخ في الأعلى</translation>
    </message>
    <message>
        <source>&amp;Reset Date</source>
        <translation>العودة إلى تاريخ اليوم</translation>
    </message>
    <message>
        <source>&amp;Save On Exit</source>
        <translation>حفظ الإعدادات عند الخروج</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>الواجهة الكلاسيكية</translation>
    </message>
    <message>
        <source>ستظهر اللغة المختارة عند تشغيل البرنامج مرة أخرى.</source>
        <translation>ستظهر اللغة المختارة عند تشغيل البرنامج مرة أخرى.</translation>
    </message>
    <message>
        <source>لا يوجد ملف المعاومات الرجاء عمل Setup مرة أخرى</source>
        <translation>لا يوجد ملف المعلومات، الرجاء إعادة تثبيت البرنامج</translation>
    </message>
    <message>
        <source>تعذر فتح ملف المعلومات:
%1
%2</source>
        <translation>تعذر فتح ملف المعلومات:
%1
%2</translation>
    </message>
    <message>
        <source>تعذر حفظ ملف الإعدادات:
%1
%2
سيعمل البرنامج بالإعدادات الافتراضية.</source>
        <translation>تعذر حفظ ملف الإعدادات:
%1
%2
سيعمل البرنامج بالإعدادات الافتراضية.</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>هل أنت متأكد ؟</translation>
    </message>
    <message>
        <source>لا يوجد ملف المساعدة:
%1</source>
        <translation>لا يوجد ملف المساعدة:
%1</translation>
    </message>
    <message>
        <source>تعذر عرض ملف المساعدة:
%1
%2</source>
        <translation>تعذر عرض ملف المساعدة:
%1
%2</translation>
    </message>
    <message>
        <source>تعذر حفظ ملف الإعدادات:
%1
%2</source>
        <translation>تعذر حفظ ملف الإعدادات:
%1
%2</translation>
    </message>
    <message>
        <source>تقويم السنة</source>
        <translation>تقويم السنة</translation>
    </message>
    <message>
        <source>Church &amp;Year...</source>
        <translation>ال&amp;سنة الكنسية...</translation>
    </message>
</context>
<context>
    <name>Lectarium::Pictures</name>
    <message>
        <source>ليكتاريوم</source>
        <translation>ليكتاريوم</translation>
    </message>
    <message>
        <source>القطمارس القبطي لكل أيام السنة</source>
        <translation>القطمارس القبطي لكل أيام السنة</translation>
    </message>
    <message>
        <source>اضغط أي مفتاح أو انقر الصورة للمتابعة</source>
        <translation>اضغط أي مفتاح أو انقر الصورة للمتابعة</translation>
    </message>
</context>
<context>
    <name>Lectarium::Printing</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>لا توجد نافذة نص للطباعة</source>
        <translation>لا توجد نافذة نص للطباعة</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>ملف PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>تصدير PDF</translation>
    </message>
    <message>
        <source>لا يمكن التسجيل
%1
%2</source>
        <translation>لا يمكن التسجيل
%1
%2</translation>
    </message>
</context>
<context>
    <name>MdlLectarium::Where_Read</name>
    <message>
        <source>not a reading reference of a known book: </source>
        <translation>ليس شاهد قراءة من سفر معروف: </translation>
    </message>
</context>
</TS>
