<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Konflikt, das Programm funktioniert nicht mehr!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Ein Bericht über den Absturz wurde gespeichert unter:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>In Tastatur schreiben</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Bitte zuerst eine Taste auswählen</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Einstellung fehlgeschlagen, weil der Text leer ist</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Einstellung fehlgeschlagen, weil das Profil nicht gespeichert werden konnte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimieren(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximieren(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Wiederherstellen(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Beenden(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>Tasten werden nur erfasst, solange dieses Fenster den Fokus hat.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Tastaturbeleuchtung</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Seitenbeleuchtung</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Lautstärke +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Lautstärke -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Bildschirmhelligkeit +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Bildschirmhelligkeit -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Fenster wechseln</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Tastatur sperren</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Win sperren/entsperren</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Win sperren</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Win entsperren</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Akkustand abfragen</translation>
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
        <translation>Auf 2,4G umschalten</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Auf USB umschalten</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Gesamtbeleuchtung</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Interaktive Beleuchtung</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Alle Beleuchtungen</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Helligkeit +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Helligkeit -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Geschwindigkeit +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Geschwindigkeit -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Richtung +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Richtung -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Richtung im Wechsel</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Vollfarbe einschalten</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Obere Farbe wechseln</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Untere Farbe wechseln</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Benutzerdefiniert 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Benutzerdefiniert 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Alles ausschalten</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Beleuchtung aus</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Beleuchtung anhalten</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Beleuchtung aufnehmen</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Seitenbeleuchtung aus</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Seitenbeleuchtung anhalten</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Nicht neu belegbar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration in die Tastatur geschrieben</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Schreiben in die Tastatur fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n Taste ist mit einem Makro belegt, die Tastatur fasst aber nur %1. Es wurde nichts gesendet.</numerusform>
            <numerusform>%n Tasten sind mit Makros belegt, die Tastatur fasst aber nur %1. Es wurde nichts gesendet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n Taste ist mit einer erweiterten Taste belegt, die Tastatur fasst aber nur %1. Es wurde nichts gesendet.</numerusform>
            <numerusform>%n Tasten sind mit erweiterten Tasten belegt, die Tastatur fasst aber nur %1. Es wurde nichts gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>Die Tastenkombination auf Taste %1 enthält mehr als zwei Modifikatortasten, die die Tastatur nicht speichern kann. Es wurde nichts gesendet.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Geräteliste</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Kalibrierung aller Tasten läuft ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Das Gerät ist offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Das Gerät ist bereits ausgewählt</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tasten anpassen</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Auslösepunkt</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>In Tastatur schreiben</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funktion:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>FN-Ebene</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Wenn die Win-Sperre aktiv ist:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Windows-Taste sperren</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>SHIFT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>ALT+TAB sperren</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>ALT+F4 sperren</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Beleuchtung in Ruhezustand nach:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Tastatur in Ruhezustand nach:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Ruhezustand verhindern</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Tastatureigenschaften</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Aktuelles Profil zurücksetzen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Die Zeit bis zum Ruhezustand der Beleuchtung darf nicht länger sein als die der Tastatur</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Die Zeit bis zum Ruhezustand der Tastatur ist zu kurz</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Die Zeit bis zum Ruhezustand wurde eingestellt</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Die Zeit bis zum Ruhezustand konnte nicht eingestellt werden</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Tastenkalibrierung läuft, bitte einen Moment warten</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Die Zeit bis zum Ruhezustand liegt außerhalb des zulässigen Bereichs</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profil erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil erfolgreich gelöscht</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil erfolgreich geändert</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Vorgang erfolgreich</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profil erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil erfolgreich importiert</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Die maximale Anzahl an Profilen ist erreicht</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Erstellen fehlgeschlagen, ein Profil mit dieser Nummer existiert bereits, bitte prüfen</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss erhalten bleiben</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Dieses Profil existiert nicht</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits. Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner wählen</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Datei zum Importieren wählen</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Profil konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profil konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 war beschädigt und wurde aus der Sicherung wiederhergestellt; die beschädigte Datei wurde nach %2 verschoben</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 war beschädigt und wurde leer neu angelegt; die beschädigte Datei wurde nach %2 verschoben</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 ist beschädigt und konnte nicht beiseitegelegt werden; seine Einstellungen können nicht verwendet werden</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Das aktuelle Profil zurücksetzen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>Die Tastatur ist noch nicht bereit; sie wird geladen, sobald sie antwortet</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Keine Tastatur benötigt ein Firmware-Update</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslösepunkt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Drücken (Auslösepunkt)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Loslassen (Rücksetzpunkt)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Wegverfolgung</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Drücken und Loslassen getrennt</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Tastenentprellung</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Tastenkalibrierungsmodus</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Kalibrierung beenden</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Passen Sie Auslöse- und Rücksetzweg daran an, wie Sie die Taste drücken oder loslassen möchten.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können die Wege von Rapid Trigger für das Drücken (Auslösen) und das Loslassen (Zurücksetzen) getrennt einstellen.</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrierung aller Tasten</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Zuerst den Tastenkalibrierungsmodus aktivieren;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Eine Taste auswählen;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Auf „Kalibrierung starten“ klicken;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Die ausgewählte Taste drücken;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Das Ergebnis der Kalibrierung wird gemeldet;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Ein: Rapid Trigger endet erst, wenn Sie die Taste vollständig loslassen.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Aus: Rapid Trigger endet, sobald die Taste beim Loslassen über den Auslösepunkt zurückkehrt.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Legen Sie den Auslösepunkt fest: wie weit eine Taste zum Auslösen gedrückt werden muss.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Während alle Tasten kalibriert werden, drücken Sie bitte jede Taste, um die Kalibrierung abzuschließen.</translation>
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
        <translation>Passen Sie Auslöse- und Rücksetzweg daran an, wie Sie die Taste drücken oder loslassen möchten.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sekundäre Empfindlichkeit</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Sie können die Wege von Rapid Trigger für das Drücken (Auslösen) und das Loslassen (Zurücksetzen) getrennt einstellen.</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Drücken/Loslassen</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Drücken</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Loslassen</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Tastenentprellung</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Abfragerate</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Kalibrierungsmodus aktivieren</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Kalibrierung starten</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Kalibrierung aller Tasten</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Intensitätsverfolgung</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Empfindlichkeit zurücksetzen</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Erklärung</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Erklärung</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Erklärung</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Erklärung</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Erklärung</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Erklärung</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Leichter Druck) Taste neu belegen</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Starker Druck) Tastenkombination</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Leertaste</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
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
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Wellenring</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Wellenring</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Die Datei ist größer als %1 MB und kann nicht importiert werden</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Nicht gespeichert: Die Datei würde größer als %1 MB. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>der Pfad seines Ordners %1 ist zu lang</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 kann nicht gelesen oder geschrieben werden</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Die Profile von %1 können nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Tasten des zu importierenden Profils starten diese Programme:

%1

Das Profil mit diesen Tasten importieren? Andernfalls wird nichts importiert.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Bitte zuerst den Tastenkalibrierungsmodus einschalten</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Tastenkalibrierung erfolgreich</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Tastenkalibrierung läuft</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Tastenkalibrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Wie aufgenommen</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standard</translation>
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
        <translation>Aufnahme starten</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die Höchstzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Position in der Liste wählen</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Ereignis eingefügt</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Ereignis geändert</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Keine Aufnahme vorhanden</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Nach dem Ereignis einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vor dem Ereignis einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Drücken Sie eine Taste</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro umbenannt</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Wählen Sie zuerst ein Makro aus</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro geleert</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Die Makrodatei konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Die Makrodatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n Taste ist diesem Makro zugewiesen. Beim Löschen des Makros erhält sie ihre Standardfunktion zurück. Makro löschen?</numerusform>
            <numerusform>%n Tasten sind diesem Makro zugewiesen. Beim Löschen des Makros erhalten sie ihre Standardfunktion zurück. Makro löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Auslösepunkte für DKS-Aktionen</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Die Datei der erweiterten Tasten konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Produkt:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Neue Version:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Trennen Sie die Tastatur nicht, während die Firmware aktualisiert wird!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware aktualisiert</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>2,4-GHz-Empfänger</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Firmware-Update fehlgeschlagen</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Mausfunktionen</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Makros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Wie aufgenommen</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Ereignisliste</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Keine Aufnahme vorhanden</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Ereignis einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Nach dem Ereignis einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Vor dem Ereignis einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Drücken Sie eine Taste</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Normale Tasten</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Sondertasten</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Auslösepunkte für DKS-Aktionen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Der Name des benutzerdefinierten Schemas darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Benutzerdefiniertes Schema umbenannt</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Das benutzerdefinierte Schema konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Benutzerdefinierte Schemata</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastatur/Seitenbeleuchtung</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Von der Mitte nach außen</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Von außen zur Mitte</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Im Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Seitenbeleuchtung: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Tasten im Bild auswählen, dann eine Farbe wählen.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Dieses Schema auf der Tastatur verwenden</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Das Gerät hat keine Seitenbeleuchtung</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Die Beleuchtungseinstellung konnte nicht gespeichert oder an die Tastatur gesendet werden.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Richtet Tasten, Beleuchtung und Profile der Tastatur ein</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Einstellung gespeichert</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Einstellung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Virtuelle Tastatur</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>Wartet auf eine Taste: drücken oder unten auswählen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Neu belegen mit?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tasten eingeben?</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Kor./Engl.</translation>
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
        <translation>Wiedergabeart</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl der Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl 1, 2, 3 …</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Bitte zuerst ein Makro aufnehmen</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Anwendung wählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte die Datei Ihrer Anwendung auswählen</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben …</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Der Text ist zu lang, der überzählige Teil wurde nicht übernommen</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Benutzerdefiniertes Schema</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Beim Systemstart starten (minimiert)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Beim Schließen in den Infobereich</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Nach Firmware-Update suchen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Anwendungssoftware</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
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
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Lichtmodus</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Obere Farbe</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Untere Farbe</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Benutzerdefinierte Schemata</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
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
        <translation>Virtuelle Tastatur</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Neu belegen mit?</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Leichter Druck</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Starker Druck</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Tasten eingeben?</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Profil zuweisen</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Anwendung wählen</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Bitte die Datei Ihrer Anwendung auswählen</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung auswählen</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben …</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Erweiterte Tasten</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Noch keine erweiterten Tasten</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim Tippen.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Ein Tippen auf diese Taste schaltet das Dauerauslösen ein oder aus.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Einzeltaste</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Haltedauer</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Noch keine erweiterten Tasten</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Die Taste hat zwei Funktionen: eine beim Halten und eine beim Tippen.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Ein Tippen auf diese Taste schaltet das Dauerauslösen ein oder aus.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Ist „Einzeltaste“ gewählt, genügt ein Klick auf eine Taste, um sie einzutragen;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Ist „Tastenkombination“ gewählt, wählen Sie mindestens eine Modifikatortaste und dann eine weitere Taste, um die Kombination abzuschließen, etwa L_Shift+A oder L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Die Taste kann vier Funktionen ausführen: Vier verschiedenen Drucktiefen lassen sich 1 bis 4 Funktionen zuweisen.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Erweiterte Taste erstellt</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Erweiterte Taste gelöscht</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Die maximale Anzahl erweiterter Tasten ist erreicht</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n Taste ist dieser erweiterten Taste zugewiesen. Beim Löschen erhält sie ihre Standardfunktion zurück. Löschen?</numerusform>
            <numerusform>%n Tasten sind dieser erweiterten Taste zugewiesen. Beim Löschen erhalten sie ihre Standardfunktion zurück. Löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro erfolgreich importiert</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Makro konnte nicht exportiert werden: das Makro konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Makro konnte nicht exportiert werden: %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Makro konnte nicht importiert werden: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>die Datei ist kein vollständiges XML-Dokument</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>die Datei enthält kein Ereignis</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>die Datei enthält zu viele Ereignisse (höchstens %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>ein Wert von Ereignis %1 ist zu lang für sein Feld</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>die Markierung von Ereignis %1 ist keine Dezimalzahl</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>die Verzögerung von Ereignis %1 ist keine Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>Ereignis %1 ist weder ein Tastatur- noch ein Mausereignis</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>der Tastencode von Ereignis %1 ist keine Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>der Mauscode von Ereignis %1 bezeichnet keine Maustaste</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>Ereignis %1 ist weder ein Drücken noch ein Loslassen</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>Markierung %1 hat nicht genau ein Drücken mit nachfolgendem Loslassen</translation>
    </message>
</context>
</TS>
