<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Zamknięcie programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program przestał działać!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Raport o awarii zapisano w:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapisz w klawiaturze</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Najpierw wybierz klawisz</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Ustawienie nie powiodło się, ponieważ tekst jest pusty</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Ustawienie nie powiodło się, ponieważ nie można zapisać profilu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Zaloguj</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizuj(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maksymalizuj(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Przywróć(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Zakończ(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Klawisze są przechwytywane tylko wtedy, gdy to okno jest aktywne.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana przypisania klawisza</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podświetlenie klawiatury</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Głośność +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Głośność -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jasność ekranu +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jasność ekranu -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Klawisz snajpera</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Przełącz okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mój komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zablokuj klawiaturę</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zablokuj/odblokuj Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zablokuj Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odblokuj Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stan baterii</translation>
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
        <translation>Przełącz na 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Przełącz na USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Podświetlenie ogólne</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Podświetlenie interaktywne</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Całe podświetlenie</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczne</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jasność +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jasność -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Prędkość +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Prędkość -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Kierunek +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Kierunek -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Kierunek w pętli</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pełne kolory</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Zmiana górnego koloru</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Zmiana dolnego koloru</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Własne 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Własne 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Wyłącz wszystko</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Wyłącz podświetlenie</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zatrzymaj podświetlenie</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Nagrywanie podświetlenia</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Wyłącz podświetlenie boczne</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zatrzymaj podświetlenie boczne</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nie można zmienić przypisania</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguracja została zapisana w klawiaturze</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Zapisywanie w klawiaturze nie powiodło się, spróbuj ponownie</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Makra przypisano do %n klawisza, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
            <numerusform>Makra przypisano do %n klawiszy, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
            <numerusform>Makra przypisano do %n klawiszy, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Klawisze zaawansowane przypisano do %n klawisza, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
            <numerusform>Klawisze zaawansowane przypisano do %n klawiszy, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
            <numerusform>Klawisze zaawansowane przypisano do %n klawiszy, a klawiatura mieści %1. Nic nie zostało wysłane.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>Kombinacja klawiszy na klawiszu %1 zawiera więcej niż dwa modyfikatory, których klawiatura nie może zapisać. Nic nie zostało wysłane.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Lista urządzeń</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie niepodłączone</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Trwa kalibracja wszystkich klawiszy ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Urządzenie jest offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Urządzenie jest już wybrane</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Dostosuj klawisze</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Punkt aktywacji</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Zapisz w klawiaturze</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkcja:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Warstwa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Ładowanie</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Gdy blokada Win jest włączona:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Wyłącz klawisz Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Wyłącz SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Wyłącz ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Wyłącz ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uśpienie podświetlenia po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uśpienie klawiatury po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Zabroń uśpienia</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Zatwierdź</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Właściwości klawiatury</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Zresetuj bieżący profil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Czas do uśpienia podświetlenia nie może być dłuższy niż czas do uśpienia klawiatury</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Czas do uśpienia klawiatury jest za krótki</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Czas uśpienia został ustawiony</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nie udało się ustawić czasu uśpienia</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Trwa kalibracja klawiszy, proszę chwilę poczekać</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Czas uśpienia jest poza zakresem</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profil został utworzony</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil został usunięty</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil został zmieniony</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operacja zakończona powodzeniem</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil został wyeksportowany</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil został zaimportowany</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Tworzenie nie powiodło się, profil o tym numerze już istnieje, sprawdź to</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Ten profil nie istnieje</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Plik %1 już istnieje. Czy chcesz go zastąpić?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Nie udało się utworzyć profilu</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Nie udało się usunąć profilu</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Nie udało się zmienić profilu</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operacja nie powiodła się</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Nie udało się wyeksportować profilu</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Nie udało się zaimportować profilu</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>Plik %1 był uszkodzony i został przywrócony z kopii zapasowej; uszkodzony plik przeniesiono do %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>Plik %1 był uszkodzony i został utworzony od nowa jako pusty; uszkodzony plik przeniesiono do %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>Plik %1 jest uszkodzony i nie można go przenieść; jego ustawień nie można użyć</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Czy zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Klawiatura nie jest jeszcze gotowa; zostanie wczytana, gdy tylko odpowie</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Żadna klawiatura nie wymaga aktualizacji firmware</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Podświetlenie</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Wyzwalanie</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Naciśnięcie (aktywacja)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Zwolnienie (powrót)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Śledzenie skoku</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Czułość naciśnięcia i zwolnienia</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań klawiszy</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Zatrzymaj kalibrację</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Dostosuj skok wyzwalania i skok resetu do tego, czy chcesz nacisnąć, czy zwolnić klawisz.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok Rapid Trigger przy naciśnięciu (aktywacja) i zwolnieniu (powrót).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Najpierw włącz tryb kalibracji klawiszy;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Wybierz jeden klawisz;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Kliknij „Rozpocznij kalibrację”;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Naciśnij wybrany klawisz;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Zostanie wyświetlony wynik kalibracji;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Włączone: Rapid Trigger kończy się dopiero po całkowitym zwolnieniu klawisza.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Wyłączone: Rapid Trigger kończy się, gdy zwalniany klawisz minie punkt aktywacji.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ustaw punkt aktywacji: jak głęboko trzeba wcisnąć klawisz, aby zadziałał.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Podczas kalibracji wszystkich klawiszy naciśnij każdy klawisz, aby ją zakończyć.</translation>
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
        <translation>Dostosuj skok wyzwalania i skok resetu do tego, czy chcesz nacisnąć, czy zwolnić klawisz.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Czułość dodatkowa</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Możesz osobno ustawić skok Rapid Trigger przy naciśnięciu (aktywacja) i zwolnieniu (powrót).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Naciśnięcie/Zwolnienie</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Naciśnięcie</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnienie</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Eliminacja drgań klawiszy</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Częstotliwość odpytywania</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Włącz tryb kalibracji</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Rozpocznij kalibrację</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibracja wszystkich klawiszy</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Śledzenie siły nacisku</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Resetuj czułość</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Objaśnienie</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Objaśnienie</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Objaśnienie</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Objaśnienie</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Objaśnienie</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Objaśnienie</translation>
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
        <translation>(Lekki nacisk) Zmiana przypisania klawisza</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Mocny nacisk) Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Spacja</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakcja</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Fale na wodzie</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakcja na tempo</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatyczne fale</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Wyłączone</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Plik jest większy niż %1 MB i nie można go zaimportować</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Nie zapisano: plik byłby większy niż %1 MB. Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>ścieżka folderu %1 jest za długa</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 jest większy niż %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>nie można odczytać ani zapisać %1</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Nie można otworzyć profili %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Klawisze importowanego profilu uruchamiają te programy:

%1

Zaimportować profil z tymi klawiszami? W przeciwnym razie nic nie zostanie zaimportowane.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Najpierw włącz tryb kalibracji klawiszy</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibracja klawiszy zakończona powodzeniem</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Trwa kalibracja klawiszy</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibracja klawiszy nie powiodła się</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Nagrywanie makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Z nagrania</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Domyślne</translation>
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
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto maksymalną liczbę zdarzeń</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz pozycję na liście</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono zdarzenie</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono zdarzenie</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw po zdarzeniu</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw przed zdarzeniem</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono makro</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Nie udało się zapisać pliku makr</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Nie udało się odczytać pliku makr</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>Do tego makra przypisano %n klawisz. Po usunięciu makra wróci do funkcji domyślnej. Usunąć makro?</numerusform>
            <numerusform>Do tego makra przypisano %n klawisze. Po usunięciu makra wrócą do funkcji domyślnej. Usunąć makro?</numerusform>
            <numerusform>Do tego makra przypisano %n klawiszy. Po usunięciu makra wrócą do funkcji domyślnej. Usunąć makro?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punkty aktywacji akcji DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Nie udało się zapisać pliku klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Postęp:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Bieżąca wersja:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nowa wersja:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Nie odłączaj klawiatury podczas aktualizacji firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware zaktualizowany</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Odbiornik 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizacja firmware nie powiodła się</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Funkcje myszy</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Nagrywanie makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Z nagrania</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Lista zdarzeń</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Wstaw zdarzenie</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw po zdarzeniu</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw przed zdarzeniem</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Zwykłe klawisze</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Klawisze specjalne</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punkty aktywacji akcji DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Nazwa własnego schematu nie może być pusta</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Zmieniono nazwę własnego schematu</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Nie udało się zmienić nazwy własnego schematu</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne schematy</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klawiatura/Podświetlenie boczne</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Od środka na zewnątrz</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Do środka</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Zgodnie z ruchem wskazówek zegara</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Przeciwnie do ruchu wskazówek zegara</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Podświetlenie boczne: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Zaznacz klawisze na obrazie, potem wybierz kolor.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Użyj tego schematu na klawiaturze</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Urządzenie nie ma podświetlenia bocznego</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Nie udało się zapisać ustawienia podświetlenia ani wysłać go do klawiatury.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Konfiguruje klawisze, podświetlenie i profile klawiatury</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj przy starcie systemu (zminimalizowany)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zamykaj do zasobnika systemowego</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Zapisano ustawienie</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nie udało się zapisać ustawienia</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o firmware</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Klawiatura wirtualna</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Nasłuchiwanie: naciśnij lub wybierz klawisz</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Zmień przypisanie na:</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadzić klawisze?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chiński</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor./Ang.</translation>
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
        <translation>Typ odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wiele razy</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ciągłe odtwarzanie wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, dopóki klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Najpierw nagraj makro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz plik swojej aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Tekst jest za długi, część, która się nie mieści, nie została dodana</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Własny schemat</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motyw</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Uruchamiaj przy starcie systemu (zminimalizowany)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zamykaj do zasobnika systemowego</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Sprawdź aktualizację firmware</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Opinia</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Oprogramowanie aplikacji</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Różowy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informacje o firmware</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jasność:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Prędkość:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Tryb podświetlenia</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Pełny kolor</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Kolor górny</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Kolor dolny</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Własne schematy</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
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
        <translation>Klawiatura wirtualna</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Zmiana przypisania klawisza</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Zmień przypisanie na:</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lekkie naciśnięcie</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Mocne naciśnięcie</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Wprowadzić klawisze?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Przypisz profil</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Wybierz plik swojej aplikacji</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wpisz tekst…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Klawisze zaawansowane</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną przy przytrzymaniu, drugą przy kliknięciu.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Kliknięcie tego klawisza włącza lub wyłącza ciągłe wyzwalanie.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Pojedynczy klawisz</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Przytrzymanie</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Kliknięcie</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Czas przytrzymania</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Brak klawiszy zaawansowanych</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klawisz ma dwie funkcje: jedną przy przytrzymaniu, drugą przy kliknięciu.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Kliknięcie tego klawisza włącza lub wyłącza ciągłe wyzwalanie.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Gdy wybrano „Pojedynczy klawisz”, wystarczy kliknąć klawisz, aby zakończyć ustawianie;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Gdy wybrano „Kombinacja klawiszy”, wybierz co najmniej jeden klawisz modyfikujący, a potem jeszcze jeden klawisz, np. L_Shift+A lub L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klawisz może wykonywać cztery funkcje: czterem różnym głębokościom wciśnięcia można przypisać od 1 do 4 funkcji.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Utworzono klawisz zaawansowany</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Usunięto klawisz zaawansowany</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Osiągnięto maksymalną liczbę klawiszy zaawansowanych</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n klawisz jest przypisany do tego klawisza zaawansowanego. Po jego usunięciu odzyska domyślną funkcję. Usunąć?</numerusform>
            <numerusform>%n klawisze są przypisane do tego klawisza zaawansowanego. Po jego usunięciu odzyskają domyślną funkcję. Usunąć?</numerusform>
            <numerusform>%n klawiszy jest przypisanych do tego klawisza zaawansowanego. Po jego usunięciu odzyskają domyślną funkcję. Usunąć?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro zostało wyeksportowane</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro zostało zaimportowane</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Nie udało się wyeksportować makra: nie można odczytać makra</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Nie udało się wyeksportować makra: nie można zapisać %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Nie udało się zaimportować makra: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>plik jest większy niż %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>plik nie jest kompletnym dokumentem XML</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>plik nie zawiera żadnego zdarzenia</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>plik zawiera zbyt wiele zdarzeń (maksymalnie %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>wartość zdarzenia %1 jest za długa dla swojego pola</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>znacznik zdarzenia %1 nie jest liczbą dziesiętną</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>opóźnienie zdarzenia %1 nie jest liczbą od 0 do %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>zdarzenie %1 nie jest ani zdarzeniem klawiatury, ani myszy</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>kod klawisza zdarzenia %1 nie jest liczbą od %2 do %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>kod myszy zdarzenia %1 nie oznacza żadnego przycisku myszy</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>zdarzenie %1 nie jest ani naciśnięciem, ani zwolnieniem</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>znacznik %1 nie ma dokładnie jednego naciśnięcia, po którym następuje zwolnienie</translation>
    </message>
</context>
</TS>
