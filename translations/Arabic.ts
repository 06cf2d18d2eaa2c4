<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>خروج البرنامج</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>حدث تعارض، توقف البرنامج عن العمل!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>تم حفظ تقرير العطل في:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>الكتابة إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>يرجى تحديد مفتاح أولاً</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>فشل الإعداد لأن النص فارغ</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>فشل الإعداد لأنه تعذّر حفظ ملف التعريف</translation>
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
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>تصغير(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>تكبير(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>استعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>خروج(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>لا يتم التقاط المفاتيح إلا عندما تكون هذه النافذة في وضع التركيز.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>تغيير وظيفة المفتاح</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>ماكرو</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>الوسائط المتعددة</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>تبديل ملف التعريف</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>تشغيل تطبيق</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>إعدادات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>إضاءة لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>رفع الصوت</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>خفض الصوت</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>تشغيل/إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>المقطع التالي</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>المقطع السابق</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>مشغل الوسائط</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>الآلة الحاسبة</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>المتصفح</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>سطوع الشاشة +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>سطوع الشاشة -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>زر الماوس الأيسر</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>زر الماوس الأوسط</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>زر الماوس الأيمن</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>التمرير لأعلى</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>التمرير لأسفل</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>للأمام</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>للخلف</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>مفتاح القناص</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>إغلاق النافذة</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>التبديل بين النوافذ</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>إظهار سطح المكتب</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>قفل الكمبيوتر</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>قص</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث عن</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>قفل لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>قفل/إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>إلغاء قفل مفتاح Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>طبقة FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>الاستعلام عن البطارية</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>بلوتوث 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>بلوتوث 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>بلوتوث 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>التبديل إلى 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>التبديل إلى USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>الإضاءة الكاملة</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>الإضاءة التفاعلية</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>جميع الإضاءات</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>ثابت</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>السطوع +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>السطوع -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>السرعة +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>السرعة -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>الاتجاه +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>الاتجاه -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>تدوير الاتجاه</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>الألوان الكاملة</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>تغيير اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>تغيير اللون السفلي</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>مخصص 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>مخصص 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>إطفاء الكل</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>إطفاء الإضاءة الخلفية</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>إيقاف الإضاءة الخلفية مؤقتًا</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>تسجيل الإضاءة</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>إطفاء الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>إيقاف الإضاءة الجانبية مؤقتًا</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>لا يمكن تغيير وظيفة المفتاح</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>تمت كتابة الإعدادات إلى لوحة المفاتيح بنجاح</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>فشلت الكتابة إلى لوحة المفاتيح، يرجى المحاولة مرة أخرى</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n مفتاح مرتبط بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاح مرتبط بوحدة ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاحان مرتبطان بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفاتيح مرتبطة بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاحًا مرتبطًا بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاح مرتبط بوحدات ماكرو، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n مفتاح مرتبط بمفاتيح متقدمة، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاح مرتبط بمفتاح متقدم، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاحان مرتبطان بمفاتيح متقدمة، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفاتيح مرتبطة بمفاتيح متقدمة، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاحًا مرتبطًا بمفاتيح متقدمة، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
            <numerusform>%n مفتاح مرتبط بمفاتيح متقدمة، لكن لوحة المفاتيح تتسع لـ %1 فقط. لم يُرسل شيء.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>مجموعة المفاتيح على المفتاح %1 تحتوي على أكثر من مفتاحي تعديل، ولا تستطيع لوحة المفاتيح تخزينها. لم يُرسل شيء.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>قائمة الأجهزة</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>الجهاز غير متصل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>جارٍ معايرة جميع المفاتيح ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>الجهاز غير متاح حاليًا</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>الجهاز محدد بالفعل</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>تخصيص المفاتيح</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>الأداء</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>نقطة التفعيل</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>الكتابة إلى لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>الوظيفة:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>الطبقة الافتراضية</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>طبقة FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>عند تفعيل قفل Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>تعطيل مفتاح Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>تعطيل SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>تعطيل ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>تعطيل ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>سكون الإضاءة بعد:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>سكون لوحة المفاتيح بعد:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>منع السكون</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>خصائص لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>إعادة تعيين ملف التعريف الحالي</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>لا يمكن أن تكون مدة سكون الإضاءة أطول من مدة سكون لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>مدة سكون لوحة المفاتيح قصيرة جدًا</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>تم ضبط مدة السكون</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>فشل ضبط مدة السكون</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>معايرة المفاتيح قيد التنفيذ، يرجى الانتظار قليلًا</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>مدة السكون خارج النطاق المسموح</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>تم إنشاء ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>تم حذف ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>تم تعديل ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>تمت العملية بنجاح</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>تم تصدير ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>تم استيراد ملف التعريف بنجاح</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>تم الوصول إلى الحد الأقصى لعدد ملفات التعريف</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>فشل الإنشاء، رقم ملف التعريف موجود بالفعل، يرجى التحقق</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>يجب الاحتفاظ بملف تعريف واحد على الأقل</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>ملف التعريف هذا غير موجود</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>لا يمكن أن يكون اسم ملف التعريف فارغًا</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>الملف %1 موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>يرجى تحديد مجلد الحفظ أولاً</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>يرجى تحديد ملف الاستيراد أولاً</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>فشل إنشاء ملف التعريف</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>فشل حذف ملف التعريف</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>فشل تعديل ملف التعريف</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>فشلت العملية</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>فشل تصدير ملف التعريف</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>فشل استيراد ملف التعريف</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>كان الملف %1 تالفًا وتمت استعادته من النسخة الاحتياطية؛ نُقل الملف التالف إلى %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>كان الملف %1 تالفًا وأُعيد إنشاؤه فارغًا؛ نُقل الملف التالف إلى %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>الملف %1 تالف وتعذر نقله جانبًا؛ لا يمكن استخدام إعداداته</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>هل تريد إعادة تعيين ملف التعريف الحالي؟</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>مجلد الحفظ</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>فتح ملف تعريف</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>ملفات التعريف (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>لوحة المفاتيح ليست جاهزة بعد؛ سيتم تحميلها بمجرد أن تستجيب</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>لا توجد لوحة مفاتيح تحتاج إلى تحديث البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>الإضاءة</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>نقطة التفعيل</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>الضغط (التفعيل)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>الإفلات (الرجوع)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>تتبع المسار</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>حساسية الضغط والتحرير</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة تعيين الحساسية</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع ارتداد المفاتيح</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الاستقصاء</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>وضع معايرة المفاتيح</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>إيقاف المعايرة</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>اضبط مسافة التفعيل ومسافة إعادة التعيين وفق رغبتك في الضغط على المفتاح أو تحريره.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط مسافة Rapid Trigger للضغط (التفعيل) وللإفلات (الرجوع) كلٌّ على حدة.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. ادخل وضع معايرة المفاتيح أولًا؛</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. اختر مفتاحًا واحدًا؛</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. انقر على «بدء المعايرة»؛</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. اضغط على المفتاح المحدد؛</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. تظهر نتيجة معايرة المفتاح؛</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>عند التمكين، لا ينتهي Rapid Trigger إلا عندما تحرر المفتاح تمامًا.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>عند التعطيل، ينتهي Rapid Trigger بمجرد أن يعود المفتاح أثناء تحريره فوق نقطة التفعيل.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>حدد نقطة التفعيل: مدى عمق الضغط على المفتاح حتى يعمل.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>أثناء معايرة جميع المفاتيح، يرجى الضغط على كل المفاتيح لإكمال المعايرة.</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>اضبط مسافة التفعيل ومسافة إعادة التعيين وفق رغبتك في الضغط على المفتاح أو تحريره.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>الحساسية الثانوية</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>يمكنك ضبط مسافة Rapid Trigger للضغط (التفعيل) وللإفلات (الرجوع) كلٌّ على حدة.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>الضغط/التحرير</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>الضغط</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>التحرير</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>منع ارتداد المفاتيح</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>معدل الاستقصاء</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>الدخول إلى وضع المعايرة</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>بدء المعايرة</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>معايرة جميع المفاتيح</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>تتبع الشدة</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>إعادة تعيين الحساسية</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.شرح</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.شرح</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.شرح</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.شرح</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.شرح</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>شرح</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(ضغط خفيف) تغيير وظيفة المفتاح</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(ضغط قوي) مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+مسافة</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>تنفس</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>موجة</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>نيون</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>رادار</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>ثعبان</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>تفاعلي</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>شفق</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>تموج</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>وميض</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>تقاطع</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>استجابة السرعة</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>تموج تلقائي</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>خطوط</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>ألعاب نارية</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>إيقاع موسيقي</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>تصادم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إيقاف</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>افتراضي</translation>
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
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>حجم الملف أكبر من %1 ميغابايت ولا يمكن استيراده</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>لم يُحفظ: سيصبح حجم الملف أكبر من %1 ميغابايت. لم يتغير شيء.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>مسار المجلد %1 طويل جدًا</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>حجم %1 أكبر من %2 ميغابايت</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>تعذّرت قراءة %1 أو الكتابة فيه</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>تعذّر فتح ملفات التعريف الخاصة بـ %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>تشغّل مفاتيح ملف التعريف المراد استيراده هذه البرامج:

%1

هل تريد استيراد ملف التعريف مع هذه المفاتيح؟ إن لم تفعل، فلن يُستورد شيء.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>يرجى تشغيل وضع معايرة المفاتيح أولًا</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>تمت معايرة المفاتيح بنجاح</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>معايرة المفاتيح قيد التنفيذ</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>فشلت معايرة المفاتيح</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>قائمة الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>التأخير المسجل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بلا تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>بدء التسجيل</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>إيقاف التسجيل</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>بدأ تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>توقف تسجيل الماكرو</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>تم بلوغ الحد الأقصى لعدد الأحداث</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>يرجى اختيار موضع في القائمة أولاً</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>تم إدراج الحدث</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>تم تعديل الحدث</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج بعد الحدث</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج قبل الحدث</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>اضغط مفتاحًا</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>الأيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>الأوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>الأيمن</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>أدخل مدة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>تمت إضافة الماكرو</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>تم حذف الماكرو</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم الماكرو فارغًا</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>تمت إعادة تسمية الماكرو</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>اختر ماكرو أولًا</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>تم مسح الماكرو</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>تعذر حفظ ملف الماكرو</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>تعذرت قراءة ملف الماكرو</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
            <numerusform>عدد المفاتيح المرتبطة بهذا الماكرو: %n. عند حذف الماكرو تعود إلى وظيفتها الافتراضية. هل تريد حذفه؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>المفاتيح العادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>المفاتيح الخاصة</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>نقاط التفعيل لإجراءات DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>تعذّر حفظ ملف المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>المنتج:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>التقدم:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>الإصدار الحالي:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>الإصدار الجديد:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>اكتمل</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>لا تفصل لوحة المفاتيح أثناء تحديث البرنامج الثابت!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>تم تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>كابل</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>جهاز الاستقبال 2.4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>فشل تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>وظائف الماوس</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>تسجيل الماكرو</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>قائمة الماكرو</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>إعداد التأخير</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>التأخير المسجل</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>بلا تأخير</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>التأخير الافتراضي</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>تسجيل</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>قائمة الأحداث</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>التسجيل فارغ</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>إدراج حدث</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>إدراج بعد الحدث</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>إدراج قبل الحدث</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>الحدث</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>التأخير</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>اضغط مفتاحًا</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>الأيسر</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>الأوسط</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>الأيمن</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>أدخل مدة التأخير</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>إدراج</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>المفتاح</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>الماوس</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>تغيير الاسم</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>المفاتيح العادية</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>المفاتيح الخاصة</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>نقاط التفعيل لإجراءات DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>لا يمكن أن يكون اسم النمط المخصص فارغًا</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>تمت إعادة تسمية النمط المخصص</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>تعذّرت إعادة تسمية النمط المخصص</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>ألوان كاملة</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>الأنماط المخصصة</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>لوحة المفاتيح/الإضاءة الجانبية</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>إلى اليمين</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>إلى اليسار</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>إلى الأعلى</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>إلى الأسفل</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>من المركز إلى الخارج</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>نحو المركز</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>في اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>عكس اتجاه عقارب الساعة</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>الإضاءة الجانبية: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>حدد المفاتيح في الصورة، ثم اختر لونًا.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>استخدام هذا النمط على لوحة المفاتيح</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>لا يحتوي الجهاز على إضاءة جانبية</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>تعذر حفظ إعداد الإضاءة أو إرساله إلى لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>يضبط مفاتيح لوحة المفاتيح والإضاءة وملفات التعريف</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>التشغيل عند بدء النظام (مصغّر)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>الإغلاق إلى علبة النظام</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>التحديث</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>تم حفظ الإعداد</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>تعذّر حفظ الإعداد</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>في انتظار مفتاح: اضغط مفتاحًا أو اختر واحدًا أدناه</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>تغيير الوظيفة إلى أي مفتاح؟</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل المفاتيح؟</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>الصينية</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>كوري/إنجليزي</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>نوع التشغيل</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>تشغيل مرة واحدة</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>تشغيل عدة مرات</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>التشغيل المستمر تشغيل/إيقاف</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>التشغيل طالما المفتاح مضغوط</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>عدد مرات التشغيل</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>عدد مرات التشغيل 1، 2، 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>تعيين الماكرو</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>يرجى تسجيل ماكرو أولاً</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار ملف التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>النص طويل جدًا، لم تتم إضافة الجزء الذي لا يتسع</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>نمط مخصص</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>صورة الخلفية</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>التشغيل عند بدء النظام (مصغّر)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>الإغلاق إلى علبة النظام</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>التحديث</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>التحقق من تحديث البرنامج الثابت</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>ملاحظات</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>إرسال ملاحظات</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>برنامج التطبيق</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>التحقق من التحديث</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>أخرى</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>معلومات البرنامج الثابت</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>السطوع:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>السرعة:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>الاتجاه:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>وضع الإضاءة</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>ألوان كاملة</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>اللون العلوي</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>اللون السفلي</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>الأنماط المخصصة</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>لوحة المفاتيح الافتراضية</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>تغيير وظيفة المفتاح</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>تغيير الوظيفة إلى أي مفتاح؟</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>ضغطة خفيفة</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>ضغطة قوية</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>أدخل المفاتيح؟</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>تعيين ملف التعريف</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>اختيار التطبيق</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>يرجى اختيار ملف التطبيق</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>اختيار التطبيق</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>نموذج</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>أدخل النص…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>المفاتيح المتقدمة</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>الضغط المطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>النقر</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>لا توجد مفاتيح متقدمة بعد</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>مجموعة مفاتيح</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>للمفتاح وظيفتان: واحدة عند الضغط المطوّل عليه وأخرى عند النقر عليه.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>مفتاح واحد</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>الضغط المطوّل</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>النقر</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>مدة الضغط المطوّل</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>لا توجد مفاتيح متقدمة بعد</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>للمفتاح وظيفتان: واحدة عند الضغط المطوّل عليه وأخرى عند النقر عليه.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>انقر هذا المفتاح لتشغيل التفعيل المتواصل أو إيقافه.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>عند اختيار «مفتاح واحد» يكفي النقر على مفتاح لإكمال الإعداد؛</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>عند اختيار «مجموعة مفاتيح» اختر مفتاح تعديل واحدًا على الأقل ثم مفتاحًا آخر لإكمال المجموعة، مثل L_Shift+A أو L_Shift+L_Ctrl+A؛</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>يمكن للمفتاح تنفيذ أربع وظائف: يمكن ربط وظيفة إلى أربع وظائف بأربعة أعماق ضغط مختلفة.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>تم إنشاء المفتاح المتقدم</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>تم حذف المفتاح المتقدم</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>تم بلوغ الحد الأقصى لعدد المفاتيح المتقدمة</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>لا توجد مفاتيح مرتبطة بهذا المفتاح المتقدم (%n). حذفه؟</numerusform>
            <numerusform>مفتاح واحد (%n) مرتبط بهذا المفتاح المتقدم. عند حذفه يعود إلى وظيفته الافتراضية. حذفه؟</numerusform>
            <numerusform>مفتاحان (%n) مرتبطان بهذا المفتاح المتقدم. عند حذفه يعودان إلى وظيفتهما الافتراضية. حذفه؟</numerusform>
            <numerusform>%n مفاتيح مرتبطة بهذا المفتاح المتقدم. عند حذفه تعود إلى وظيفتها الافتراضية. حذفه؟</numerusform>
            <numerusform>%n مفتاحًا مرتبطًا بهذا المفتاح المتقدم. عند حذفه تعود إلى وظيفتها الافتراضية. حذفه؟</numerusform>
            <numerusform>%n مفتاح مرتبط بهذا المفتاح المتقدم. عند حذفه تعود إلى وظيفتها الافتراضية. حذفه؟</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>فتح ملف ماكرو</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>ملفات الماكرو (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>تم تصدير الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>تم استيراد الماكرو بنجاح</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>فشل تصدير الماكرو: تعذرت قراءة الماكرو</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>فشل تصدير الماكرو: تعذرت الكتابة إلى %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>فشل استيراد الماكرو: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>تعذر فتح الملف</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>حجم الملف أكبر من %1 ميغابايت</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>الملف ليس مستند XML كاملًا</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>لا يحتوي الملف على أي حدث</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>يحتوي الملف على أحداث كثيرة جدًا (%1 على الأكثر)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>إحدى قيم الحدث %1 أطول من حقلها</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>علامة الحدث %1 ليست رقمًا عشريًا</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>تأخير الحدث %1 ليس رقمًا من 0 إلى %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>الحدث %1 ليس حدث لوحة مفاتيح ولا حدث فأرة</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>رمز المفتاح للحدث %1 ليس رقمًا من %2 إلى %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>رمز الماوس للحدث %1 لا يشير إلى أي زر من أزرار الماوس</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>الحدث %1 ليس ضغطًا ولا تحريرًا</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>العلامة %1 ليس لها ضغطة واحدة تتبعها عملية تحرير واحدة</translation>
    </message>
</context>
</TS>
