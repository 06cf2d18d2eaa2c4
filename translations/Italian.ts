<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>Uscita dal software</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>Conflitto, il software ha smesso di funzionare!</translation>
    </message>
    <message>
        <source>A report of the crash was saved to:</source>
        <translation>Un rapporto dell'arresto anomalo è stato salvato in:</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scrivi sulla tastiera</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleziona prima un tasto</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Impostazione non riuscita perché il testo è vuoto</translation>
    </message>
    <message>
        <source>Setting failed because the profile could not be saved</source>
        <translation>Impostazione non riuscita perché non è stato possibile salvare il profilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Riduci a icona(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Ingrandisci(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Ripristina(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Esci(&amp;Q)</translation>
    </message>
</context>
<context>
    <name>WindowsHookInterface</name>
    <message>
        <source>Keys are only captured while this window has focus.</source>
        <translation>I tasti vengono acquisiti solo mentre questa finestra è attiva.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configurazione tastiera</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Illuminazione tastiera</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Illuminazione laterale</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Luminosità schermo +</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Luminosità schermo -</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambia finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Blocca tastiera</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Blocca/sblocca Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Blocca Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Sblocca Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Livello batteria</translation>
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
        <translation>Passa a 2,4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Passa a USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Illuminazione complessiva</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Illuminazione interattiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Tutta l&apos;illuminazione</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Luminosità +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Luminosità -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocità +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocità -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direzione +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direzione -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Direzione ciclica</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passa a colori completi</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambia colore superiore</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambia colore inferiore</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizzato 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizzato 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Spegni retroilluminazione</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Ferma retroilluminazione</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Registrazione illuminazione</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Spegni illuminazione laterale</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Ferma illuminazione laterale</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Cannot remapped</source>
        <translation>Non rimappabile</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione scritta sulla tastiera</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Scrittura sulla tastiera non riuscita, riprova</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to macros, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n tasto è associato a una macro, ma la tastiera ne contiene %1. Non è stato inviato nulla.</numerusform>
            <numerusform>%n tasti sono associati a macro, ma la tastiera ne contiene %1. Non è stato inviato nulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to advanced keys, but the keyboard holds %1. Nothing was sent.</source>
        <translation>
            <numerusform>%n tasto è associato a un tasto avanzato, ma la tastiera ne contiene %1. Non è stato inviato nulla.</numerusform>
            <numerusform>%n tasti sono associati a tasti avanzati, ma la tastiera ne contiene %1. Non è stato inviato nulla.</numerusform>
        </translation>
    </message>
    <message>
        <source>The key combination on key %1 holds more than two modifier keys, which the keyboard cannot store. Nothing was sent.</source>
        <translation>La combinazione di tasti sul tasto %1 contiene più di due tasti modificatori, che la tastiera non può memorizzare. Non è stato inviato nulla.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device List</source>
        <translation>Elenco dispositivi</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>All keys calibration in progress ...</source>
        <translation>Calibrazione di tutti i tasti in corso ...</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>Il dispositivo è offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>Il dispositivo è già selezionato</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Punto di attivazione</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Download</source>
        <translation>Scrivi sulla tastiera</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Funzione:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Livello FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
</context>
<context>
    <name>DPerformancePage</name>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Se il blocco Win è attivo:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Disattiva il tasto Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Disattiva MAIUSC+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Disattiva ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Disattiva ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Illuminazione in sospensione dopo:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Tastiera in sospensione dopo:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuti</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedisci la sospensione</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Proprietà della tastiera</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Ripristina il profilo corrente</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>Il tempo di sospensione dell&apos;illuminazione non può superare quello della tastiera</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>Il tempo di sospensione della tastiera è troppo breve</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Il tempo di sospensione è stato impostato</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Impostazione del tempo di sospensione non riuscita</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Key calibration in progress, please wait a moment</source>
        <translation>Calibrazione dei tasti in corso, attendere un momento</translation>
    </message>
    <message>
        <source>Sleep time is out of range</source>
        <translation>Il tempo di sospensione è fuori intervallo</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Create profile successful</source>
        <translation>Profilo creato correttamente</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato correttamente</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilo modificato correttamente</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato correttamente</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato correttamente</translation>
    </message>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di profili</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Creazione non riuscita: esiste già un profilo con questo numero, verificare</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Deve restare almeno un profilo</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Questo profilo non esiste</translation>
    </message>
    <message>
        <source>Profile name can&apos;t empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>Il file %1 esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima la cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima il file da importare</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Creazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Eliminazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modifica del profilo non riuscita</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>%1 was damaged and has been restored from its backup; the damaged file was moved to %2</source>
        <translation>%1 era danneggiato ed è stato ripristinato dal backup; il file danneggiato è stato spostato in %2</translation>
    </message>
    <message>
        <source>%1 was damaged and has been started again empty; the damaged file was moved to %2</source>
        <translation>%1 era danneggiato ed è stato ricreato vuoto; il file danneggiato è stato spostato in %2</translation>
    </message>
    <message>
        <source>%1 is damaged and could not be moved aside; its settings cannot be used</source>
        <translation>%1 è danneggiato e non è stato possibile spostarlo; le sue impostazioni non possono essere usate</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file di profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di profilo (*.xml)</translation>
    </message>
    <message>
        <source>The keyboard is not ready yet; it will be loaded as soon as it answers</source>
        <translation>La tastiera non è ancora pronta; verrà caricata appena risponde</translation>
    </message>
</context>
<context>
    <name>DProfileMenuToolWidget</name>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nessuna tastiera richiede un aggiornamento del firmware</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>key lights shown</comment>
        <translation>Illuminazione</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Attivazione</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Press(Trigger)</source>
        <translation>Pressione (attivazione)</translation>
    </message>
    <message>
        <source>Release(Reset)</source>
        <translation>Rilascio (ripristino)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Journey tracking</source>
        <translation>Tracciamento della corsa</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Pressione e rilascio separati</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Rapid Trigger</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo dei tasti</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modalità di calibrazione dei tasti</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>Stop calibration</source>
        <translation>Interrompi la calibrazione</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Regola la corsa di attivazione e quella di ripristino in base all&apos;intenzione di premere o rilasciare il tasto.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa del Rapid Trigger in pressione (attivazione) e in rilascio (ripristino).</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrazione di tutti i tasti</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1. Entra prima nella modalità di calibrazione dei tasti;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2. Seleziona un tasto;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3. Fai clic su «Avvia calibrazione»;</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4. Premi il tasto selezionato;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5. Viene mostrato il risultato della calibrazione;</translation>
    </message>
    <message>
        <source>When enabled, the quick trigger will only terminate when you completely release the button.</source>
        <translation>Attivo: il Rapid Trigger termina solo quando rilasci completamente il tasto.</translation>
    </message>
    <message>
        <source>When disabled, the key is released until the axis triggers the travel and terminates the quick trigger.</source>
        <translation>Disattivo: il Rapid Trigger termina non appena il tasto, rilasciato, ripassa il punto di attivazione.</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Imposta il punto di attivazione: quanto deve essere premuto il tasto per attivarsi.</translation>
    </message>
    <message>
        <source>When all keys calibration is enabled, please press all keys to complete the calibration.</source>
        <translation>Durante la calibrazione di tutti i tasti, premi ogni tasto per completarla.</translation>
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
        <translation>Regola la corsa di attivazione e quella di ripristino in base all&apos;intenzione di premere o rilasciare il tasto.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilità secondaria</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puoi impostare separatamente la corsa del Rapid Trigger in pressione (attivazione) e in rilascio (ripristino).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pressione/Rilascio</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascio</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirimbalzo dei tasti</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Frequenza di polling</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entra in modalità calibrazione</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Avvia calibrazione</translation>
    </message>
    <message>
        <source>All keys calibration</source>
        <translation>Calibrazione di tutti i tasti</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Tracciamento dell&apos;intensità</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Ripristina sensibilità</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>1.Explain</source>
        <translation>1.Spiegazione</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Spiegazione</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Spiegazione</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Spiegazione</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Spiegazione</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Spiegazione</translation>
    </message>
</context>
<context>
    <name>DMagneticCustomEventTipView</name>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>(Light Press)Remap key</source>
        <translation>(Pressione leggera) Rimappa tasto</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>(Heavy Press)key combination</source>
        <translation>(Pressione forte) Combinazione di tasti</translation>
    </message>
    <message>
        <source>L_SHIFT+R_SHIFT+Space</source>
        <translation>L_SHIFT+R_SHIFT+Spazio</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
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
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura automatica</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d&apos;artificio</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Spento</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The file is larger than %1 MB and cannot be imported</source>
        <translation>Il file supera %1 MB e non può essere importato</translation>
    </message>
    <message>
        <source>Not saved: the file would become larger than %1 MB. Nothing was changed.</source>
        <translation>Non salvato: il file supererebbe %1 MB. Non è stato modificato nulla.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the path of its folder %1 is too long</source>
        <translation>il percorso della sua cartella %1 è troppo lungo</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 supera %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be read or written</source>
        <translation>%1 non può essere letto né scritto</translation>
    </message>
    <message>
        <source>The profiles of %1 cannot be opened: %2</source>
        <translation>Impossibile aprire i profili di %1: %2</translation>
    </message>
    <message>
        <source>Keys of the profile to import start these programs:

%1

Import the profile with these keys? If not, nothing is imported.</source>
        <translation>Alcuni tasti del profilo da importare avviano questi programmi:

%1

Importare il profilo con questi tasti? Altrimenti non viene importato nulla.</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Attiva prima la modalità di calibrazione dei tasti</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibrazione dei tasti riuscita</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrazione dei tasti in corso</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>Calibrazione dei tasti non riuscita</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Macro Record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Come registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predefinito</translation>
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
        <translation>Avvia registrazione</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Interrompi registrazione</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione della macro avviata</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione della macro interrotta</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il numero massimo di eventi</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleziona prima una posizione nell’elenco</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Evento inserito</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Evento modificato</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci dopo l’evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci prima dell’evento</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro rinominata</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleziona prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro svuotata</translation>
    </message>
    <message>
        <source>The macro file could not be saved</source>
        <translation>Impossibile salvare il file delle macro</translation>
    </message>
    <message>
        <source>The macro file could not be read</source>
        <translation>Impossibile leggere il file delle macro</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this macro. Deleting the macro gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tasto è assegnato a questa macro. Eliminando la macro, torna alla sua funzione predefinita. Eliminare la macro?</numerusform>
            <numerusform>%n tasti sono assegnati a questa macro. Eliminando la macro, tornano alla loro funzione predefinita. Eliminare la macro?</numerusform>
        </translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punti di attivazione delle azioni DKS</translation>
    </message>
    <message>
        <source>The advanced-key file could not be saved</source>
        <translation>Impossibile salvare il file dei tasti avanzati</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Prodotto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Avanzamento:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versione attuale:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nuova versione:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Aggiornamento firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Non scollegare la tastiera durante l&apos;aggiornamento del firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Firmware aggiornato</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>2.4 GHz receiver</source>
        <translation>Ricevitore 2,4 GHz</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aggiornamento del firmware non riuscito</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Azioni del mouse</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Come registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Elenco eventi</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>La registrazione è vuota</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserisci evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci dopo l’evento</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci prima dell’evento</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premi un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserisci il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Tasti normali</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Tasti speciali</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Punti di attivazione delle azioni DKS</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Custom light name can&apos;t be empty</source>
        <translation>Il nome dello schema personalizzato non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Schema personalizzato rinominato</translation>
    </message>
    <message>
        <source>Modify custom light name failed</source>
        <translation>Impossibile rinominare lo schema personalizzato</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Schemi personalizzati</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Tastiera/Illuminazione laterale</translation>
    </message>
    <message>
        <source>To the right</source>
        <translation>Verso destra</translation>
    </message>
    <message>
        <source>To the left</source>
        <translation>Verso sinistra</translation>
    </message>
    <message>
        <source>Upwards</source>
        <translation>Verso l&apos;alto</translation>
    </message>
    <message>
        <source>Downwards</source>
        <translation>Verso il basso</translation>
    </message>
    <message>
        <source>Outwards from the center</source>
        <translation>Dal centro verso l&apos;esterno</translation>
    </message>
    <message>
        <source>Inwards to the center</source>
        <translation>Verso il centro</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>In senso orario</translation>
    </message>
    <message>
        <source>Counterclockwise</source>
        <translation>In senso antiorario</translation>
    </message>
    <message>
        <source>Side light: %1</source>
        <translation>Illuminazione laterale: %1</translation>
    </message>
    <message>
        <source>Select keys on the picture, then pick a color.</source>
        <translation>Selezionare i tasti nell&apos;immagine, poi scegliere un colore.</translation>
    </message>
    <message>
        <source>Use this scheme on the keyboard</source>
        <translation>Usa questo schema sulla tastiera</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>Il dispositivo non ha illuminazione laterale</translation>
    </message>
    <message>
        <source>The light setting could not be saved or sent to the keyboard.</source>
        <translation>Impossibile salvare l&apos;impostazione di illuminazione o inviarla alla tastiera.</translation>
    </message>
    <message>
        <source>Sets up the keys, lighting and profiles of the keyboard</source>
        <translation>Configura i tasti, l&apos;illuminazione e i profili della tastiera</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia all’avvio del sistema (ridotto a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Chiudi nell’area di notifica</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Impostazione salvata</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Impossibile salvare l’impostazione</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Listening: press a key, or pick one below</source>
        <translation>In ascolto: premi un tasto o scegline uno qui sotto</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Rimappa su:</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Inserisci i tasti:</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Cor./Ingl.</translation>
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
        <translation>Tipo di riproduzione</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1, 2, 3…</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>Please record a macro first</source>
        <translation>Registra prima una macro</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il file della tua applicazione</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo…</translation>
    </message>
    <message>
        <source>The text is too long, the part that does not fit was not added</source>
        <translation>Il testo è troppo lungo, la parte in eccesso non è stata aggiunta</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Schema personalizzato</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Avvio automatico</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Avvia all’avvio del sistema (ridotto a icona)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Chiudi nell’area di notifica</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiornamento</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verifica aggiornamento firmware</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>SendFeedback</source>
        <translation>Invia feedback</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software applicativo</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
</context>
<context>
    <name>DFirwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informazioni firmware</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Luminosità:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direzione:</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modalità luce</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Multicolore</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Colore superiore</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Colore inferiore</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Schemi personalizzati</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
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
        <translation>Tastiera virtuale</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Rimappa tasto</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Rimappa su:</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressione leggera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressione forte</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Inserisci i tasti:</translation>
    </message>
</context>
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Assegna profilo</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleziona il file della tua applicazione</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci il testo…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>Senior Keys</source>
        <translation>Tasti avanzati</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Tenere</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata della pressione</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Il tasto ha due funzioni: una quando viene tenuto premuto, l&apos;altra quando viene cliccato.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Clicca questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Single Key</source>
        <translation>Tasto singolo</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Tenere</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Clic</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Durata della pressione</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Nessun tasto avanzato</translation>
    </message>
    <message>
        <source>The key have two functions: holding down the key is one type, and clicking the key is one type.</source>
        <translation>Il tasto ha due funzioni: una quando viene tenuto premuto, l&apos;altra quando viene cliccato.</translation>
    </message>
    <message>
        <source>Click this key to switch continuous triggering on or off.</source>
        <translation>Clicca questo tasto per attivare o disattivare l&apos;attivazione continua.</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con «Tasto singolo» selezionato, basta cliccare un tasto per completare l&apos;impostazione;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con «Combinazione di tasti» selezionata, scegli almeno un tasto modificatore e poi un altro tasto per completare la combinazione, ad esempio L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>The key can achieve four functions: 1 to 4 functions can be bound according to four different pressing degrees.</source>
        <translation>Il tasto può svolgere quattro funzioni: a quattro diverse profondità di pressione si possono assegnare da 1 a 4 funzioni.</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tasto avanzato creato</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tasto avanzato eliminato</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>È stato raggiunto il numero massimo di tasti avanzati</translation>
    </message>
    <message numerus="yes">
        <source>%n keys are bound to this advanced key. Deleting it gives them back their default function. Delete it?</source>
        <translation>
            <numerusform>%n tasto è assegnato a questo tasto avanzato. Eliminandolo, torna alla sua funzione predefinita. Eliminarlo?</numerusform>
            <numerusform>%n tasti sono assegnati a questo tasto avanzato. Eliminandolo, tornano alla loro funzione predefinita. Eliminarlo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file di macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File di macro (*.xml)</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata correttamente</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata correttamente</translation>
    </message>
    <message>
        <source>Export macro failed: the macro could not be read</source>
        <translation>Esportazione della macro non riuscita: impossibile leggere la macro</translation>
    </message>
    <message>
        <source>Export macro failed: %1 could not be written</source>
        <translation>Esportazione della macro non riuscita: impossibile scrivere %1</translation>
    </message>
    <message>
        <source>Import macro failed: %1</source>
        <translation>Importazione della macro non riuscita: %1</translation>
    </message>
    <message>
        <source>the file could not be opened</source>
        <translation>impossibile aprire il file</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>il file supera %1 MB</translation>
    </message>
    <message>
        <source>the file is not a complete XML document</source>
        <translation>il file non è un documento XML completo</translation>
    </message>
    <message>
        <source>the file holds no event</source>
        <translation>il file non contiene alcun evento</translation>
    </message>
    <message>
        <source>the file holds too many events (at most %1)</source>
        <translation>il file contiene troppi eventi (al massimo %1)</translation>
    </message>
    <message>
        <source>a value of event %1 is longer than its field</source>
        <translation>un valore dell&apos;evento %1 è troppo lungo per il suo campo</translation>
    </message>
    <message>
        <source>the mark of event %1 is not a decimal number</source>
        <translation>il marcatore dell&apos;evento %1 non è un numero decimale</translation>
    </message>
    <message>
        <source>the delay of event %1 is not a number from 0 to %2</source>
        <translation>il ritardo dell&apos;evento %1 non è un numero da 0 a %2</translation>
    </message>
    <message>
        <source>event %1 is neither a key nor a mouse event</source>
        <translation>l&apos;evento %1 non è né un evento della tastiera né del mouse</translation>
    </message>
    <message>
        <source>the key code of event %1 is not a number from %2 to %3</source>
        <translation>il codice tasto dell&apos;evento %1 non è un numero da %2 a %3</translation>
    </message>
    <message>
        <source>the mouse code of event %1 names no mouse button</source>
        <translation>il codice mouse dell&apos;evento %1 non indica alcun pulsante del mouse</translation>
    </message>
    <message>
        <source>event %1 is neither a press nor a release</source>
        <translation>l&apos;evento %1 non è né una pressione né un rilascio</translation>
    </message>
    <message>
        <source>mark %1 does not have one press followed by one release</source>
        <translation>il marcatore %1 non ha esattamente una pressione seguita da un rilascio</translation>
    </message>
</context>
</TS>
