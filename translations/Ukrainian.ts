<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Завершення програми</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Стався збій, програма припинила роботу!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Звіт про збій збережено в:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Спочатку виберіть клавішу</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не вдалося зберегти налаштування: текст порожній</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Не вдалося зберегти налаштування: профіль не записано</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Згорнути(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Розгорнути(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Відновити(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Вихід(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Клавіші перехоплюються, лише поки це вікно у фокусі.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення клавіші</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедіа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Перемикання профілю</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск застосунку</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Швидкі команди</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Налаштування клавіатури</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Підсвічування клавіатури</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Бічне підсвічування</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Гучність +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Гучність -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звуку</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Відтворення/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Наступний трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Попередній трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Програвач</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Комп&apos;ютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Електронна пошта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яскравість екрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яскравість екрана -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Ліва кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Середня кнопка миші</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Права кнопка миші</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вгору</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперед</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперська кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Перемкнути вікно</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показати робочий стіл</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мій комп&apos;ютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокувати комп&apos;ютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокувати клавіатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокування/розблокування Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокувати Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Розблокувати Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Шар FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запит заряду</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Перемикання на 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Перемикання на USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Загальне підсвічування</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Інтерактивне підсвічування</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Усе підсвічування</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичне</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яскравість +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яскравість -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Швидкість +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Швидкість -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Напрямок +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Напрямок -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Напрямок по колу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Увімкнути всі кольори</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Зміна верхнього кольору</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Зміна нижнього кольору</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Власна 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Власна 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Вимкнути все</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Вимкнути підсвічування</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Зупинити підсвічування</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запис підсвічування</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Вимкнути бічне підсвічування</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Зупинити бічне підсвічування</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Не можна перепризначити</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Конфігурацію записано в клавіатуру</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не вдалося записати конфігурацію в клавіатуру, спробуйте ще раз</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Макроси призначено на %n клавішу, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
            <numerusform>Макроси призначено на %n клавіші, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
            <numerusform>Макроси призначено на %n клавіш, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Розширені клавіші призначено на %n клавішу, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
            <numerusform>Розширені клавіші призначено на %n клавіші, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
            <numerusform>Розширені клавіші призначено на %n клавіш, а клавіатура вміщує %1. Нічого не надіслано.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>Комбінація клавіш на клавіші %1 містить більше двох клавіш-модифікаторів, які клавіатура не може зберегти. Нічого не надіслано.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Список пристроїв</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Пристрій не підключено</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Триває калібрування всіх клавіш ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Пристрій не в мережі</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Пристрій уже вибрано</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Налаштування клавіш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Підсвічування</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Продуктивність</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Точка спрацювання</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Записати</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функція:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основний шар</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Шар FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Завантаження</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Якщо блокування Win увімкнено:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Вимкнути клавішу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Вимкнути SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Вимкнути ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Вимкнути ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон підсвічування через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавіатури через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>хв</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Заборонити сон</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Властивості клавіатури</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Скинути поточний профіль</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Час до сну підсвічування не може бути довшим за час до сну клавіатури</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Час до сну клавіатури занадто короткий</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Час сну встановлено</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не вдалося встановити час сну</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Триває калібрування клавіш, зачекайте трохи</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Час сну поза допустимим діапазоном</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Профіль створено</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профіль видалено</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Профіль змінено</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операцію виконано</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профіль експортовано</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профіль імпортовано</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Досягнуто максимальної кількості профілів</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не вдалося створити: профіль із цим номером уже існує, перевірте</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Має залишитися хоча б один профіль</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Цей профіль не існує</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Назва профілю не може бути порожньою</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Файл %1 уже існує. Замінити його?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Спочатку виберіть теку для збереження</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Спочатку виберіть файл для імпорту</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не вдалося створити профіль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не вдалося видалити профіль</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не вдалося змінити профіль</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Операцію не виконано</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не вдалося експортувати профіль</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не вдалося імпортувати профіль</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>Файл %1 був пошкоджений і його відновлено з резервної копії; пошкоджений файл переміщено до %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>Файл %1 був пошкоджений і створений заново порожнім; пошкоджений файл переміщено до %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>Файл %1 пошкоджений і його не вдалося перемістити; його налаштування не можна використати</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Підтвердження</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Скинути поточний профіль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Тека для збереження</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Відкрити файл профілю</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файли профілів (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Клавіатура ще не готова; її буде завантажено, щойно вона відповість</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експортувати</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпортувати</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Жодна клавіатура не потребує оновлення прошивки</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Підсвічування</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Спрацювання</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Натискання (спрацювання)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Відпускання (скидання)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Відстеження ходу</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Окремо натискання/відпускання</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Придушення брязкоту клавіш</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калібрування клавіш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Зупинити калібрування</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Налаштуйте хід спрацювання та хід скидання залежно від того, чи хочете ви натиснути клавішу, чи відпустити її.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Хід Rapid Trigger можна задати окремо для натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калібрування всіх клавіш</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Спочатку увімкніть режим калібрування клавіш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Виберіть одну клавішу;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Натисніть «Почати калібрування»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Натисніть вибрану клавішу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Буде показано результат калібрування;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Увімкнено: Rapid Trigger завершується лише тоді, коли ви повністю відпустите клавішу.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Вимкнено: Rapid Trigger завершується, щойно клавіша під час відпускання повернеться за точку спрацювання.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте точку спрацювання: наскільки глибоко треба натиснути клавішу для спрацювання.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Під час калібрування всіх клавіш натисніть кожну клавішу, щоб завершити калібрування.</translation>
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
        <translation>Налаштуйте хід спрацювання та хід скидання залежно від того, чи хочете ви натиснути клавішу, чи відпустити її.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Вторинна чутливість</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Хід Rapid Trigger можна задати окремо для натискання (спрацювання) і відпускання (скидання).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Натискання/Відпускання</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Придушення брязкоту клавіш</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опитування</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Увімкнути режим калібрування</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Почати калібрування</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калібрування всіх клавіш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Відстеження сили натискання</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Скинути чутливість</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Пояснення</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Пояснення</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Пояснення</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Пояснення</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Пояснення</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Пояснення</translation>
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
        <translation>(Легке натискання) Перепризначення клавіші</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Сильне натискання) Комбінація клавіш</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Пробіл</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Дихання</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Хвиля</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Змійка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакція</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сяйво</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Брижі</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерехтіння</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Власна</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Хрест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Відгук на швидкість</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Автобрижі</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Феєрверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музичний ритм</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Зіткнення</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Вимк.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Файл більший за %1 МБ, його не можна імпортувати</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Не збережено: файл став би більшим за %1 МБ. Нічого не змінено.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не вдається створити теку %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>шлях до теки %1 задовгий</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 більший за %2 МБ</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>не вдається прочитати або записати %1</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Не вдається відкрити профілі %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Клавіші профілю, що імпортується, запускають ці програми:

%1

Імпортувати профіль із цими клавішами? Інакше нічого не буде імпортовано.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Спочатку увімкніть режим калібрування клавіш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калібрування клавіш виконано</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Триває калібрування клавіш</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Калібрування клавіш не виконано</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Як записано</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Типова</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>%1 MS</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Почати запис</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Зупинити запис</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запис макросу розпочато</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запис макросу зупинено</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Досягнуто максимальної кількості подій</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Спочатку виберіть позицію в списку</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Подію вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Подію змінено</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставити подію</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити після події</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити перед подією</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>ЛКМ</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>СКМ</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>ПКМ</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть затримку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос додано</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос видалено</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Назва макросу не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Макрос перейменовано</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Спочатку виберіть макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищено</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Не вдалося зберегти файл макросів</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Не вдалося прочитати файл макросів</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Імпортувати</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Експортувати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>Цей макрос призначено на %n клавішу. Після видалення макросу вона поверне свою типову функцію. Видалити макрос?</numerusform>
            <numerusform>Цей макрос призначено на %n клавіші. Після видалення макросу вони повернуть свою типову функцію. Видалити макрос?</numerusform>
            <numerusform>Цей макрос призначено на %n клавіш. Після видалення макросу вони повернуть свою типову функцію. Видалити макрос?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки спрацювання дій DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Не вдалося зберегти файл розширених клавіш</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Пристрій:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогрес:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Поточна версія:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Нова версія:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Оновлення прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не від&apos;єднуйте клавіатуру під час оновлення прошивки!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Прошивку оновлено</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Приймач 2,4 ГГц</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Помилка оновлення прошивки</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Дії миші</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запис макросу</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макроси</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Як записано</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без затримки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Типова</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запис</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список подій</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запис порожній</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставити подію</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставити після події</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставити перед подією</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Затримка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Натисніть клавішу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>ЛКМ</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>СКМ</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>ПКМ</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введіть затримку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Миша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Змінити</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Експортувати</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Перейменувати</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Звичайні клавіші</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Спеціальні клавіші</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки спрацювання дій DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Назва власної схеми не може бути порожньою</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Власну схему перейменовано</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не вдалося перейменувати власну схему</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Усі кольори</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власні схеми</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавіатура/Бічне підсвічування</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Угору</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Донизу</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Від центру назовні</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>До центру</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>За годинниковою стрілкою</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Проти годинникової стрілки</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Бічне підсвічування: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Виберіть клавіші на зображенні, потім колір.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Використовувати цю схему на клавіатурі</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>У пристрою немає бічного підсвічування</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Не вдалося зберегти налаштування підсвічування або надіслати його на клавіатуру.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Налаштовує клавіші, підсвічування та профілі клавіатури</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати разом із системою (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Налаштування збережено</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не вдалося зберегти налаштування</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про прошивку</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Віртуальна клавіатура</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Очікування клавіші: натисніть її або виберіть нижче</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Перепризначити на?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавіші?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайська</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Кор./Англ.</translation>
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
        <translation>Тип відтворення</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Відтворити один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Відтворити кілька разів</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Безперервне відтворення увімк./вимк.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Відтворювати, поки клавішу натиснуто</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Кількість повторів</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Кількість повторів 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Призначити макрос</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Спочатку запишіть макрос</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть файл вашого застосунку</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Текст задовгий, частину, що не вміщується, не додано</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Власна схема</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фонове зображення</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускати разом із системою (згорнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Згортати в трей під час закриття</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Перевірити оновлення прошивки</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Відгук</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Підтримка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладна програма</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Перевірити оновлення</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Рожева</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інша</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Відомості про прошивку</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яскравість:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Напрямок:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим підсвічування</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Усі кольори</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхній колір</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижній колір</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Власні схеми</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
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
        <translation>Віртуальна клавіатура</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Перепризначення клавіші</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Перепризначити на?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Легке натискання</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильне натискання</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавіші?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Призначити профіль</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Вибір застосунку</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Виберіть файл вашого застосунку</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Вибрати застосунок</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введіть текст…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Розширені клавіші</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Розширених клавіш ще немає</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Комбінація клавіш</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавіша має дві функції: одну під час утримання, іншу під час натискання.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання цієї клавіші вмикає або вимикає безперервне спрацювання.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Одна клавіша</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Утримання</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Тривалість утримання</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Розширених клавіш ще немає</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Клавіша має дві функції: одну під час утримання, іншу під час натискання.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Натискання цієї клавіші вмикає або вимикає безперервне спрацювання.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Якщо вибрано «Одна клавіша», достатньо натиснути потрібну клавішу, щоб завершити налаштування;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Якщо вибрано «Комбінація клавіш», виберіть щонайменше одну клавішу-модифікатор, а потім ще одну клавішу, наприклад L_Shift+A або L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавіша може виконувати чотири функції: чотирьом різним глибинам натискання можна призначити від 1 до 4 функцій.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Розширену клавішу створено</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Розширену клавішу видалено</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Досягнуто максимальної кількості розширених клавіш</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>Цю розширену клавішу призначено на %n клавішу. Після видалення вона поверне свою типову функцію. Видалити?</numerusform>
            <numerusform>Цю розширену клавішу призначено на %n клавіші. Після видалення вони повернуть свою типову функцію. Видалити?</numerusform>
            <numerusform>Цю розширену клавішу призначено на %n клавіш. Після видалення вони повернуть свою типову функцію. Видалити?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Відкрити файл макросу</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файли макросів (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос експортовано</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос імпортовано</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Не вдалося експортувати макрос: макрос не вдалося прочитати</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Не вдалося експортувати макрос: не вдалося записати %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Не вдалося імпортувати макрос: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>не вдалося відкрити файл</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>файл більший за %1 МБ</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>файл не є повним документом XML</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>у файлі немає жодної події</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>у файлі забагато подій (не більше %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>значення події %1 задовге для свого поля</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>мітка події %1 не є десятковим числом</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>затримка події %1 не є числом від 0 до %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>подія %1 не є ні подією клавіатури, ні подією миші</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>код клавіші події %1 не є числом від %2 до %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>код миші події %1 не позначає жодної кнопки миші</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>подія %1 не є ні натисканням, ні відпусканням</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>мітка %1 не має рівно одного натискання з наступним відпусканням</translation>
    </message>
</context>
</TS>
