<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Avvio</name>
    <message>
        <location filename="../program/avvio.cpp" line="+47"/>
        <source>Impossibile creare la cartella dei dati %1</source>
        <translation>Cannot create the data folder %1</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Proprietà porta di comunicazione</source>
        <translation>Communication port properties</translation>
    </message>
    <message>
        <location line="+71"/>
        <source> non connesso</source>
        <translation> not connected</translation>
    </message>
    <message>
        <source>Il registro dei segnali %1 non si apre: %2</source>
        <translation>The cue log %1 cannot be opened: %2</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Serie recuperate</source>
        <translation>Sets recovered</translation>
    </message>
    <message>
        <source>Kinetrack è già aperto con la cartella dei dati %1 (forse da un&apos;altra sessione dello stesso utente): si usa quello. Questo avvio si chiude senza toccare nulla.</source>
        <translation>Kinetrack is already open with the data folder %1 (perhaps from another session of the same user): use that one. This start closes without touching anything.</translation>
    </message>
</context>
<context>
    <name>Blocco_porta</name>
    <message>
        <location filename="../platform/blocco_porta.cpp" line="+52"/>
        <source>nessuna delle cartelle dei file di blocco delle porte (%1) può essere usata. Chiedere all&apos;amministratore del computer di renderne scrivibile una, di solito /run/lock.</source>
        <translation>none of the folders for the ports' lock files (%1) can be used. Ask the computer's administrator to make one of them writable, usually /run/lock.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>impossibile creare il file di blocco %1: %2 non accetta nuovi file. Chiedere all&apos;amministratore del computer di correggerne i permessi.</source>
        <translation>cannot create the lock file %1: %2 does not accept new files. Ask the computer's administrator to correct its permissions.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>la porta è bloccata dal file %1 dell&apos;utente %2, che non dice quale programma la usa. Se nessun programma la sta usando, cancellare quel file (%3rm %1) e riprovare.</source>
        <translation>the port is locked by the file %1 of the user %2, which does not say which program uses it. If no program is using it, delete that file (%3rm %1) and try again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>sconosciuto</source>
        <translation>unknown</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>la porta è già in uso dal programma &quot;%1&quot; (processo %2 dell&apos;utente %3), che la tiene con il file di blocco %4. Chiudere quel programma e riprovare.</source>
        <translation>the port is already in use by the program &quot;%1&quot; (process %2 of the user %3), which holds it with the lock file %4. Close that program and try again.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la porta è bloccata dal file %1, lasciato dal programma &quot;%2&quot; (processo %3, non più attivo) dell&apos;utente %4%5. Cancellare quel file (%6rm %1) e riprovare.</source>
        <translation>the port is locked by the file %1, left by the program &quot;%2&quot; (process %3, no longer running) of the user %4%5. Delete that file (%6rm %1) and try again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>, che questo programma non può cancellare perché non è suo</source>
        <translation>, which this program cannot delete because it is not its own</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>come amministratore: sudo </source>
        <translation>as administrator: sudo </translation>
    </message>
</context>
<context>
    <name>Errori_sistema</name>
    <message>
        <location filename="../platform/errori_sistema.cpp" line="+24"/>
        <location line="+64"/>
        <source>errore sconosciuto</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>spazio su disco esaurito</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>spazio concesso all&apos;utente esaurito</source>
        <translation>the user's disk quota is used up</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+68"/>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>disco in sola lettura</source>
        <translation>read-only disk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file o cartella inesistente</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>un elemento del percorso non è una cartella</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>è una cartella</source>
        <translation>is a folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>esiste già</source>
        <translation>already exists</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>errore di lettura o scrittura sul dispositivo</source>
        <translation>input/output error on the device</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>dispositivo non presente</source>
        <translation>no such device</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dispositivo o risorsa occupati</source>
        <translation>device or resource busy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nome troppo lungo</source>
        <translation>name too long</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file troppo grande</source>
        <translation>file too large</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nome o argomento non valido</source>
        <translation>invalid name or argument</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>la cartella non è vuota</source>
        <translation>the folder is not empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>non si può spostare su un altro disco</source>
        <translation>cannot move to another disk</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>errore di lettura</source>
        <translation>read error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>errore di scrittura</source>
        <translation>write error</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>risorse del sistema esaurite (spazio su disco o file aperti)</source>
        <translation>system resources exhausted (disk space or open files)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>impossibile aprire il file</source>
        <translation>cannot open the file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>impossibile cancellare il file</source>
        <translation>cannot delete the file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>impossibile rinominare il file</source>
        <translation>cannot rename the file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>impossibile copiare il file</source>
        <translation>cannot copy the file</translation>
    </message>
</context>
<context>
    <name>File_privati</name>
    <message>
        <location filename="../platform/file_privati.cpp" line="+71"/>
        <source>la cartella %1 non è leggibile: %2</source>
        <translation>the folder %1 cannot be read: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 non è una cartella (forse un collegamento messo da altri)</source>
        <translation>%1 is not a folder (perhaps a link put there by someone else)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la cartella %1 appartiene a un altro utente</source>
        <translation>the folder %1 belongs to another user</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la cartella %1 è scrivibile da altri utenti</source>
        <translation>the folder %1 can be written by other users</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>il file è un collegamento simbolico: il programma non scrive attraverso i collegamenti (sostituirlo con un file vero)</source>
        <translation>the file is a symbolic link: the program does not write through links (replace it with a real file)</translation>
    </message>
</context>
<context>
    <name>Frm_main</name>
    <message>
        <source>Proprietà &amp;grafici...</source>
        <translation>&amp;Graph properties...</translation>
    </message>
    <message>
        <location filename="../mainwindow/frm_main.cpp" line="+39"/>
        <source>La lingua sarà applicata al prossimo avvio.</source>
        <translation>The language will be applied at the next start.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Prontezza</source>
        <translation>Readiness</translation>
    </message>
    <message>
        <source>Recupero</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Segnali acustici</source>
        <translation>Sound cues</translation>
    </message>
    <message>
        <source>Voce</source>
        <translation>Voice</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Salvato: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aperto: %1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> - test aperto: %1</source>
        <translation> - open test: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La serie non ha registrato dati: nessun file salvato.</source>
        <translation>The set recorded no data: no file saved.</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>La nuova impostazione vale dalla prossima serie; quella in corso resta di %1.</source>
        <translation>The new setup applies from the next set; the one in progress stays with %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Esci</source>
        <translation>Exit</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Impostazioni</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Configura...</source>
        <translation>Configure...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parametri Porta....</source>
        <translation>Port Parameters...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grafico ripetizioni</source>
        <translation>Reps graph</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Grafico tempo</source>
        <translation>Time graph</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grafico ripetizioni &amp;&amp; tempo</source>
        <translation>Reps &amp;&amp; time graph</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Analisi serie</source>
        <translation>Set &amp;analysis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Profilo carico-velocità...</source>
        <translation>Load-velocity &amp;profile...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Storico atleta</source>
        <translation>Training &amp;log</translation>
    </message>
    <message>
        <source>Vista a&amp;tleta</source>
        <translation>A&amp;thlete view</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Strumenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cronometro</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calcolatrice</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Informazioni su...</source>
        <translation>About...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Lingua</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>Kinetrack
Versione %1

Cartella dati: %2
Impostazioni: %3</source>
        <translation>Kinetrack
Version %1

Data folder: %2
Settings: %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Informazioni su kinetrack</source>
        <translation>About kinetrack</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>La scelta della lingua non è stata salvata in %1.</source>
        <translation>The choice of language was not saved in %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Cartella dati: %1</source>
        <translation>Data folder: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>I dati degli atleti e le impostazioni sono in %1</source>
        <translation>The athletes' data and the settings are in %1</translation>
    </message>
    <message>
        <location filename="../mainwindow/frm_main.cpp"/>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>C&amp;lub...</source>
        <translation>C&amp;lub...</translation>
    </message>
    <message>
        <source>Club: collegamento in corso...</source>
        <translation>Club: connecting...</translation>
    </message>
    <message numerus="yes">
        <source>Club: %n test da inviare</source>
        <translation>
            <numerusform>Club: %n test to send</numerusform>
            <numerusform>Club: %n tests to send</numerusform>
        </translation>
    </message>
    <message>
        <source>Club: collegato</source>
        <translation>Club: connected</translation>
    </message>
    <message>
        <source>Club: non collegato</source>
        <translation>Club: not connected</translation>
    </message>
</context>
<context>
    <name>Grafici_demo</name>
    <message>
        <location filename="../apps/kinetrack-grafici-demo/main.cpp" line="+28"/>
        <source>Uso: kinetrack-grafici-demo [--numero] [SECONDI]
La finestra dei grafici alimentata dal vivo da una serie generata (scheda tipo 1,
collegamento HID) attraverso il motore di misura.
  SECONDI                 chiude dopo tanti secondi, da 0 a 86400 (0 o nulla:
                          resta aperta finché non la si chiude)
  --numero                il numero grande al posto del grafico del tempo
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-grafici-demo [--numero] [SECONDI]
The graph window fed live by a generated set (board type 1, HID link)
through the measuring engine.
  SECONDI                 closes after so many seconds, 0 to 86400 (0 or nothing:
                          stays open until it is closed)
  --numero                the large number in place of the time graph
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>opzione sconosciuta: &quot;%1&quot;</source>
        <translation>unknown option: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>argomento in più: &quot;%1&quot;</source>
        <translation>extra argument: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>secondi non validi: &quot;%1&quot; (da 0 a 86400)</source>
        <translation>invalid seconds: &quot;%1&quot; (0 to 86400)</translation>
    </message>
</context>
<context>
    <name>Istanza_unica</name>
    <message>
        <location filename="../platform/istanza_unica.cpp" line="+46"/>
        <source>il canale %1 è di un altro utente</source>
        <translation>the channel %1 belongs to another user</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>nessuna cartella di esecuzione propria (XDG_RUNTIME_DIR)</source>
        <translation>no runtime folder of your own (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>la cartella %1 non esiste</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>kinetrack parte senza il canale che porta in primo piano la finestra già aperta: %1. Un secondo avvio non troverà questo.</source>
        <translation>kinetrack starts without the channel that brings the open window to the front: %1. A second start will not find this one.</translation>
    </message>
</context>
<context>
    <name>Lingua</name>
    <message>
        <location filename="../platform/lingua.cpp" line="+34"/>
        <source>lingua sconosciuta: &quot;%1&quot; (lingue: %2)</source>
        <translation>unknown language: &quot;%1&quot; (languages: %2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>manca il valore di %1</source>
        <translation>the value of %1 is missing</translation>
    </message>
</context>
<context>
    <name>Mappa_porte</name>
    <message>
        <location filename="../platform/mappa_porte.cpp" line="+23"/>
        <source>Le porte della scheda virtuale non sono usate: %1. Un altro utente potrebbe fingersi la scheda. Rimuovere la cartella o impostare XDG_RUNTIME_DIR su una cartella propria.</source>
        <translation>The virtual board's ports are not used: %1. Another user could pretend to be the board. Remove the folder or set XDG_RUNTIME_DIR to a folder of your own.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Impossibile creare la cartella %1: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>com%1: nessun dispositivo. %2</source>
        <translation>com%1: no device. %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>com%1: nessun dispositivo</source>
        <translation>com%1: no device</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>com%1: nessun dispositivo (%2)</source>
        <translation>com%1: no device (%2)</translation>
    </message>
</context>
<context>
    <name>Opzioni_programma</name>
    <message>
        <location filename="../program/riga_comando.cpp" line="+29"/>
        <source>Uso: kinetrack [--diagnostica] [--lang it|en] [--cue-log FILE]
Allenamento basato sulla velocità con la scheda di misura sul bilanciere.
  --diagnostica           mostra i pulsanti di prova nella finestra della scheda USB
  --lang it|en            la lingua dell&apos;interfaccia per questa volta (altrimenti
                          quella scelta in &quot;?&quot; &gt; &quot;Lingua&quot;, all&apos;inizio l&apos;italiano)
  --cue-log FILE          aggiunge a FILE una riga per ogni segnale acustico (ora,
                          tipo, ripetizione, parole, ritardo dalla fine dell&apos;alzata)
  -v, --version           la versione del programma
  -h, --help              questo aiuto
Valgono anche le opzioni di Qt per le finestre (-platform, -style, -reverse...).
</source>
        <translation>Usage: kinetrack [--diagnostica] [--lang it|en] [--cue-log FILE]
Velocity-based strength training with the measuring board on the barbell.
  --diagnostica           shows the test buttons in the USB board's window
  --lang it|en            the interface's language for this run (otherwise the one
                          chosen in &quot;?&quot; &gt; &quot;Language&quot;, Italian at first)
  --cue-log FILE          adds to FILE a line for every sound cue (time, kind,
                          repetition, words, delay after the lift's end)
  -v, --version           the program's version
  -h, --help              this help
Qt's window options work too (-platform, -style, -reverse...).
</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+25"/>
        <source>manca il valore di %1</source>
        <translation>missing value of %1</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>argomento inatteso: &quot;%1&quot;</source>
        <translation>unexpected argument: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>opzione sconosciuta: &quot;%1&quot;</source>
        <translation>unknown option: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Porta_memoria</name>
    <message>
        <location filename="../platform/porta_memoria.cpp" line="+25"/>
        <source>Porta già aperta</source>
        <translation>Port already open</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Porta non aperta</source>
        <translation>Port not open</translation>
    </message>
</context>
<context>
    <name>Porta_qt</name>
    <message>
        <location filename="../platform/porta_qt.cpp" line="+38"/>
        <source> (per le porte seriali l&apos;utente deve far parte del gruppo dialout)</source>
        <translation> (for serial ports the user must be in the group dialout)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Impostazioni della porta non valide: &quot;%1&quot; (atteso velocità,parità,bit di dati,bit di stop)</source>
        <translation>Invalid port settings: &quot;%1&quot; (expected speed,parity,data bits,stop bits)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Velocità non valida: &quot;%1&quot;</source>
        <translation>Invalid speed: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Parità non valida: &quot;%1&quot;</source>
        <translation>Invalid parity: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Bit di dati non validi: &quot;%1&quot;</source>
        <translation>Invalid data bits: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>4 bit di dati non sono gestiti da questa porta (usare da 5 a 8)</source>
        <translation>4 data bits are not supported by this port (use 5 to 8)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>1,5 bit di stop non sono gestiti da questa porta (usare 1 o 2)</source>
        <translation>1.5 stop bits are not supported by this port (use 1 or 2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bit di stop non validi: &quot;%1&quot;</source>
        <translation>Invalid stop bits: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Porta già aperta: chiuderla prima di cambiare numero</source>
        <translation>Port already open: close it before changing its number</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Controllo di flusso non valido: %1</source>
        <translation>Invalid flow control: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Il controllo di flusso Xon/RTS insieme non è gestito da questa porta: scegliere Xon/Xoff oppure RTS</source>
        <translation>Xon/RTS flow control together is not supported by this port: choose Xon/Xoff or RTS</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>La porta com%1 non accetta le impostazioni %2: %3</source>
        <translation>The port com%1 does not accept the settings %2: %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>La porta com%1 non accetta il controllo di flusso: %2</source>
        <translation>The port com%1 does not accept the flow control: %2</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Porta già aperta</source>
        <translation>Port already open</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Porta com%1 inesistente (%2)</source>
        <translation>Port com%1 does not exist (%2)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Impossibile aprire la porta com%1 (%2): %3</source>
        <translation>Cannot open the port com%1 (%2): %3</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Porta non aperta</source>
        <translation>Port not open</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Scrittura sulla porta com%1 fallita: %2</source>
        <translation>Writing to the port com%1 failed: %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Collegamento perso con la porta com%1 (%2): il dispositivo è stato scollegato o spento.</source>
        <translation>Link lost with the port com%1 (%2): the device was unplugged or switched off.</translation>
    </message>
</context>
<context>
    <name>Scrittura_differita</name>
    <message>
        <location filename="../platform/scrittura_differita.cpp" line="+74"/>
        <source>il disco non accetta più dati da troppo tempo: il giornale si ferma qui</source>
        <translation>the disk has not accepted data for too long: the journal stops here</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>il file è stato rimosso dal disco</source>
        <translation>the file was removed from the disk</translation>
    </message>
</context>
<context>
    <name>Tipi_scheda</name>
    <message>
        <location filename="../session/tipi_scheda.cpp" line="+33"/>
        <source>dispositivo non riconosciuto: DEFAULT TIPO 3!!</source>
        <translation>device not recognised: DEFAULT TYPE 3!!</translation>
    </message>
</context>
<context>
    <name>Titolo</name>
    <message>
        <location filename="../session/titolo.cpp" line="+22"/>
        <source>%1 %2
Copyright (C) 2026 gli sviluppatori di kinetrack.
Licenza GPL-3.0 o successiva &lt;https://www.gnu.org/licenses/gpl.html&gt;.
Questo è software libero: lo si può modificare e ridistribuire.
Non c&apos;è ALCUNA GARANZIA, nei limiti permessi dalla legge.
</source>
        <translation>%1 %2
Copyright (C) 2026 the kinetrack developers.
Licence GPL-3.0 or later &lt;https://www.gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</translation>
    </message>
</context>
<context>
    <name>File_limitato</name>
    <message>
        <source>è più grande di %1 MB (%2 byte) e non viene letto</source>
        <translation>is larger than %1 MB (%2 bytes) and is not read</translation>
    </message>
</context>
<context>
    <name>Impostazioni_utente</name>
    <message>
        <source>è danneggiato</source>
        <translation>is damaged</translation>
    </message>
</context>
</TS>
