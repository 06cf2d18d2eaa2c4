<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Завершение программы</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Произошёл сбой, программа прекратила работу!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Отчёт о сбое сохранён в:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Сначала выберите клавишу</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Не удалось сохранить настройку: текст пуст</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Не удалось сохранить настройку: профиль не записан</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
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
        <translation>Вход</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Свернуть(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Развернуть(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Восстановить(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Выход(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Клавиши перехватываются, только пока это окно в фокусе.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение клавиши</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Переключение профиля</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Запуск приложения</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Быстрые команды</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Настройки клавиатуры</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Подсветка клавиатуры</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Громкость +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Громкость -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Яркость экрана +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Яркость экрана -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Переключить окно</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Мой компьютер</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Заблокировать клавиатуру</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Блокировка/разблокировка Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Заблокировать Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Разблокировать Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Запрос заряда</translation>
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
        <translation>Переключение на 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Переключение на USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Общая подсветка</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Интерактивная подсветка</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Вся подсветка</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичная</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Яркость +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Яркость -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Скорость +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Скорость -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Направление +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Направление -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Направление по кругу</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Включить все цвета</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Смена верхнего цвета</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Смена нижнего цвета</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Пользовательская 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Пользовательская 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Выключить всё</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Выключить подсветку</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Остановить подсветку</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Запись подсветки</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Выключить боковую подсветку</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Остановить боковую подсветку</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Нельзя переназначить</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Конфигурация записана в клавиатуру</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось записать конфигурацию в клавиатуру, попробуйте ещё раз</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Макросы назначены на %n клавишу, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
            <numerusform>Макросы назначены на %n клавиши, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
            <numerusform>Макросы назначены на %n клавиш, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Расширенные клавиши назначены на %n клавишу, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
            <numerusform>Расширенные клавиши назначены на %n клавиши, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
            <numerusform>Расширенные клавиши назначены на %n клавиш, а клавиатура вмещает %1. Ничего не отправлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>Сочетание клавиш на клавише %1 содержит больше двух клавиш-модификаторов, которые клавиатура не может сохранить. Ничего не отправлено.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Идёт калибровка всех клавиш ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Устройство не в сети</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Устройство уже выбрано</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Точка срабатывания</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Функция:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Слой FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Если блокировка Win включена:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Отключить клавишу Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Отключить SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Отключить ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Отключить ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Сон подсветки через:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Сон клавиатуры через:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>мин</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Запретить сон</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Свойства клавиатуры</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Время до сна подсветки не может быть больше времени до сна клавиатуры</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Время до сна клавиатуры слишком мало</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Время сна установлено</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Не удалось установить время сна</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Идёт калибровка клавиш, подождите немного</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Время сна вне допустимого диапазона</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Профиль создан</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Профиль изменён</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Достигнуто максимальное число профилей</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Не удалось создать: профиль с этим номером уже существует, проверьте</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Этот профиль не существует</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Файл %1 уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Не удалось создать профиль</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не удалось удалить профиль</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не удалось изменить профиль</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>Файл %1 был повреждён и восстановлен из резервной копии; повреждённый файл перемещён в %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>Файл %1 был повреждён и создан заново пустым; повреждённый файл перемещён в %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>Файл %1 повреждён и не может быть перемещён; его настройки нельзя использовать</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Клавиатура ещё не готова; она будет загружена, как только ответит</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспортировать</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импортировать</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Ни одной клавиатуре не требуется обновление прошивки</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Подсветка</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Срабатывание</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Нажатие (срабатывание)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Отпускание (сброс)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Отслеживание хода</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Нажатие и отпускание отдельно</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Подавление дребезга клавиш</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Режим калибровки клавиш</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Остановить калибровку</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Настройте ход срабатывания и ход сброса в зависимости от того, хотите вы нажать клавишу или отпустить её.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Ход Rapid Trigger можно задать отдельно для нажатия (срабатывание) и отпускания (сброс).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калибровка всех клавиш</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Сначала включите режим калибровки клавиш;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Выберите одну клавишу;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Нажмите «Начать калибровку»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Нажмите выбранную клавишу;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Будет показан результат калибровки;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Включено: Rapid Trigger завершается только при полном отпускании клавиши.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Выключено: Rapid Trigger завершается, как только отпускаемая клавиша вернётся за точку срабатывания.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Задайте точку срабатывания: насколько глубоко нужно нажать клавишу для срабатывания.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Во время калибровки всех клавиш нажмите каждую клавишу, чтобы завершить калибровку.</translation>
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
        <translation>Настройте ход срабатывания и ход сброса в зависимости от того, хотите вы нажать клавишу или отпустить её.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Вторичная чувствительность</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Ход Rapid Trigger можно задать отдельно для нажатия (срабатывание) и отпускания (сброс).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Нажатие/Отпускание</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Отпускание</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Подавление дребезга клавиш</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Частота опроса</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Включить режим калибровки</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Начать калибровку</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Калибровка всех клавиш</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Отслеживание силы нажатия</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Сбросить чувствительность</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Пояснение</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Пояснение</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Пояснение</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Пояснение</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Пояснение</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Пояснение</translation>
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
        <translation>(Лёгкое нажатие) Переназначение клавиши</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Сильное нажатие) Сочетание клавиш</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Пробел</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
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
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Пользовательская</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Отклик на скорость</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авторябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музыкальный ритм</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Выкл.</translation>
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
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Файл больше %1 МБ, его нельзя импортировать</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Не сохранено: файл стал бы больше %1 МБ. Ничего не изменено.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>путь к папке %1 слишком длинный</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 больше %2 МБ</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>не удаётся прочитать или записать %1</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Не удаётся открыть профили %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Клавиши импортируемого профиля запускают эти программы:

%1

Импортировать профиль с этими клавишами? Иначе ничего не будет импортировано.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Сначала включите режим калибровки клавиш</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Калибровка клавиш выполнена</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Идёт калибровка клавиш</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Калибровка клавиш не выполнена</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макросы</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Как записана</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>По умолчанию</translation>
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
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнуто максимальное число событий</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите позицию в списке</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Событие вставлено</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Событие изменено</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставить событие</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить после события</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить перед событием</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
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
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Макрос переименован</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищен</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Не удалось сохранить файл макросов</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Не удалось прочитать файл макросов</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импортировать</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспортировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>Этот макрос назначен на %n клавишу. После удаления макроса она вернёт свою функцию по умолчанию. Удалить макрос?</numerusform>
            <numerusform>Этот макрос назначен на %n клавиши. После удаления макроса они вернут свою функцию по умолчанию. Удалить макрос?</numerusform>
            <numerusform>Этот макрос назначен на %n клавиш. После удаления макроса они вернут свою функцию по умолчанию. Удалить макрос?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки срабатывания действий DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Не удалось сохранить файл расширенных клавиш</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Устройство:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Прогресс:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Текущая версия:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Новая версия:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Не отключайте клавиатуру во время обновления прошивки!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Прошивка обновлена</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Приёмник 2,4 ГГц</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Сбой обновления прошивки</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Действия мыши</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Макросы</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Как записана</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Вставить событие</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить после события</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить перед событием</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
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
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Экспортировать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Обычные клавиши</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Специальные клавиши</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Точки срабатывания действий DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Имя пользовательской схемы не может быть пустым</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Пользовательская схема переименована</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Не удалось переименовать пользовательскую схему</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Свои схемы</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Клавиатура/Боковая подсветка</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>От центра наружу</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>К центру</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>По часовой стрелке</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Против часовой стрелки</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Боковая подсветка: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Выберите клавиши на изображении, затем цвет.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Использовать эту схему на клавиатуре</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>У устройства нет боковой подсветки</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Не удалось сохранить настройку подсветки или отправить её на клавиатуру.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Настраивает клавиши, подсветку и профили клавиатуры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать вместе с системой (свёрнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Настройка сохранена</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Не удалось сохранить настройку</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Виртуальная клавиатура</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Ждём клавишу: нажмите или выберите ниже</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Переназначить на?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавиши?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Китайский</translation>
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
        <translation>Тип воспроизведения</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Число повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Число повторов 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Сначала запишите макрос</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите файл вашего приложения</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Текст слишком длинный, не поместившаяся часть не добавлена</translation>
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
        <translation>Пользовательская схема</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Фоновое изображение</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Автозапуск</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Запускать вместе с системой (свёрнуто)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Сворачивать в трей при закрытии</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Проверить обновление прошивки</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Отправить отзыв</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Прикладная программа</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синяя</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Розовая</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другая</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Сведения о прошивке</translation>
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
        <translation>Яркость:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Режим подсветки</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Все цвета</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Верхний цвет</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Нижний цвет</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Свои схемы</translation>
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
        <translation>Виртуальная клавиатура</translation>
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
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Переназначение клавиши</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Переназначить на?</translation>
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
        <translation>Лёгкое нажатие</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Сильное нажатие</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Ввести клавиши?</translation>
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
        <translation>Назначить профиль</translation>
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
        <translation>Выбор приложения</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Выберите файл вашего приложения</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
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
        <translation>Введите текст…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Расширенные клавиши</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Расширенных клавиш пока нет</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>У клавиши две функции: одна при удержании, другая при нажатии.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие на эту клавишу включает или выключает непрерывное срабатывание.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Одна клавиша</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Удержание</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Нажатие</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Длительность удержания</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Расширенных клавиш пока нет</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>У клавиши две функции: одна при удержании, другая при нажатии.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Нажатие на эту клавишу включает или выключает непрерывное срабатывание.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Если выбрано «Одна клавиша», достаточно нажать нужную клавишу, чтобы завершить настройку;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Если выбрано «Сочетание клавиш», выберите хотя бы одну клавишу-модификатор и затем ещё одну клавишу, например L_Shift+A или L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Клавиша может выполнять четыре функции: на четыре разные глубины нажатия можно назначить от 1 до 4 функций.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Расширенная клавиша создана</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Расширенная клавиша удалена</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Достигнуто максимальное число расширенных клавиш</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>Эта расширенная клавиша назначена на %n клавишу. После удаления она вернёт свою функцию по умолчанию. Удалить?</numerusform>
            <numerusform>Эта расширенная клавиша назначена на %n клавиши. После удаления они вернут свою функцию по умолчанию. Удалить?</numerusform>
            <numerusform>Эта расширенная клавиша назначена на %n клавиш. После удаления они вернут свою функцию по умолчанию. Удалить?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макроса</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Не удалось экспортировать макрос: макрос не удалось прочитать</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Не удалось экспортировать макрос: не удалось записать %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Не удалось импортировать макрос: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>не удалось открыть файл</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>файл больше %1 МБ</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>файл не является полным документом XML</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>в файле нет ни одного события</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>в файле слишком много событий (не более %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>значение события %1 слишком длинное для своего поля</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>метка события %1 не является десятичным числом</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>задержка события %1 не является числом от 0 до %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>событие %1 не является ни событием клавиатуры, ни событием мыши</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>код клавиши события %1 не является числом от %2 до %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>код мыши события %1 не обозначает ни одной кнопки мыши</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>событие %1 не является ни нажатием, ни отпусканием</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>у метки %1 нет ровно одного нажатия с последующим отпусканием</translation>
    </message>
</context>
</TS>
