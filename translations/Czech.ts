<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Ukončení programu</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, program přestal fungovat!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Zpráva o pádu byla uložena do:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Zapsat do klávesnice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Nejprve vyberte klávesu</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Nastavení selhalo, protože text je prázdný</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Nastavení selhalo, protože profil nelze uložit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Přihlásit</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimalizovat(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximalizovat(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Obnovit(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Ukončit(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Klávesy se zachytávají, jen když je toto okno aktivní.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapování klávesy</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Přepnout profil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Spustit aplikaci</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Nastavení klávesnice</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Podsvícení klávesnice</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Boční podsvícení</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Hlasitost +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Hlasitost -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ztlumit</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Přehrát/Pozastavit</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Další skladba</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Předchozí skladba</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Přehrávač</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulačka</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Prohlížeč</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Jas obrazovky +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Jas obrazovky -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Levé tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Prostřední tlačítko myši</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Pravé tlačítko myši</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Posun nahoru</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Posun dolů</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vpřed</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Klávesa Sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavřít okno</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Přepnout okna</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Zobrazit plochu</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zamknout počítač</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Zamknout klávesnici</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Zamknout/odemknout Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Zamknout Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Odemknout Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Vrstva FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Stav baterie</translation>
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
        <translation>Přepnout na 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Přepnout na USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Celkové podsvícení</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktivní podsvícení</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Všechno podsvícení</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statické</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Jas +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Jas -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Rychlost +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Rychlost -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Směr +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Směr -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Střídání směru</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Plné barvy</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Změna horní barvy</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Změna spodní barvy</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Vlastní 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Vlastní 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Vypnout vše</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Vypnout podsvícení</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Zastavit podsvícení</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Záznam podsvícení</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Vypnout boční podsvícení</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Zastavit boční podsvícení</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nelze přemapovat</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Konfigurace byla zapsána do klávesnice</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Zápis do klávesnice selhal, zkuste to prosím znovu</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Na makro je přiřazena %n klávesa, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
            <numerusform>Na makra jsou přiřazeny %n klávesy, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
            <numerusform>Na makra je přiřazeno %n kláves, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>Na pokročilou klávesu je přiřazena %n klávesa, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
            <numerusform>Na pokročilé klávesy jsou přiřazeny %n klávesy, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
            <numerusform>Na pokročilé klávesy je přiřazeno %n kláves, klávesnice jich pojme %1. Nic nebylo odesláno.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>Kombinace kláves na klávese %1 obsahuje více než dvě modifikační klávesy, což klávesnice neumí uložit. Nic nebylo odesláno.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Seznam zařízení</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Zařízení není připojeno</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetovat</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Probíhá kalibrace všech kláves ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Zařízení je offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Zařízení je již vybráno</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Přizpůsobit klávesy</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Podsvícení</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Výkon</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Bod sepnutí</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Zapsat do klávesnice</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funkce:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mezerník</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Výchozí vrstva</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Vrstva FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Načítání</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Když je zapnut zámek Win:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Zakázat klávesu Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Zakázat SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Zakázat ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Zakázat ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Uspání podsvícení po:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Uspání klávesnice po:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Zakázat spánek</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Vlastnosti klávesnice</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetovat aktuální profil</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Doba do uspání podsvícení nesmí být delší než doba do uspání klávesnice</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Doba do uspání klávesnice je příliš krátká</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Doba spánku byla nastavena</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Nastavení doby spánku selhalo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Probíhá kalibrace kláves, chvíli počkejte</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Doba spánku je mimo povolený rozsah</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profil byl vytvořen</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil byl odstraněn</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil byl upraven</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operace proběhla úspěšně</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil byl exportován</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil byl importován</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Byl dosažen maximální počet profilů</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Vytvoření selhalo, profil s tímto číslem již existuje, zkontrolujte to prosím</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musí zůstat alespoň jeden profil</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Tento profil neexistuje</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Název profilu nesmí být prázdný</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Soubor %1 již existuje. Chcete jej nahradit?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Nejprve vyberte složku pro uložení</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Nejprve vyberte soubor k importu</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Vytvoření profilu selhalo</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Odstranění profilu selhalo</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Úprava profilu selhala</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operace selhala</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export profilu selhal</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu selhal</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>Soubor %1 byl poškozen a byl obnoven ze zálohy; poškozený soubor byl přesunut do %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>Soubor %1 byl poškozen a byl založen znovu prázdný; poškozený soubor byl přesunut do %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>Soubor %1 je poškozen a nelze jej odsunout; jeho nastavení nelze použít</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Potvrzení</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Obnovit výchozí nastavení aktuálního profilu?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Složka pro uložení</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otevřít soubor profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Soubory profilů (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Klávesnice ještě není připravena; načte se, jakmile odpoví</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Žádná klávesnice nepotřebuje aktualizaci firmwaru</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Podsvícení</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Sepnutí</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Stisk (sepnutí)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Uvolnění (rozepnutí)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Sledování zdvihu</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Citlivost stisku a uvolnění</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Obnovit citlivost</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Potlačení zákmitů kláves</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence dotazování</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Režim kalibrace kláves</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Zastavit kalibraci</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Upravte dráhu sepnutí a dráhu uvolnění podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Dráhu Rapid Trigger můžete nastavit zvlášť pro stisk (sepnutí) a pro uvolnění (rozepnutí).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrace všech kláves</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Nejprve zapněte režim kalibrace kláves;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Vyberte jednu klávesu;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Klikněte na „Spustit kalibraci“;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Stiskněte vybranou klávesu;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Zobrazí se výsledek kalibrace;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Zapnuto: Rapid Trigger skončí, až klávesu úplně uvolníte.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Vypnuto: Rapid Trigger skončí, jakmile uvolňovaná klávesa projde zpět bodem sepnutí.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Nastavte bod sepnutí: jak hluboko musí být klávesa stisknuta, aby sepnula.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Během kalibrace všech kláves stiskněte každou klávesu, aby se kalibrace dokončila.</translation>
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
        <translation>Upravte dráhu sepnutí a dráhu uvolnění podle toho, zda chcete klávesu stisknout, nebo uvolnit.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sekundární citlivost</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Dráhu Rapid Trigger můžete nastavit zvlášť pro stisk (sepnutí) a pro uvolnění (rozepnutí).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Stisk/Uvolnění</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Uvolnění</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Potlačení zákmitů kláves</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frekvence dotazování</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Zapnout režim kalibrace</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Spustit kalibraci</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrace všech kláves</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Sledování síly stisku</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Obnovit citlivost</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Vysvětlení</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Vysvětlení</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Vysvětlení</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Vysvětlení</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Vysvětlení</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Vysvětlení</translation>
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
        <translation>(Lehký stisk) Přemapovat klávesu</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Silný stisk) Kombinace kláves</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Mezerník</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Dýchání</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Vlna</translation>
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
        <translation>Had</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reakce</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polární záře</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Vlnění</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Třpyt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Vlastní</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kříž</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakce na rychlost</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Automatické vlnění</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Pruhy</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Ohňostroj</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Hudební rytmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Srážka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Vypnuto</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Soubor je větší než %1 MB a nelze jej importovat</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Neuloženo: soubor by byl větší než %1 MB. Nic se nezměnilo.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>složku %1 nelze vytvořit</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>cesta ke složce %1 je příliš dlouhá</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 je větší než %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 nelze číst ani zapisovat</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Profily %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Klávesy importovaného profilu spouštějí tyto programy:

%1

Importovat profil s těmito klávesami? Jinak se nic neimportuje.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Nejprve zapněte režim kalibrace kláves</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Kalibrace kláves proběhla úspěšně</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Probíhá kalibrace kláves</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Kalibrace kláves selhala</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Záznam makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Jako v záznamu</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Žádná</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí</translation>
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
        <translation>Spustit záznam</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Zastavit záznam</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Záznam makra spuštěn</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Záznam makra zastaven</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Bylo dosaženo maximálního počtu událostí</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Nejprve vyberte pozici v seznamu</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Událost vložena</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Událost změněna</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložit událost</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit za událost</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit před událost</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte prodlevu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro přidáno</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro odstraněno</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Název makra nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro přejmenováno</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Nejprve vyberte makro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro vymazáno</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Soubor maker nelze uložit</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Soubor maker nelze přečíst</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovat</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>K tomuto makru je přiřazena %n klávesa. Po odstranění makra se vrátí ke své výchozí funkci. Odstranit makro?</numerusform>
            <numerusform>K tomuto makru jsou přiřazeny %n klávesy. Po odstranění makra se vrátí ke své výchozí funkci. Odstranit makro?</numerusform>
            <numerusform>K tomuto makru je přiřazeno %n kláves. Po odstranění makra se vrátí ke své výchozí funkci. Odstranit makro?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Body sepnutí akcí DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Soubor pokročilých kláves se nepodařilo uložit</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Průběh:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuální verze:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nová verze:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aktualizace firmwaru</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Během aktualizace firmwaru klávesnici neodpojujte!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware aktualizován</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Přijímač 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualizace firmwaru se nezdařila</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Funkce myši</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Záznam makra</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makra</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Jako v záznamu</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Žádná</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Seznam událostí</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Záznam je prázdný</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Vložit událost</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Vložit za událost</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vložit před událost</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Událost</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Prodleva</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akce</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Stiskněte klávesu</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Levé</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Pravé</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Zadejte prodlevu</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Vlastnosti</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klávesa</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Myš</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Změnit</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportovat</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Přejmenovat</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Běžné klávesy</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Speciální klávesy</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Body sepnutí akcí DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Název vlastního schématu nesmí být prázdný</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Vlastní schéma přejmenováno</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Vlastní schéma se nepodařilo přejmenovat</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plná barva</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní schémata</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Klávesnice/Boční podsvícení</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Doprava</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Doleva</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Ze středu ven</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Do středu</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Po směru hodinových ručiček</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Proti směru hodinových ručiček</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Boční podsvícení: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Vyberte klávesy na obrázku a pak zvolte barvu.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Použít toto schéma na klávesnici</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Zařízení nemá boční podsvícení</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Nastavení podsvícení se nepodařilo uložit ani odeslat do klávesnice.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Nastavuje klávesy, podsvícení a profily klávesnice</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spustit při startu systému (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zavřením minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizaci firmwaru</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Nastavení uloženo</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Nastavení se nepodařilo uložit</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuální klávesnice</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Naslouchání: stiskněte klávesu nebo ji vyberte níže</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na klávesu?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadat klávesy?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Čínština</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor./Angl.</translation>
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
        <translation>Typ přehrávání</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Přehrát jednou</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Přehrát vícekrát</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Nepřetržité přehrávání zap./vyp.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Přehrávat, dokud je klávesa stisknuta</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Počet přehrání</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Počet přehrání 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Přiřadit makro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Nejprve nahrajte makro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte soubor své aplikace</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Text je příliš dlouhý, část, která se nevejde, nebyla přidána</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Vlastní schéma</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Motiv</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Obrázek pozadí</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Automatické spuštění</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Spustit při startu systému (minimalizovaně)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Zavřením minimalizovat do oznamovací oblasti</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizace</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Zkontrolovat aktualizaci firmwaru</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Zpětná vazba</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Podpora</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Odeslat zpětnou vazbu</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Aplikační software</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Zkontrolovat aktualizace</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrý</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Růžový</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Jiný</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informace o firmwaru</translation>
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
        <translation>Jas:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Rychlost:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Směr:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Režim podsvícení</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Plná barva</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Horní barva</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Dolní barva</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Vlastní schémata</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
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
        <translation>Virtuální klávesnice</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Přemapování klávesy</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Přemapovat na klávesu?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Lehký stisk</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Silný stisk</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Zadat klávesy?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Přiřadit profil</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vybrat aplikaci</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Vyberte soubor své aplikace</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Vybrat aplikaci</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formulář</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Zadejte text…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Pokročilé klávesy</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Vytvořit</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Zatím žádné pokročilé klávesy</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Kombinace kláves</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při stisku.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem této klávesy zapnete nebo vypnete nepřetržité spouštění.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Jedna klávesa</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Podržení</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Stisk</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Doba podržení</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Zatím žádné pokročilé klávesy</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Klávesa má dvě funkce: jednu při podržení a druhou při stisku.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Stiskem této klávesy zapnete nebo vypnete nepřetržité spouštění.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Je-li zvolena „Jedna klávesa“, stačí kliknout na klávesu a nastavení je hotové;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Je-li zvolena „Kombinace kláves“, vyberte alespoň jednu modifikační klávesu a potom další klávesu, například L_Shift+A nebo L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Klávesa může plnit čtyři funkce: čtyřem různým hloubkám stisku lze přiřadit 1 až 4 funkce.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Pokročilá klávesa vytvořena</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Pokročilá klávesa smazána</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Bylo dosaženo maximálního počtu pokročilých kláves</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>K této pokročilé klávese je přiřazena %n klávesa. Po smazání získá zpět výchozí funkci. Smazat?</numerusform>
            <numerusform>K této pokročilé klávese jsou přiřazeny %n klávesy. Po smazání získají zpět výchozí funkci. Smazat?</numerusform>
            <numerusform>K této pokročilé klávese je přiřazeno %n kláves. Po smazání získají zpět výchozí funkci. Smazat?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otevřít soubor makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Soubory maker (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro bylo exportováno</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro bylo importováno</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Export makra selhal: makro nelze přečíst</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Export makra selhal: %1 nelze zapsat</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Import makra selhal: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>soubor nelze otevřít</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>soubor je větší než %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>soubor není úplný dokument XML</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>soubor neobsahuje žádnou událost</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>soubor obsahuje příliš mnoho událostí (nejvýše %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>hodnota události %1 je pro své pole příliš dlouhá</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>značka události %1 není desítkové číslo</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>prodleva události %1 není číslo od 0 do %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>událost %1 není událost klávesnice ani myši</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>kód klávesy události %1 není číslo od %2 do %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>kód myši události %1 neoznačuje žádné tlačítko myši</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>událost %1 není stisk ani uvolnění</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>značka %1 nemá právě jeden stisk následovaný uvolněním</translation>
    </message>
</context>
</TS>
