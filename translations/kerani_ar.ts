<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Kerani</source>
        <translation>حول Kerani</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Kerani&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A desktop world clock: one small window with the time, the date and the Hijri date of every city you choose.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Kerani&lt;/h2&gt;&lt;p&gt;الإصدار %1&lt;/p&gt;&lt;p&gt;ساعة عالمية لسطح المكتب: نافذة صغيرة واحدة تعرض الوقت والتاريخ والتاريخ الهجري لكل مدينة تختارها.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>AppFolder</name>
    <message>
        <source>%1 could not be made when Kerani started, and Kerani runs on its factory copy %2, which it never changes.</source>
        <translation>تعذّر إنشاء ⁦%1⁩ عند بدء تشغيل Kerani، ولذلك يعمل على نسخة المصنع ⁦%2⁩ التي لا يغيّرها أبدًا.</translation>
    </message>
    <message>
        <source>the folder %1 does not exist and cannot be made</source>
        <translation>المجلد ⁦%1⁩ غير موجود ولا يمكن إنشاؤه</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>⁦%1⁩ ليس مجلدًا</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>المجلد ⁦%1⁩ للقراءة فقط</translation>
    </message>
    <message>
        <source>It runs on the factory settings.</source>
        <translation>وهو يعمل بإعدادات المصنع.</translation>
    </message>
    <message>
        <source>It runs on the settings saved before.</source>
        <translation>وهو يعمل بالإعدادات التي حُفظت من قبل.</translation>
    </message>
    <message>
        <source>Kerani cannot save any changes: %1.

%2</source>
        <translation>لا يستطيع Kerani حفظ أي تغييرات: %1.

%2</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>&amp;New Clock...</source>
        <translation>ساعة &amp;جديدة...</translation>
    </message>
    <message>
        <source>&amp;Add Country/City...</source>
        <translation>إ&amp;ضافة بلد/مدينة...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;خيارات...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>Kerani v%1</source>
        <translation>Kerani، الإصدار %1</translation>
    </message>
    <message>
        <source>&amp;Copy Times</source>
        <translation>ن&amp;سخ الأوقات</translation>
    </message>
</context>
<context>
    <name>CityCombo</name>
    <message>
        <source>Type to search</source>
        <translation>اكتب للبحث</translation>
    </message>
    <message>
        <source>Matching cities</source>
        <translation>المدن المطابقة</translation>
    </message>
</context>
<context>
    <name>CityEditor</name>
    <message>
        <source>One or more field(s) are empty</source>
        <translation>حقل واحد أو أكثر فارغ</translation>
    </message>
    <message>
        <source>Wrong Time Zone Format</source>
        <translation>صيغة المنطقة الزمنية غير صحيحة</translation>
    </message>
    <message>
        <source>Select Flag First.</source>
        <translation>اختر العلم أولًا.</translation>
    </message>
    <message>
        <source>There is no country to delete.</source>
        <translation>لا يوجد بلد لحذفه.</translation>
    </message>
    <message>
        <source>Select the country to delete in the list.</source>
        <translation>اختر من القائمة البلد الذي تريد حذفه.</translation>
    </message>
    <message>
        <source>You can not delete this country
because it is in-use.</source>
        <translation>لا يمكنك حذف هذا البلد
لأنه مستخدم.</translation>
    </message>
    <message>
        <source>Country/City not found!</source>
        <translation>لم يُعثر على البلد/المدينة!</translation>
    </message>
    <message>
        <source>The file name must be 3 letters length
and be placed in [flags] directory.</source>
        <translation>يجب أن يتكون اسم الملف من 3 أحرف
وأن يكون في مجلد [flags].</translation>
    </message>
    <message>
        <source>Do you want to delete this country?</source>
        <translation>هل تريد حذف هذا البلد؟</translation>
    </message>
    <message>
        <source>Add Country/City</source>
        <translation>إضافة بلد/مدينة</translation>
    </message>
    <message>
        <source>Country/City N&amp;ame</source>
        <translation>اسم البلد/ال&amp;مدينة</translation>
    </message>
    <message>
        <source>&amp;Time Zone</source>
        <translation>المنطقة ال&amp;زمنية</translation>
    </message>
    <message>
        <source>[Ex. +02:00]</source>
        <translation>[مثال: ‎+02:00]</translation>
    </message>
    <message>
        <source>Flag picture</source>
        <translation>صورة العلم</translation>
    </message>
    <message>
        <source>F&amp;lag</source>
        <translation>ال&amp;علم</translation>
    </message>
    <message>
        <source>Flag code</source>
        <translation>رمز العلم</translation>
    </message>
    <message>
        <source>&amp;From File</source>
        <translation>من م&amp;لف</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>ح&amp;ذف</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Country/City List</source>
        <translation>قائمة البلدان والمدن</translation>
    </message>
    <message>
        <source>Please Wait .....</source>
        <translation>يرجى الانتظار .....</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>ملفات الصور النقطية (*.bmp)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Search the city list</source>
        <translation>البحث في قائمة المدن</translation>
    </message>
</context>
<context>
    <name>CityListFile</name>
    <message>
        <source>The city line &quot;%1&quot; is not well-formed.</source>
        <translation>سطر المدينة «⁨%1⁩» غير سليم.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>⁦%1⁩ غير موجود.</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>تعذّرت قراءة ⁦%1⁩.
%2</translation>
    </message>
    <message>
        <source>The city list could not be saved.
%1</source>
        <translation>تعذّر حفظ قائمة المدن.
%1</translation>
    </message>
</context>
<context>
    <name>ClockListEditor</name>
    <message>
        <source>New Clock</source>
        <translation>ساعة جديدة</translation>
    </message>
    <message>
        <source> Select Country/City </source>
        <translation> اختر بلدًا أو مدينة </translation>
    </message>
    <message>
        <source>Country or city</source>
        <translation>البلد أو المدينة</translation>
    </message>
    <message>
        <source>&amp;Add To List</source>
        <translation>إ&amp;ضافة إلى القائمة</translation>
    </message>
    <message>
        <source>Clocks</source>
        <translation>الساعات</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>إلى الأعلى</translation>
    </message>
    <message>
        <source>Move the clock up</source>
        <translation>نقل الساعة إلى الأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>إلى الأسفل</translation>
    </message>
    <message>
        <source>Move the clock down</source>
        <translation>نقل الساعة إلى الأسفل</translation>
    </message>
    <message>
        <source>&amp;Remove From List</source>
        <translation>إ&amp;زالة من القائمة</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;حفظ القائمة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Please Wait .....</source>
        <translation>يرجى الانتظار .....</translation>
    </message>
    <message>
        <source>The list cannot hold more than %1 clocks.</source>
        <translation>لا تتسع القائمة لأكثر من %1 ساعة.</translation>
    </message>
    <message>
        <source>You must have one country at least.</source>
        <translation>يجب أن يبقى بلد واحد على الأقل.</translation>
    </message>
    <message>
        <source>There are no country to remove.</source>
        <translation>لا يوجد بلد لإزالته.</translation>
    </message>
    <message>
        <source>Select country first.</source>
        <translation>اختر بلدًا أولًا.</translation>
    </message>
    <message>
        <source>The list is empty ?!</source>
        <translation>القائمة فارغة؟!</translation>
    </message>
    <message>
        <source>The clock list could not be saved: %1</source>
        <translation>تعذّر حفظ قائمة الساعات: %1</translation>
    </message>
    <message>
        <source>Clocks list are saved!</source>
        <translation>حُفظت قائمة الساعات!</translation>
    </message>
    <message>
        <source>%1 [%2] (not in the city list)</source>
        <translation>⁨%1⁩ [⁦%2⁩] (ليست في قائمة المدن)</translation>
    </message>
    <message>
        <source>The city list no longer holds this city as the clock has it (%1). The clock is kept as it is; remove it and add the city again to take the city list&apos;s line.</source>
        <translation>لم تعد قائمة المدن تحوي هذه المدينة كما هي في الساعة (⁨%1⁩). تبقى الساعة كما هي؛ احذفها ثم أضف المدينة من جديد لتأخذ سطرها من قائمة المدن.</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>The clocks show %1 from now. Click or press Esc to see now.</source>
        <translation>تعرض الساعات الوقت بفارق %1 عن الآن. انقر أو اضغط Esc لعرض الوقت الحالي.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>جرّب &apos;%1 --help&apos; لعرض الخيارات.</translation>
    </message>
    <message>
        <source>Kerani, a desktop world clock. Without options it shows its clock window.</source>
        <translation>Kerani، ساعة عالمية لسطح المكتب. يعرض نافذة الساعات إذا شُغّل بلا خيارات.</translation>
    </message>
    <message>
        <source>Print the clocks as text and end, without a window: one line per clock, with its name, time, date, opposite date and followed zone, separated by tabs.</source>
        <translation>يطبع الساعات نصًّا ثم ينتهي دون نافذة: سطر لكل ساعة فيه اسمها ووقتها وتاريخها وتاريخها الهجري والمنطقة الزمنية التي تتبعها، تفصل بينها علامات جدولة.</translation>
    </message>
    <message>
        <source>With --print: the clocks at this instant instead of now, in ISO 8601 with Z or an offset (2026-03-29T00:59:59Z, 2026-03-29T02:59:59+02:00).</source>
        <translation>مع --print: الساعات في هذه اللحظة بدلًا من الآن، بصيغة ISO 8601 مع Z أو فارق توقيت (2026-03-29T00:59:59Z، 2026-03-29T02:59:59+02:00).</translation>
    </message>
    <message>
        <source>time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--at goes with --print.</source>
        <translation>لا يُستخدم --at إلا مع --print.</translation>
    </message>
    <message>
        <source>--at needs an instant in ISO 8601 with Z or an offset from UTC, such as 2026-03-29T00:59:59Z or 2026-03-29T02:59:59+02:00, in the years 1000 to 9999, not &apos;%1&apos;.</source>
        <translation>يحتاج --at إلى لحظة بصيغة ISO 8601 مع Z أو فارق عن UTC، مثل 2026-03-29T00:59:59Z أو 2026-03-29T02:59:59+02:00، في السنوات من 1000 إلى 9999، لا &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>DataFiles</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>تتعذّر قراءة ⁦%1⁩: %2</translation>
    </message>
</context>
<context>
    <name>LookAhead</name>
    <message>
        <source>%1 d</source>
        <translation>%1 ي</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 س</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
</context>
<context>
    <name>MenuLauncher</name>
    <message>
        <source>Kerani: click for the menu</source>
        <translation>Kerani: انقر لفتح القائمة</translation>
    </message>
    <message>
        <source>Kerani menu</source>
        <translation>قائمة Kerani</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Select</source>
        <translation>اختيار</translation>
    </message>
    <message>
        <source>Long Date</source>
        <translation>التاريخ الطويل</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source> Options </source>
        <translation> الخيارات </translation>
    </message>
    <message>
        <source>&amp;Hide SysTray Icon</source>
        <translation>إ&amp;خفاء الأيقونة من منطقة الإعلام</translation>
    </message>
    <message>
        <source>Clocks &amp;Always On Top</source>
        <translation>الساعات دائمًا في ال&amp;مقدمة</translation>
    </message>
    <message>
        <source>Display Cloc&amp;k</source>
        <translation>عرض ال&amp;ساعة</translation>
    </message>
    <message>
        <source>Display &amp;Time</source>
        <translation>عرض ال&amp;وقت</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>صيغة الوقت</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <extracomment>The long formats show the seconds.</extracomment>
        <translation>12 ساعة (ص/م)</translation>
    </message>
    <message>
        <source>24Hour</source>
        <translation>24 ساعة</translation>
    </message>
    <message>
        <source>Long AM/PM</source>
        <translation>12 ساعة مع الثواني</translation>
    </message>
    <message>
        <source>Long 24Hour</source>
        <translation>24 ساعة مع الثواني</translation>
    </message>
    <message>
        <source>Time &amp;Format :</source>
        <translation>صيغة الو&amp;قت:</translation>
    </message>
    <message>
        <source>Display &amp;Date</source>
        <translation>&amp;عرض التاريخ</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>صيغة التاريخ</translation>
    </message>
    <message>
        <source>Date Fo&amp;rmat :</source>
        <translation>صيغة ال&amp;تاريخ:</translation>
    </message>
    <message>
        <source>Display &amp;Opposite Date</source>
        <extracomment>The opposite date: the date in the Hijri calendar.</extracomment>
        <translation>عرض التاريخ ال&amp;هجري</translation>
    </message>
    <message>
        <source>Opposite Date Format</source>
        <translation>صيغة التاريخ الهجري</translation>
    </message>
    <message>
        <source>Date For&amp;mat :</source>
        <translation>صيغة التار&amp;يخ:</translation>
    </message>
    <message>
        <source>Opposite Date Differences</source>
        <translation>تعديل التاريخ الهجري</translation>
    </message>
    <message>
        <source>Opposite Date Diffr&amp;ences</source>
        <translation>تع&amp;ديل التاريخ الهجري (بالأيام):</translation>
    </message>
    <message>
        <source>Follow Daylight Sa&amp;ving Time</source>
        <translation>اتباع التوقيت ال&amp;صيفي</translation>
    </message>
    <message>
        <source> Local Country/City </source>
        <translation> البلد أو المدينة المحلية </translation>
    </message>
    <message>
        <source>Local Country/City</source>
        <translation>البلد أو المدينة المحلية</translation>
    </message>
    <message>
        <source> Clock Style </source>
        <translation> مظهر الساعات </translation>
    </message>
    <message>
        <source>Style_%1</source>
        <extracomment>A clock face&apos;s name, as the help file gives it (&quot;Style_01&quot;).</extracomment>
        <translation>Style_%1</translation>
    </message>
    <message>
        <source>Clock Picture</source>
        <translation>شكل الساعة</translation>
    </message>
    <message>
        <source>Clock &amp;Picture :</source>
        <translation>&amp;شكل الساعة:</translation>
    </message>
    <message>
        <source>Clocks BackGround :</source>
        <translation>خلفية الساعات:</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;بلا</translation>
    </message>
    <message>
        <source>Pict&amp;ure</source>
        <translation>صو&amp;رة</translation>
    </message>
    <message>
        <source>Select background picture</source>
        <translation>اختيار صورة الخلفية</translation>
    </message>
    <message>
        <source>Solid Co&amp;lor</source>
        <translation>&amp;لون موحّد</translation>
    </message>
    <message>
        <source>Solid colour</source>
        <translation>اللون الموحّد</translation>
    </message>
    <message>
        <source>Select solid colour</source>
        <translation>اختيار اللون الموحّد</translation>
    </message>
    <message>
        <source>&amp;Gradient/One Color</source>
        <translation>تدر&amp;ج/لون واحد</translation>
    </message>
    <message>
        <source>Gradient colour</source>
        <translation>لون التدرج</translation>
    </message>
    <message>
        <source>Select gradient colour</source>
        <translation>اختيار لون التدرج</translation>
    </message>
    <message>
        <source>Reverse D&amp;ir</source>
        <translation>ع&amp;كس الاتجاه</translation>
    </message>
    <message>
        <source>Gradient/T&amp;wo Colors</source>
        <translation>تدرج/لونا&amp;ن</translation>
    </message>
    <message>
        <source>Top colour</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Select top colour</source>
        <translation>اختيار اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom colour</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Select bottom colour</source>
        <translation>اختيار اللون السفلي</translation>
    </message>
    <message>
        <source>Clock style preview</source>
        <translation>معاينة مظهر الساعات</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Style not found!</source>
        <translation>لم يُعثر على شكل الساعة!</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>ملفات الصور النقطية (*.bmp)</translation>
    </message>
    <message>
        <source>The options could not be saved: %1</source>
        <translation>تعذّر حفظ الخيارات: %1</translation>
    </message>
    <message>
        <source>Options are saved !</source>
        <translation>حُفظت الخيارات!</translation>
    </message>
    <message>
        <source>Keep Window Position</source>
        <translation>الاحتفاظ بموضع النافذة</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>%1 cannot be read, so it was not changed.</source>
        <translation>تتعذّر قراءة ⁦%1⁩، ولذلك لم يُغيَّر.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, else &quot;LTR&quot;.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>⁦%1⁩ مجلد وليس ملفًا.</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>⁦%1⁩ ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, too large to be read.</source>
        <translation>⁦%1⁩ أكبر من %2 بايت، وهذا أكبر من أن يُقرأ.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist.</source>
        <translation>⁦%1⁩ رابط إلى ⁦%2⁩، وهو غير موجود.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>⁦%1⁩ غير موجود.</translation>
    </message>
    <message>
        <source>%1 is a chain of links that does not end.</source>
        <translation>⁦%1⁩ سلسلة روابط لا تنتهي.</translation>
    </message>
</context>
<context>
    <name>ScratchReplace</name>
    <message>
        <source>%1 could not be created: %2</source>
        <translation>تعذّر إنشاء ⁦%1⁩: %2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>تعذّرت الكتابة في ⁦%1⁩: %2</translation>
    </message>
    <message>
        <source>%1 cannot be replaced through a scratch file of its own name.</source>
        <translation>لا يمكن استبدال ⁦%1⁩ عبر ملف مؤقت يحمل اسمه نفسه.</translation>
    </message>
    <message>
        <source>%1 could not be removed.</source>
        <translation>تعذّر حذف ⁦%1⁩.</translation>
    </message>
    <message>
        <source>%1 could not be replaced: %2</source>
        <translation>تعذّر استبدال ⁦%1⁩: %2</translation>
    </message>
</context>
<context>
    <name>SettingsWriter</name>
    <message>
        <source>The setting %1/%2 cannot hold a line break, so the settings were not saved.</source>
        <translation>لا يمكن أن يحتوي الإعداد ⁦%1/%2⁩ على فاصل أسطر، ولذلك لم تُحفظ الإعدادات.</translation>
    </message>
    <message>
        <source>The window&apos;s place on these screens cannot be stored.</source>
        <translation>لا يمكن حفظ موضع النافذة على هذه الشاشات.</translation>
    </message>
</context>
<context>
    <name>ZoneClockSet</name>
    <message>
        <source>Fixed offset: the zones %1 fit this city but keep different times.</source>
        <translation>فارق ثابت: المناطق الزمنية ⁦%1⁩ تناسب هذه المدينة لكنها تختلف في الوقت.</translation>
    </message>
    <message>
        <source>%1 (%2, now %3 %4)</source>
        <translation>%1 (‎%2، الآن ‎%3 ⁦%4⁩)</translation>
    </message>
</context>
<context>
    <name>ZoneToolTip</name>
    <message>
        <source>%1 min</source>
        <translation>%1 د</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 س</translation>
    </message>
    <message>
        <source>%1 h %2</source>
        <extracomment>Hours and minutes of a time difference: &quot;5 h 30&quot;.</extracomment>
        <translation>%1 س %2 د</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>غدًا</translation>
    </message>
    <message>
        <source>yesterday</source>
        <translation>أمس</translation>
    </message>
    <message numerus="yes">
        <source>%n days later</source>
        <translation>
            <numerusform>بعد %n يوم</numerusform>
            <numerusform>بعد يوم واحد</numerusform>
            <numerusform>بعد يومين</numerusform>
            <numerusform>بعد %n أيام</numerusform>
            <numerusform>بعد %n يومًا</numerusform>
            <numerusform>بعد %n يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days earlier</source>
        <translation>
            <numerusform>قبل %n يوم</numerusform>
            <numerusform>قبل يوم واحد</numerusform>
            <numerusform>قبل يومين</numerusform>
            <numerusform>قبل %n أيام</numerusform>
            <numerusform>قبل %n يومًا</numerusform>
            <numerusform>قبل %n يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>same time</source>
        <translation>الوقت نفسه</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>the time difference, then the day</comment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>ddd d MMM yyyy</source>
        <comment>the date of the coming change, as a QDate format</comment>
        <translation>ddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>Clocks go forward on %1 at %2, to %3</source>
        <translation>تُقدَّم الساعات يوم %1 الساعة %2 إلى ‎%3</translation>
    </message>
    <message>
        <source>Clocks go back on %1 at %2, to %3</source>
        <translation>تُؤخَّر الساعات يوم %1 الساعة %2 إلى ‎%3</translation>
    </message>
</context>
</TS>
