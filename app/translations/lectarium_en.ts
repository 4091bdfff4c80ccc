<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Lectarium::Book_Menu</name>
    <message>
        <source>اختر قراءة أو أصحاحا أولا</source>
        <translation>Choose a reading or a chapter first</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmAbout</name>
    <message>
        <source>ليكتاريوم</source>
        <translation>Lectarium</translation>
    </message>
    <message>
        <source>هذا البرنامج خدمة مجانية لأبناء الكنيسة</source>
        <translation>This program is a free service for the children of the Church</translation>
    </message>
    <message>
        <source>نقدم هذا العمل</source>
        <translation>We offer this work</translation>
    </message>
    <message>
        <source>بصلوات وبركة</source>
        <translation>with the prayers and blessing of</translation>
    </message>
    <message>
        <source>صاحب القداسة البابا المعظم</source>
        <translation>His Holiness the Pope</translation>
    </message>
    <message>
        <source>بابا الإسكندرية وبطريرك الكرازة المرقسية</source>
        <translation>Pope of Alexandria and Patriarch of the See of Saint Mark</translation>
    </message>
    <message>
        <source>وصلوات نيافة الحبر الجليل الأنبا</source>
        <translation>and the prayers of His Grace Bishop</translation>
    </message>
    <message>
        <source>أسقف الإيبارشية</source>
        <translation>Bishop of the Diocese</translation>
    </message>
    <message>
        <source>اذكروا هذا العمل في صلواتكم، وأهدوا نسخة مجانية منه لكل من تعرفون</source>
        <translation>Remember this work in your prayers, and give a free copy of it to everyone you know</translation>
    </message>
    <message>
        <source>إعداد :</source>
        <translation>Prepared by :</translation>
    </message>
    <message>
        <source>فريق إعداد ليكتاريوم</source>
        <translation>The Lectarium preparation team</translation>
    </message>
    <message>
        <source>Programmed by :</source>
        <translation>Programmed by :</translation>
    </message>
    <message>
        <source>تصميم وبرمجة</source>
        <translation>Design and programming</translation>
    </message>
    <message>
        <source>فريق برمجة ليكتاريوم</source>
        <translation>The Lectarium programming team</translation>
    </message>
    <message>
        <source>الإصدار الأول - 1998</source>
        <translation>First edition - 1998</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>هذا هو الإصدار الأول من البرنامج، ونعمل بنعمة الله على إصدار ثان يضم ملخصًا للسنكسار ويأخذ باقتراحات المستخدمين، ثم يليه برنامج للكتاب المقدس المصوّر.</source>
        <translation>This is the first edition of the program. By the grace of God we are working on a second edition with a summary of the Synaxarium and the suggestions of its users, to be followed by a program for the illustrated Bible.</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBible_Select</name>
    <message>
        <source>مجال البحث</source>
        <translation>Search Scope</translation>
    </message>
    <message>
        <source>البحث</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Bible Select</source>
        <translation>Bible Select</translation>
    </message>
    <message>
        <source>المراد البحث عنة</source>
        <translation>Search for</translation>
    </message>
    <message>
        <source>تجاهل التشكيل</source>
        <translation>Ignore diacritics</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>العهــــــــــــــد القديـــــــــــــم</source>
        <translation>Old Testament</translation>
    </message>
    <message>
        <source>العهــــــــــــــد الجديــــــــــــد</source>
        <translation>New Testament</translation>
    </message>
    <message>
        <source>أقسام</source>
        <translation>Sections</translation>
    </message>
    <message>
        <source>عهد قديم</source>
        <translation>Old Testament</translation>
    </message>
    <message>
        <source>عهد جديد</source>
        <translation>New Testament</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>البحث جارى</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>لا يوجد المراد البحث عنة</source>
        <translation>Nothing to search for</translation>
    </message>
    <message>
        <source>لا يوجد مجالأ للبحث فيه</source>
        <translation>No scope to search in</translation>
    </message>
    <message>
        <source>نتيجة البحث لا توجد آيات</source>
        <translation>Search result: no verses</translation>
    </message>
    <message>
        <source>نتيجة البحث </source>
        <translation>Search result: </translation>
    </message>
    <message>
        <source> آية </source>
        <translation> verses </translation>
    </message>
    <message>
        <source>نتيجة البحث فى عدد </source>
        <translation>Search result in </translation>
    </message>
    <message>
        <source> جزئ </source>
        <translation> parts </translation>
    </message>
    <message>
        <source>مجال البحث : </source>
        <translation>Search scope: </translation>
    </message>
    <message>
        <source>الترجمة التى يبحث فيها</source>
        <translation>The translation to search</translation>
    </message>
    <message>
        <source>كتاب قاعدة البيانات</source>
        <translation>The database&apos;s Bible</translation>
    </message>
    <message>
        <source>الترجمة %1 غير جاهزة للبحث: اخترها فى &quot;ترجمات الكتاب المقدس&quot; أولا</source>
        <translation>The translation %1 is not ready to search: choose it in &quot;Bible Translations&quot; first</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBible_View</name>
    <message>
        <source>الأصحاح رقم  </source>
        <translation>Chapter  </translation>
    </message>
    <message>
        <source>Bible View</source>
        <translation>Bible View</translation>
    </message>
    <message>
        <source>قديم</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>جديد</source>
        <translation>New</translation>
    </message>
    <message>
        <source>أصحاح رقم </source>
        <translation>Chapter </translation>
    </message>
    <message>
        <source>أصحاح رقم 1</source>
        <translation>Chapter 1</translation>
    </message>
    <message>
        <source>لا يوجد أصحاح &quot;%1&quot; فى %2: اكتب رقما من 1 إلى %3</source>
        <translation>There is no chapter &quot;%1&quot; in %2: type a number from 1 to %3</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmBibles</name>
    <message>
        <source>ترجمات الكتاب المقدس</source>
        <translation>Bible Translations</translation>
    </message>
    <message>
        <source>كتاب قاعدة البيانات</source>
        <translation>The database&apos;s Bible</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>اللغة</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>الوصف</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>نظام الترقيم</source>
        <translation>Versification</translation>
    </message>
    <message>
        <source>حفظ</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>إلغاء</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>خروج</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>النص الأساسي</source>
        <translation>Main text</translation>
    </message>
    <message>
        <source>بجانبه</source>
        <translation>Beside it</translation>
    </message>
    <message>
        <source>جارٍ تجهيز الترجمات… %1</source>
        <translation>Preparing the translations… %1</translation>
    </message>
    <message>
        <source>لا توجد ترجمات مثبتة</source>
        <translation>No translations installed</translation>
    </message>
    <message>
        <source>تم الحفظ</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>جارٍ تجهيز الترجمات…</source>
        <translation>Preparing the translations…</translation>
    </message>
    <message>
        <source>ألغي التجهيز</source>
        <translation>Preparation cancelled</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmChurch_Year</name>
    <message>
        <source>السنة الكنسية</source>
        <translation>Church Year</translation>
    </message>
    <message>
        <source>المساء لليوم التالي (العشية) ابتداءً من الساعة</source>
        <translation>The evening belongs to the next day (Vespers) from the hour</translation>
    </message>
    <message>
        <source>شفيع الكنيسة</source>
        <translation>The church&apos;s patron saint</translation>
    </message>
    <message>
        <source>بحث</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>بلا شفيع</source>
        <translation>No patron saint</translation>
    </message>
    <message>
        <source>تعذرت قراءة السنكسار: </source>
        <translation>The Synaxarium could not be read: </translation>
    </message>
    <message>
        <source>لم يُختر شفيع</source>
        <translation>No patron saint chosen</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmDisplay_Bible</name>
    <message>
        <source>Display Bible</source>
        <translation>Display Bible</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmDisplay_Reading</name>
    <message>
        <source>Display Reading</source>
        <translation>Display Reading</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmIntroduction</name>
    <message>
        <source>+ إعداد النصوص :</source>
        <translation>+ Texts prepared by :</translation>
    </message>
    <message>
        <source>فريق إعداد ليكتاريوم</source>
        <translation>The Lectarium preparation team</translation>
    </message>
    <message>
        <source>+ البرمجة :</source>
        <translation>+ Programming :</translation>
    </message>
    <message>
        <source>فريق برمجة ليكتاريوم</source>
        <translation>The Lectarium programming team</translation>
    </message>
    <message>
        <source>+ المراجعة والتدقيق :</source>
        <translation>+ Review and proofreading :</translation>
    </message>
    <message>
        <source>فريق مراجعة ليكتاريوم</source>
        <translation>The Lectarium review team</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmLectern</name>
    <message>
        <source>عرض على الشاشة</source>
        <translation>Show on Screen</translation>
    </message>
    <message>
        <source>the day&apos;s readings are shown</source>
        <translation>the day&apos;s readings are shown</translation>
    </message>
    <message>
        <source>The screen saver could not be held off: </source>
        <translation>The screen saver could not be held off: </translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation>Export Slides</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>The slides were not written to %1: %2</source>
        <translation>The slides were not written to %1: %2</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSaint_Search</name>
    <message>
        <source>بحث في السنكسار</source>
        <translation>Search the Synaxarium</translation>
    </message>
    <message>
        <source>جزء من الاسم</source>
        <translation>Part of the name</translation>
    </message>
    <message>
        <source>بحث</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>التاريخ القبطي</source>
        <translation>Coptic date</translation>
    </message>
    <message>
        <source>التاريخ الميلادي</source>
        <translation>Gregorian date</translation>
    </message>
    <message>
        <source>الاسم</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>الاسم:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>السنة الميلادية:</source>
        <translation>Gregorian year:</translation>
    </message>
    <message>
        <source>تعذرت قراءة السنكسار: </source>
        <translation>The Synaxarium could not be read: </translation>
    </message>
    <message>
        <source>عدد النتائج: %1</source>
        <translation>Results: %1</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSant</name>
    <message>
        <source>Sant</source>
        <translation>Sant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmSelect_Day</name>
    <message>
        <source>Select Day</source>
        <translation>Select Day</translation>
    </message>
    <message>
        <source>الشهر التالى</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>الشهر السابق</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>السنة السابقة</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>السنة التالية</source>
        <translation>Next year</translation>
    </message>
    <message>
        <source>اليوم السابق</source>
        <translation>Previous day</translation>
    </message>
    <message>
        <source>اليوم التالى</source>
        <translation>Next day</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>اليوم</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>الأعياد</source>
        <translation>Feasts</translation>
    </message>
    <message>
        <source>التاريخ الميلادى</source>
        <translation>Gregorian date</translation>
    </message>
    <message>
        <source>التاريخ القبطى</source>
        <translation>Coptic date</translation>
    </message>
    <message>
        <source>التاريخ المكتوب غير صحيح: %1
اكتب السنة ثم الشهر ثم اليوم (2027/03/17 أو 2027-03-17 أو 20270317) أو كما يظهر (17/03/2027).</source>
        <translation>The date typed is not valid: %1
Type the year, then the month, then the day (2027/03/17 or 2027-03-17 or 20270317) or as shown (17/03/2027).</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmText</name>
    <message>
        <source>Text File (*.txt)|*.txt</source>
        <translation>Text File (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>File Name ( </source>
        <translation>File Name ( </translation>
    </message>
    <message>
        <source>فى النص حروف لا تكتب بالترميز العربى (1256): %1
هل تحفظ الملف بترميز UTF-8 ؟
نعم: يحفظ بترميز UTF-8      لا: العودة إلى النص دون حفظ</source>
        <translation>The text has letters the Arabic code page (1256) cannot write: %1
Save the file as UTF-8?
Yes: save as UTF-8      No: back to the text without saving</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Text Window</source>
        <translation>Text Window</translation>
    </message>
    <message>
        <source>Do you want to Save Change ?</source>
        <translation>Do you want to Save Change ?</translation>
    </message>
    <message>
        <source>Text Box</source>
        <translation>Text Box</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>لا يمكن فتح الملف
%1
%2</source>
        <translation>The file cannot be opened
%1
%2</translation>
    </message>
    <message>
        <source>الملف أطول من %1 حرف، فُتح جزؤه الأول فقط:
%2
وسيُطلب اسم جديد عند الحفظ حتى لا يُكتب الجزء فوق الملف كله.</source>
        <translation>The file is longer than %1 characters; only its first part was opened:
%2
A new name will be asked for on saving, so the part is not written over the whole file.</translation>
    </message>
    <message>
        <source>لا يمكن التسجيل
%1
%2</source>
        <translation>Cannot save
%1
%2</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmText_View</name>
    <message>
        <source>الخــــــــــــط</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>لون الكلام</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>لون الخلفية</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>ظهور العنوان</source>
        <translation>Show the title</translation>
    </message>
    <message>
        <source>خط أسفل العنوان</source>
        <translation>Underline the title</translation>
    </message>
    <message>
        <source>الخــــــط</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>الخط</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>View Text Options</source>
        <translation>View Text Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmView_Search</name>
    <message>
        <source>الجـــزئ رقـــــم  </source>
        <translation>Part  </translation>
    </message>
    <message>
        <source>الجـــزء رقـــــم  1</source>
        <translation>Part  1</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmWhere_Read</name>
    <message>
        <source>أين تقرأ هذه القراءة</source>
        <translation>Where This Reading Is Read</translation>
    </message>
    <message>
        <source>سنة </source>
        <translation>Year </translation>
    </message>
    <message>
        <source>المناسبة</source>
        <translation>Occasion</translation>
    </message>
    <message>
        <source>الصلاة</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>القراءة</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>الشاهد</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>اليوم</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>لا توجد قراءة لهذه الآيات</source>
        <translation>No reading has these verses</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmWhole_Day</name>
    <message>
        <source>قراءات اليوم كاملة</source>
        <translation>Whole Day</translation>
    </message>
</context>
<context>
    <name>Lectarium::FrmYear_Calendar</name>
    <message>
        <source>تقويم السنة</source>
        <translation>Year Calendar</translation>
    </message>
    <message>
        <source>طباعة</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>السنة</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>Lectarium::Help_Viewer</name>
    <message>
        <source>Lectarium - المساعدة</source>
        <translation>Lectarium - Help</translation>
    </message>
    <message>
        <source>المحتويات</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>السابق</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>التالي</source>
        <translation>Forward</translation>
    </message>
</context>
<context>
    <name>Lectarium::MDILectarium</name>
    <message>
        <source>&amp;Reading</source>
        <translation>&amp;Reading</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>View Bible</source>
        <translation>View Bible</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>Searc&amp;h</translation>
    </message>
    <message>
        <source>Bible Search</source>
        <translation>Bible Search</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Text View</source>
        <translation>&amp;Text View</translation>
    </message>
    <message>
        <source>Text_View</source>
        <translation>Text_View</translation>
    </message>
    <message>
        <source>To&amp;pic</source>
        <translation>To&amp;pic</translation>
    </message>
    <message>
        <source>Help Topic</source>
        <translation>Help Topic</translation>
    </message>
    <message>
        <source>عرض على الشاشة</source>
        <translation>Show on Screen</translation>
    </message>
    <message>
        <source>بحث في السنكسار</source>
        <translation>Search the Synaxarium</translation>
    </message>
    <message>
        <source>&amp;Translations</source>
        <translation>&amp;Translations</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export Slides</source>
        <translation>Export Slides</translation>
    </message>
    <message>
        <source>&amp;Bible</source>
        <translation>&amp;Bible</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Date Bar</source>
        <translation>&amp;Date Bar</translation>
    </message>
    <message>
        <source>&amp;Massage</source>
        <translation>&amp;Massage</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Date &amp;Bar On Top</source>
        <translation>Date &amp;Bar On Top</translation>
    </message>
    <message>
        <source>&amp;Reset Date</source>
        <translation>&amp;Reset Date</translation>
    </message>
    <message>
        <source>&amp;Save On Exit</source>
        <translation>&amp;Save On Exit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>ستظهر اللغة المختارة عند تشغيل البرنامج مرة أخرى.</source>
        <translation>The chosen language will show the next time the program starts.</translation>
    </message>
    <message>
        <source>لا يوجد ملف المعاومات الرجاء عمل Setup مرة أخرى</source>
        <translation>The data file is missing; please run the setup again</translation>
    </message>
    <message>
        <source>تعذر فتح ملف المعلومات:
%1
%2</source>
        <translation>The data file could not be opened:
%1
%2</translation>
    </message>
    <message>
        <source>تعذر حفظ ملف الإعدادات:
%1
%2
سيعمل البرنامج بالإعدادات الافتراضية.</source>
        <translation>The settings file could not be saved:
%1
%2
The program will run with the default settings.</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Are you sure ?</translation>
    </message>
    <message>
        <source>لا يوجد ملف المساعدة:
%1</source>
        <translation>The help file is missing:
%1</translation>
    </message>
    <message>
        <source>تعذر عرض ملف المساعدة:
%1
%2</source>
        <translation>The help file could not be shown:
%1
%2</translation>
    </message>
    <message>
        <source>تعذر حفظ ملف الإعدادات:
%1
%2</source>
        <translation>The settings file could not be saved:
%1
%2</translation>
    </message>
    <message>
        <source>تقويم السنة</source>
        <translation>Year Calendar</translation>
    </message>
    <message>
        <source>Church &amp;Year...</source>
        <translation>Church &amp;Year...</translation>
    </message>
</context>
<context>
    <name>Lectarium::Pictures</name>
    <message>
        <source>ليكتاريوم</source>
        <translation>Lectarium</translation>
    </message>
    <message>
        <source>القطمارس القبطي لكل أيام السنة</source>
        <translation>The Coptic Lectionary for every day of the year</translation>
    </message>
    <message>
        <source>اضغط أي مفتاح أو انقر الصورة للمتابعة</source>
        <translation>Press any key or click the picture to continue</translation>
    </message>
</context>
<context>
    <name>Lectarium::Printing</name>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>لا توجد نافذة نص للطباعة</source>
        <translation>There is no text window to print</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)|*.pdf</source>
        <translation>PDF File (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>لا يمكن التسجيل
%1
%2</source>
        <translation>Cannot save
%1
%2</translation>
    </message>
</context>
<context>
    <name>MdlLectarium::Where_Read</name>
    <message>
        <source>not a reading reference of a known book: </source>
        <translation>Not a reading reference of a known book: </translation>
    </message>
</context>
</TS>
