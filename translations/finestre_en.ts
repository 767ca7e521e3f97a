<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Controllo_voci</name>
    <message>
        <location filename="../setup/controllo_voci.cpp" line="+41"/>
        <source>Il carattere &quot;;&quot; non è ammesso: separa le colonne del file riassuntivo.</source>
        <translation>The character &quot;;&quot; is not allowed: it separates the columns of the summary file.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>Il carattere %1 non è ammesso.</source>
        <translation>The character %1 is not allowed.</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Il carattere %1 non può essere scritto nei file dei dati.</source>
        <translation>The character %1 cannot be written in the data files.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Il carattere %1 non è ammesso nel nome di una squadra o di un atleta: separa le cartelle.</source>
        <translation>The character %1 is not allowed in the name of a team or an athlete: it separates folders.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Il nome &quot;%1&quot; non è ammesso per una cartella.</source>
        <translation>The name &quot;%1&quot; is not allowed for a folder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il nome &quot;%1&quot; è quello di una cartella del programma: non può essere una squadra o un atleta.</source>
        <translation>The name &quot;%1&quot; is that of one of the program&apos;s folders: it cannot be a team or an athlete.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; non è un numero.</source>
        <translation>&quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; è negativo: il valore non può essere minore di 0.</source>
        <translation>&quot;%1&quot; is negative: the value cannot be less than 0.</translation>
    </message>
</context>
<context>
    <name>Elenco_valori</name>
    <message>
        <source>Valori delle ripetizioni</source>
        <translation>Repetition values</translation>
    </message>
    <message>
        <location filename="../analysis/elenco_valori.cpp" line="+1"/>
        <source>Ripetizione esclusa</source>
        <translation>Rep left out</translation>
    </message>
    <message>
        <source>Perdita oltre la soglia</source>
        <translation>Loss over the threshold</translation>
    </message>
    <message>
        <location filename="../analysis/elenco_valori.h" line="+20"/>
        <source>Escludi ripetizione</source>
        <translation>Leave rep out</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ripristina ripetizione</source>
        <translation>Take rep back</translation>
    </message>
</context>
<context>
    <name>File_config</name>
    <message>
        <location filename="../setup/file_config.cpp" line="+39"/>
        <source>Il file %1 è incompleto: finisce dopo la riga %2.</source>
        <translation>The file %1 is incomplete: it ends after line %2.</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Il file %1 è danneggiato: alla riga %2 &quot;%3&quot; non è un numero.</source>
        <translation>The file %1 is damaged: on line %2 &quot;%3&quot; is not a number.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Impossibile leggere %1 per conservarne una copia prima di riscriverlo: %2</source>
        <translation>Cannot read %1 to keep a copy of it before rewriting it: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impossibile conservare la copia %1, e %2 non è stato riscritto: %3</source>
        <translation>Cannot keep the copy %1, and %2 was not rewritten: %3</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Impossibile creare la cartella %1: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <location line="+87"/>
        <source>File non compatibile!</source>
        <translation>Incompatible file!</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>l&apos;atleta &quot;%1&quot;: %2</source>
        <translation>the athlete &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>la squadra &quot;%1&quot;: %2</source>
        <translation>the team &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le impostazioni in %1 indicano come ultimi scelti nomi che non possono essere usati, e sono stati lasciati vuoti:
%2</source>
        <translation>The settings in %1 name as the last chosen names that cannot be used; they were left empty:
%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Impossibile salvare l&apos;ultimo atleta in %1.</source>
        <translation>Cannot store the last athlete in %1.</translation>
    </message>
    <message>
        <source>Il file delle impostazioni %1 %2. Alla conferma con Ok sarà riscritto; quello di ora resterà in %3.</source>
        <translation>The settings file %1 %2. On Ok it will be rewritten; the current one will be kept in %3.</translation>
    </message>
</context>
<context>
    <name>Frm_atleta</name>
    <message>
        <source>Vista atleta</source>
        <translation>Athlete view</translation>
    </message>
    <message>
        <source>Atleta e carico</source>
        <translation>Athlete and load</translation>
    </message>
    <message>
        <source>Velocità</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Velocità mostrata</source>
        <translation>Velocity shown</translation>
    </message>
    <message>
        <source>Ripetizione</source>
        <translation>Repetition</translation>
    </message>
    <message>
        <source>Perdita di velocità</source>
        <translation>Velocity loss</translation>
    </message>
    <message>
        <source>Migliore a questo carico</source>
        <translation>Best at this load</translation>
    </message>
    <message>
        <source>Recupero</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Recupero %1:%2</source>
        <translation>Rest %1:%2</translation>
    </message>
    <message>
        <source>%1 kg</source>
        <translation>%1 kg</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Migliore a questo carico: %1 m/s</source>
        <translation>Best at this load: %1 m/s</translation>
    </message>
    <message>
        <source>%1 (m/s)</source>
        <translation>%1 (m/s)</translation>
    </message>
    <message>
        <source>Ripetizione %1</source>
        <translation>Repetition %1</translation>
    </message>
    <message>
        <source>Perdita %1 %</source>
        <translation>Loss %1 %</translation>
    </message>
</context>
<context>
    <name>Frm_analisi</name>
    <message>
        <location filename="../analysis/frm_analisi.cpp" line="+25"/>
        <source>N°Rip</source>
        <translation>Rep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Durata propulsiva (s)</source>
        <translation>Propulsive duration (s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potenza media (W)</source>
        <translation>Mean power (W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Potenza max (W)</source>
        <translation>Peak power (W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perdita %</source>
        <translation>Loss %</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Analisi serie</source>
        <translation>Set analysis</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Ripetizioni della serie</source>
        <translation>Reps of the set</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Ripetizione esclusa</source>
        <translation>Rep left out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oltre la soglia di perdita</source>
        <translation>Past the velocity loss threshold</translation>
    </message>
</context>
<context>
    <name>Frm_club</name>
    <message>
        <location filename="../club/frm_club.cpp"/>
        <source>Cifrata se il server lo permette</source>
        <translation>Encrypted if the server allows it</translation>
    </message>
    <message>
        <source>Sempre cifrata</source>
        <translation>Always encrypted</translation>
    </message>
    <message>
        <source>Sempre cifrata, con il certificato del server verificato</source>
        <translation>Always encrypted, with the server&apos;s certificate verified</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>I test di questa stazione vanno al server PostgreSQL del club, e i test delle altre stazioni arrivano nello storico. La password resta nel file delle password di PostgreSQL, mai nelle impostazioni di kinetrack.</source>
        <translation>This station&apos;s tests go to the club&apos;s PostgreSQL server, and the other stations&apos; tests arrive in the log. The password stays in PostgreSQL&apos;s password file, never in kinetrack&apos;s settings.</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Utente</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Cifratura</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Stazione</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Il nome con cui i test di questa stazione appaiono alle altre</source>
        <translation>The name this station&apos;s tests carry at the other stations</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>vuota: resta quella salvata</source>
        <translation>empty: the saved one stays</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>Po&amp;rta:</source>
        <translation>Po&amp;rt:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Database:</translation>
    </message>
    <message>
        <source>&amp;Utente:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>&amp;Cifratura:</source>
        <translation>&amp;Encryption:</translation>
    </message>
    <message>
        <source>S&amp;tazione:</source>
        <translation>St&amp;ation:</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>Esito</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>&amp;Prova</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Si collega al server e dice com&apos;è andata</source>
        <translation>Connects to the server and tells how it went</translation>
    </message>
    <message>
        <source>&amp;Nessun club</source>
        <translation>&amp;No club</translation>
    </message>
    <message>
        <source>Questa stazione smette di inviare e dimentica i test delle altre stazioni</source>
        <translation>This station stops sending and forgets the other stations&apos; tests</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Manca il server.</source>
        <translation>The server is missing.</translation>
    </message>
    <message>
        <source>Manca il database.</source>
        <translation>The database is missing.</translation>
    </message>
    <message>
        <source>Manca l&apos;utente.</source>
        <translation>The user is missing.</translation>
    </message>
    <message>
        <source>Manca il nome della stazione.</source>
        <translation>The station&apos;s name is missing.</translation>
    </message>
    <message>
        <source>La password non è stata salvata: %1</source>
        <translation>The password was not saved: %1</translation>
    </message>
    <message>
        <source>Collegamento a %1 in corso...</source>
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <source>Collegato: il server risponde e il suo schema è quello di questa versione.</source>
        <translation>Connected: the server answers and its schema is this version&apos;s.</translation>
    </message>
    <message>
        <source>Le impostazioni non sono state salvate.</source>
        <translation>The settings were not saved.</translation>
    </message>
</context>
<context>
    <name>Frm_cmd</name>
    <message>
        <location filename="../acquisition/frm_cmd.cpp" line="+58"/>
        <source>Comandi</source>
        <translation>Commands</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Start/Stop Acquisizione (%1)</source>
        <translation>Start/Stop acquisition (%1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+200"/>
        <source>ACQUISIZIONE</source>
        <translation>ACQUISITION</translation>
    </message>
    <message>
        <location line="-198"/>
        <source>Memorizzazione/Semplice visualizzazione dei dati (%1)</source>
        <translation>Recording/Display only of the data (%1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+199"/>
        <source>MEMO DATI</source>
        <translation>RECORD DATA</translation>
    </message>
    <message>
        <location line="-198"/>
        <source>Reset Pos</source>
        <translation>Reset Pos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impone valore 0 allo spostamento</source>
        <translation>Sets the displacement to 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+2"/>
        <source>RESET DATI</source>
        <translation>RESET DATA</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset dei dati acquisiti</source>
        <translation>Clears the acquired data</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>RIPETIZIONI</source>
        <translation>REPS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visualizza esclusivamente  il grafico delle variabili acquisite in funzione delle ripetizioni</source>
        <translation>Shows only the graph of the acquired values against the reps</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>TEMPO</source>
        <translation>TIME</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visualizza esclusivamente  il grafico delle variabili acquisite in funzione del tempo</source>
        <translation>Shows only the graph of the acquired values against time</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GRAFICI T&amp;&amp;R</source>
        <translation>GRAPHS T&amp;&amp;R</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visualizza le variabili acquisite sia in funzione delle ripetizioni che del tempo</source>
        <translation>Shows the acquired values against both the reps and time</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CRONO</source>
        <translation>STOPWATCH</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mostra il cronometro</source>
        <translation>Shows the stopwatch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CALCOLATRICE</source>
        <translation>CALCULATOR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mostra la colcolatrice</source>
        <translation>Shows the calculator</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Apri...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salva dati con nome...</source>
        <translation>Save data as...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Salva file intero con nome...</source>
        <translation>Save whole file as...</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>LAVORO</source>
        <translation>RUNNING</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>AVVIA</source>
        <translation>START</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>REGISTRA</source>
        <translation>RECORDING</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Nessuna calcolatrice trovata: installarne una fra %1.</source>
        <translation>No calculator found: install one of %1.</translation>
    </message>
    <message>
        <source>SERIE AUTO</source>
        <translation>AUTO SETS</translation>
    </message>
    <message>
        <source>Le serie iniziano e finiscono da sole: un avvio arma la postazione, ogni serie è salvata alla sua fine</source>
        <translation>Sets start and end by themselves: a start arms the station, each set is saved when it ends</translation>
    </message>
    <message>
        <source>SERIE AUTO: ogni serie inizia al primo movimento ed è salvata alla sua fine</source>
        <translation>AUTO SETS: each set starts at the first movement and is saved when it ends</translation>
    </message>
    <message>
        <source>SERIE AUTO con MEMO DATI spento: le serie sono mostrate, non salvate</source>
        <translation>AUTO SETS with RECORD DATA off: the sets are shown, not saved</translation>
    </message>
    <message>
        <source>Serie senza ripetizioni: nessun test salvato</source>
        <translation>Set without repetitions: no test saved</translation>
    </message>
    <message>
        <source>Serie %1 (%2 ripetizioni) non salvata: MEMO DATI spento</source>
        <translation>Set %1 (%2 repetitions) not saved: RECORD DATA off</translation>
    </message>
    <message>
        <source>Serie %1 salvata: %2</source>
        <translation>Set %1 saved: %2</translation>
    </message>
    <message>
        <source>Serie %1 non salvata</source>
        <translation>Set %1 not saved</translation>
    </message>
</context>
<context>
    <name>Frm_confronta</name>
    <message>
        <location filename="../log/frm_confronta.cpp" line="+28"/>
        <source>Confronta test</source>
        <translation>Compare tests</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Velocità per ripetizione</source>
        <translation>Velocity per rep</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ripetizione</source>
        <translation>Rep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Velocità per ripetizione dei due test</source>
        <translation>Velocity per rep of the two tests</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Ripetizioni dei due test</source>
        <translation>Reps of the two tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rip.</source>
        <translation>Reps</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>esclusa</source>
        <translation>left out</translation>
    </message>
</context>
<context>
    <name>Frm_crono</name>
    <message>
        <source>Tempo: %1:%2.%3</source>
        <translation>Time: %1:%2.%3</translation>
    </message>
    <message>
        <location filename="../tools/frm_crono.cpp" line="+46"/>
        <source>Funzioni Tempo</source>
        <translation>Time functions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Inserisci valore in secondi:</source>
        <translation>Enter a value in seconds:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Attiva area avviso acustico</source>
        <translation>Enable the acoustic warning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cronometro</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minuti</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decimi</source>
        <translation>Tenths</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>S&amp;top</source>
        <translation>S&amp;top</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Avviso Acustico</source>
        <translation>Acoustic warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Periodo dell&apos;avviso acustico</source>
        <translation>Period of the acoustic warning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set &amp;frequenza</source>
        <translation>Set &amp;interval</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dec</source>
        <translation>tenths</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Periodo non valido: inserire un numero di secondi maggiore o uguale a 1.</source>
        <translation>Invalid period: enter a number of seconds of 1 or more.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
</context>
<context>
    <name>Frm_edit_grafici</name>
    <message>
        <location filename="../analysis/frm_edit_grafici.cpp" line="+31"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cursor Measurements</source>
        <translation>Cursor Measurements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measure Move</source>
        <translation>Measure Move</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ingrandimento: trascinando si ingrandisce il riquadro scelto</source>
        <translation>Zoom: dragging zooms into the chosen rectangle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spostamento: trascinando si sposta l&apos;intervallo visibile</source>
        <translation>Pan: dragging moves the visible range</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Misure con i cursori: trascinando si spostano i cursori</source>
        <translation>Cursor measurements: dragging moves the cursors</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Misura e sposta: trascinando un cursore la sua lettura lo segue</source>
        <translation>Measure and move: dragging a cursor, its readout follows it</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Impostazione Proprietà Grafici</source>
        <translation>Graph properties</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Grafico</source>
        <translation>Graph</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ripetizioni</source>
        <translation>Reps</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Axis</source>
        <translation>Edit Axis</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Modifica asse: scegli l&apos;asse con il cursore e imposta il minimo e il massimo</source>
        <translation>Edit axis: choose the axis with the slider and set its minimum and maximum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Applica il nuovo intervallo all&apos;asse e lo salva</source>
        <translation>Applies the new range to the axis and saves it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla le modifiche: ricarica gli assi salvati dei due grafici</source>
        <translation>Undoes the changes: reloads the saved axes of both graphs</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Graph Operations</source>
        <translation>Graph Operations</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Operazioni sul grafico: cosa fa il mouse trascinando sul grafico</source>
        <translation>Graph operations: what dragging the mouse on the graph does</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Operazioni sul grafico: ingrandimento, spostamento, misure con i cursori, misura e sposta</source>
        <translation>Graph operations: zoom, pan, cursor measurements, measure and move</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chiude la finestra senza applicare nulla</source>
        <translation>Closes the window without applying anything</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Intervallo non valido: il minimo deve essere minore del massimo.</source>
        <translation>Invalid range: the minimum must be less than the maximum.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Impostazioni non salvate in %1: %2</source>
        <translation>Settings not saved in %1: %2</translation>
    </message>
</context>
<context>
    <name>Frm_grafici</name>
    <message>
        <location filename="../analysis/frm_grafici.cpp" line="+45"/>
        <source>MIN</source>
        <translation>MIN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAX</source>
        <translation>MAX</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Perdita di velocità</source>
        <translation>Velocity loss</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Velocità mostrata</source>
        <translation>Velocity shown</translation>
    </message>
    <message>
        <location line="+200"/>
        <source>oltre la soglia</source>
        <translation>over the threshold</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: %2 m/s</source>
        <translation>%1: %2 m/s</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Perdita %1 %</source>
        <translation>Loss %1 %</translation>
    </message>
</context>
<context>
    <name>Frm_intestazione</name>
    <message>
        <location filename="../setup/frm_intestazione.cpp" line="+32"/>
        <source>CONFIGURA</source>
        <translation>SETUP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTESTAZIONE</source>
        <translation>HEADER</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Atleta: %1    Carico (Kg): %2    Esercizio: %3</source>
        <translation>Athlete: %1    Load (kg): %2    Exercise: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Velocità Max (mm/s): %1    Limite Sup. (%): %2    Limite Inf. (%): %3</source>
        <translation>Max velocity (mm/s): %1    Upper limit (%): %2    Lower limit (%): %3</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Spost(cm)=  %1</source>
        <translation>Displ(cm)=  %1</translation>
    </message>
</context>
<context>
    <name>Frm_password_club</name>
    <message>
        <location filename="../club/frm_club.cpp"/>
        <source>Password del club</source>
        <translation>Club password</translation>
    </message>
    <message>
        <source>Il server %1 ha rifiutato la password dell&apos;utente %2. I test restano in coda finché non è quella giusta.</source>
        <translation>The server %1 refused the password of user %2. The tests stay queued until it is the right one.</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>Errore</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>La password non è stata salvata: %1</source>
        <translation>The password was not saved: %1</translation>
    </message>
</context>
<context>
    <name>Frm_profilo</name>
    <message>
        <location filename="../log/frm_profilo.cpp" line="+41"/>
        <location line="+22"/>
        <source>Profilo carico-velocità</source>
        <translation>Load-velocity profile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Atleta</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;tleta:</source>
        <translation>At&amp;hlete:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Profilo carico-velocità: %1, %2</source>
        <translation>Load-velocity profile: %1, %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Esercizio</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Velocità al massimale (m/s)</source>
        <translation>Velocity at the 1RM (m/s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità media di spinta con il carico massimale: il massimale stimato è il carico a cui la retta la raggiunge</source>
        <translation>Mean propulsive velocity with the maximal load: the estimated 1RM is the load at which the line reaches it</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Esercizio:</source>
        <translation>&amp;Exercise:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>V&amp;1rm (m/s):</source>
        <translation>V&amp;1RM (m/s):</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+13"/>
        <source>Carico (kg)</source>
        <translation>Load (kg)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Test</source>
        <translation>Tests</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retta</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>V1rm</source>
        <translation>V1RM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Massimale stimato</source>
        <translation>Estimated 1RM</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Test dell&apos;esercizio</source>
        <translation>Tests of the exercise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Risultato</source>
        <translation>Result</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rilegge i test salvati nella cartella dell&apos;atleta</source>
        <translation>Reads the tests saved in the athlete&apos;s folder again</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>Retta: v = %1 %2 %3 · carico   (R² %4, %5 test)</source>
        <translation>Line: v = %1 %2 %3 · load   (R² %4, %5 tests)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>V1rm: %1 m/s</source>
        <translation>V1RM: %1 m/s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&lt;b&gt;e1RM: %1&lt;/b&gt;   (%2 carichi diversi, da %3 a %4 kg)</source>
        <translation>&lt;b&gt;e1RM: %1&lt;/b&gt;   (%2 distinct loads, from %3 to %4 kg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>File scartati: %1 (%2)</source>
        <translation>Files skipped: %1 (%2)</translation>
    </message>
    <message>
        <source>V1rm: %1 m/s, MVT dell&apos;atleta (la ripetizione più lenta a %2 kg, %3)</source>
        <translation>V1rm: %1 m/s, the athlete&apos;s MVT (the slowest repetition at %2 kg, %3)</translation>
    </message>
</context>
<context>
    <name>Frm_squadra</name>
    <message>
        <location filename="../log/frm_squadra.cpp" line="+22"/>
        <location line="+4"/>
        <source>Squadra</source>
        <translation>Team</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Squadra:</source>
        <translation>&amp;Team:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Atleti della squadra</source>
        <translation>Athletes of the team</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doppio clic o Invio su un atleta: il suo storico</source>
        <translation>Double click or Enter on an athlete: his training log</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Atleta</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ultimo test</source>
        <translation>Last test</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ultimo e1RM</source>
        <translation>Last e1RM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Prontezza</source>
        <translation>Readiness</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test 7 gg</source>
        <translation>Tests 7 d</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Test 28 gg</source>
        <translation>Tests 28 d</translation>
    </message>
</context>
<context>
    <name>Frm_storico</name>
    <message>
        <location filename="../log/frm_storico.cpp" line="+37"/>
        <source>Esporta PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+178"/>
        <source>Storico atleta</source>
        <translation>Training log</translation>
    </message>
    <message>
        <location line="-173"/>
        <source>Squadra</source>
        <translation>Team</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Atleta</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+48"/>
        <source>Esercizio</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="-46"/>
        <source>Solo &amp;dal</source>
        <translation>Only &amp;from</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solo i test tra due date</source>
        <translation>Only the tests between two dates</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dal giorno</source>
        <translation>From the day</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Al giorno</source>
        <translation>To the day</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a&amp;l</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;quadra:</source>
        <translation>Te&amp;am:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;tleta:</source>
        <translation>At&amp;hlete:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Esercizio:</source>
        <translation>&amp;Exercise:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Prontezza</source>
        <translation>Readiness</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Test dell&apos;atleta</source>
        <translation>The athlete&apos;s tests</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Doppio clic o Invio su un test: lo apre come Apri</source>
        <translation>Double click or Enter on a test: opens it as Open does</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carico (kg)</source>
        <translation>Load (kg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rip.</source>
        <translation>Reps</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Perdita %</source>
        <translation>Loss %</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>RPE</source>
        <translation>RPE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nota</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>C&amp;onfronta</source>
        <translation>C&amp;ompare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Le ripetizioni di due test scelti, affiancate</source>
        <translation>The reps of two chosen tests, side by side</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Squadra...</source>
        <translation>Tea&amp;m...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gli atleti della squadra in sintesi</source>
        <translation>The team&apos;s athletes at a glance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esporta &amp;PDF...</source>
        <translation>Export &amp;PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il rapporto del giorno del test scelto, o dei giorni filtrati per data</source>
        <translation>The report of the chosen test&apos;s day, or of the days filtered by date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Aggiorna</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rilegge i test salvati</source>
        <translation>Reads the saved tests again</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Chiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>Storico atleta: %1</source>
        <translation>Training log: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Tutti gli esercizi</source>
        <translation>All exercises</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Nessun atleta con test salvati.</source>
        <translation>No athlete with saved tests.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nessun test salvato.</source>
        <translation>No saved test.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Prontezza: nessun carico di riferimento</source>
        <translation>Readiness: no reference load</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it_IT</source>
        <comment>the locale the day of the test is named in</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&lt;b&gt;Ultimo giorno di test: %1&lt;/b&gt;&lt;br&gt;%2</source>
        <translation>&lt;b&gt;Last day of tests: %1&lt;/b&gt;&lt;br&gt;%2</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Nessun test da mettere nel rapporto.</source>
        <translation>No test to put in the report.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Il rapporto non è stato scritto: %1.</source>
        <translation>The report was not written: %1.</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Rapporto %1 %2.pdf</source>
        <translation>Report %1 %2.pdf</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Rapporto scritto in %1 (%2 test, %3 pagine).</source>
        <translation>Report written to %1 (%2 tests, %3 pages).</translation>
    </message>
    <message>
        <source>File non usati</source>
        <translation>Files not used</translation>
    </message>
    <message>
        <source>File non usati (%1): %2</source>
        <translation>Files not used (%1): %2</translation>
    </message>
    <message>
        <source>Stazione</source>
        <translation>Station</translation>
    </message>
</context>
<context>
    <name>Frm_utente</name>
    <message>
        <location filename="../setup/frm_utente.cpp" line="+38"/>
        <source>Squadra</source>
        <translation>Team</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identificativo Atleta</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire nome e cognome</source>
        <translation>Enter first and last name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carico             (Kg)</source>
        <translation>Load               (kg)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire carico sollevato dall&apos;atleta</source>
        <translation>Enter the load the athlete lifts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Identificativo Esercizio</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire identificativo del tipo di esercizio</source>
        <translation>Enter the name of the kind of exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità Massima (mm/s)</source>
        <translation>Maximum velocity (mm/s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire valore della massima velocità, rispetto al carico di cui sapra, con cui potrà essere svolto l&apos;esercizio </source>
        <translation>Enter the maximum velocity at which the exercise can be performed with the load above </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limite Superiore   (%)</source>
        <translation>Upper limit      (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire valore percentuale della Vmax al di sopra del quale si attiverà un allarme</source>
        <translation>Enter the percentage of Vmax above which an alarm goes off</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Limite Inferiore   (%)</source>
        <translation>Lower limit      (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire valore percentuale della Vmax al di sotto del quale si attiverà un allarme</source>
        <translation>Enter the percentage of Vmax below which an alarm goes off</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ampiezza minima    (mm)</source>
        <translation>Minimum range    (mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire valore di spostamento ammissibile per considerare valido l&apos;esercizio</source>
        <translation>Enter the displacement a lift needs to count as a rep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nota</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Inserire eventuale nota generale</source>
        <translation>Enter a general note, if any</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Perdita max (%)</source>
        <translation>Max loss (%)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Perdita max (%): inserire un numero da 0 a 100</source>
        <translation>Max loss (%): enter a number from 0 to 100</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Impostazione dati esercizio</source>
        <translation>Exercise setup</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nuovo: %1</source>
        <translation>New: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elimina</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Elimina: %1</source>
        <translation>Delete: %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Inserire la perdita percentuale di velocità nella serie oltre la quale si attiverà un allarme</source>
        <translation>Enter the velocity loss within the set, in per cent, past which an alarm goes off</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Perdita max (%)</source>
        <translation>&amp;Max loss (%)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità di riferimento</source>
        <translation>Reference velocity</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Velocità con cui si giudica la serie: numero grande, colore della fascia e perdita di velocità</source>
        <translation>The velocity the set is judged by: large number, band colour and velocity loss</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Velocità di riferimento</source>
        <translation>&amp;Reference velocity</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Annulla</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Nuovo valore - %1:</source>
        <translation>New value - %1:</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1: %2 deve essere minore di %3, il %4.</source>
        <translation>%1: %2 must be less than %3, the %4.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carico di riferimento (kg): lasciare vuoto o inserire un numero da 0 a %1</source>
        <translation>Reference load (kg): leave empty or enter a number from 0 to %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>automatico</source>
        <translation>automatic</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carico di riferimento (kg)</source>
        <translation>Reference load (kg)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carico a cui si confronta la prima serie del giorno per la prontezza; vuoto: quello usato più spesso all&apos;inizio delle sedute</source>
        <translation>Load the day&apos;s first set is compared at for readiness; empty: the one used most often at the start of the sessions</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Carico di &amp;riferimento (kg)</source>
        <translation>Reference &amp;load (kg)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fine serie dopo (s): inserire un numero da %1 a %2</source>
        <translation>End set after (s): enter a number from %1 to %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recupero (s): lasciare vuoto o inserire un numero intero da 1 a %1</source>
        <translation>Rest (s): leave empty or enter a whole number from 1 to %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fine serie dopo (s)</source>
        <translation>End set after (s)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Con SERIE AUTO, secondi di bilanciere fermo dopo l&apos;ultima ripetizione che concludono la serie</source>
        <translation>With AUTO SETS, the seconds of a still bar after the last repetition that end the set</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Fine serie dopo (s)</source>
        <translation>&amp;End set after (s)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Recupero (s)</source>
        <translation>Rest (s)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Secondi di recupero tra le serie, alla fine dei quali si sente un segnale; vuoto: nessun recupero prefissato</source>
        <translation>Seconds of rest between sets, at the end of which a cue sounds; empty: no target rest</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Re&amp;cupero (s)</source>
        <translation>Re&amp;st (s)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fine &amp;serie alla perdita</source>
        <translation>End set at loss &amp;threshold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fine serie alla perdita</source>
        <translation>End set at loss threshold</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Con SERIE AUTO, la prima ripetizione alla perdita max o oltre conclude anche la serie</source>
        <translation>With AUTO SETS, the first repetition at or beyond the max loss also ends the set</translation>
    </message>
    <message>
        <source>V1rm (m/s): lasciare vuoto o inserire un numero da %1 a %2</source>
        <translation>V1rm (m/s): leave empty or enter a number from %1 to %2</translation>
    </message>
    <message>
        <source>V1rm (m/s)</source>
        <translation>V1rm (m/s)</translation>
    </message>
    <message>
        <source>V&amp;1rm (m/s)</source>
        <translation>V&amp;1rm (m/s)</translation>
    </message>
    <message>
        <source>MVT dell&apos;atleta o %1</source>
        <translation>athlete&apos;s MVT or %1</translation>
    </message>
    <message>
        <source>Velocità media propulsiva al massimale, da cui si stima l&apos;e1RM; vuoto: la MVT dell&apos;atleta (la ripetizione più lenta dei test ad almeno il 90 % dell&apos;e1RM) quando c&apos;è, altrimenti il valore tipico dell&apos;esercizio</source>
        <translation>Mean propulsive velocity at the 1RM, the e1RM is estimated from; empty: the athlete&apos;s MVT (the slowest repetition of the tests at 90 % of the e1RM or more) when there is one, otherwise the exercise&apos;s typical value</translation>
    </message>
</context>
<context>
    <name>Grafico_andamento</name>
    <message>
        <location filename="../log/grafico_andamento.cpp" line="+31"/>
        <source>Andamento dell&apos;esercizio</source>
        <translation>The exercise&apos;s trend</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Andamento</source>
        <translation>Trend</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>e1RM (kg)</source>
        <translation>e1RM (kg)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Andamento: scegliere un esercizio</source>
        <translation>Trend: choose an exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Andamento: %1, %2</source>
        <translation>Trend: %1, %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>e1RM del giorno</source>
        <translation>The day&apos;s e1RM</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1
e1RM %2 (da %3 carichi)</source>
        <translation>%1
e1RM %2 (from %3 loads)</translation>
    </message>
</context>
<context>
    <name>Lettura_liste</name>
    <message>
        <location filename="../setup/lettura_liste.cpp" line="+82"/>
        <source>Squadra</source>
        <translation>Team</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Atleta</source>
        <translation>Athlete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carico</source>
        <translation>Load</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esercizio</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità massima</source>
        <translation>Maximum velocity</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limite superiore</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limite inferiore</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ampiezza minima</source>
        <translation>Minimum range</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nota</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>la riga %1 (%2) non è un numero</source>
        <translation>line %1 (%2) is not a number</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>la prima riga indica %1 righe, la finestra ne ha %2</source>
        <translation>the first line gives %1 rows, the window has %2</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>l&apos;elenco %1 ha %2 voci invece di %3</source>
        <translation>the list %1 has %2 entries instead of %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>la riga %1 (%2) è interrotta</source>
        <translation>line %1 (%2) is cut short</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la riga %1 contiene caratteri non validi</source>
        <translation>line %1 holds invalid characters</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>la riga %1 (%2) non appartiene a nessun elenco</source>
        <translation>line %1 (%2) belongs to no list</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>la squadra %1 della riga %2 è stata tralasciata (%3)</source>
        <translation>the team %1 on line %2 was left out (%3)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>finisce dopo la riga %1</source>
        <translation>it ends after line %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il file %1 è danneggiato: %2.</source>
        <translation>The file %1 is damaged: %2.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Il file %1 è incompleto: %2.</source>
        <translation>The file %1 is incomplete: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Voci lette e tenute: %1.
Alla conferma con Ok il file sarà riscritto con queste voci; quello di ora resterà in %2.</source>
        <translation>Entries read and kept: %1.
Confirming with OK rewrites the file with these entries; the present one stays in %2.</translation>
    </message>
    <message>
        <source>Alla conferma con Ok il file sarà riscritto; quello di ora resterà in %1.</source>
        <translation>On Ok the file will be rewritten; the current one will be kept in %1.</translation>
    </message>
</context>
<context>
    <name>Progetti_grafici</name>
    <message>
        <location filename="../analysis/progetti_grafici.cpp" line="+16"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spostamento (mm)</source>
        <translation>Displacement (mm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vel (mm/sec)</source>
        <translation>Vel (mm/sec)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Ripetizioni</source>
        <translation>Reps</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>N° Ripetizioni</source>
        <translation>Rep No.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>V media (mm/s)</source>
        <translation>V mean (mm/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tempo (Sec)</source>
        <translation>Time (Sec)</translation>
    </message>
</context>
<context>
    <name>Riga_valutazione</name>
    <message>
        <location filename="../acquisition/riga_valutazione.cpp" line="+26"/>
        <source>RPE</source>
        <translation>RPE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fatica percepita dall&apos;atleta nella serie (RPE), da 1 a 10; vuoto: non indicata</source>
        <translation>Effort the athlete felt in the set (RPE), from 1 to 10; empty: not given</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;RPE</source>
        <translation>&amp;RPE</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nota</source>
        <translation>note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nota della serie</source>
        <translation>Note on the set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nota sulla serie appena salvata</source>
        <translation>Note on the set just saved</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Nota</source>
        <translation>&amp;Note</translation>
    </message>
</context>
<context>
    <name>Riquadro_carico_oggi</name>
    <message>
        <location filename="../log/riquadro_carico_oggi.cpp" line="+19"/>
        <location line="+18"/>
        <source>Carico per oggi</source>
        <translation>Load for today</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Zona di velocità</source>
        <translation>Velocity zone</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Velocità minima (m/s)</source>
        <translation>Minimum velocity (m/s)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Velocità massima (m/s)</source>
        <translation>Maximum velocity (m/s)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Zona:</source>
        <translation>&amp;Zone:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Velocità (m/s):</source>
        <translation>&amp;Velocity (m/s):</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>La cartella dell&apos;atleta non è in una cartella dati: il carico per oggi non si può calcolare.</source>
        <translation>The athlete&apos;s folder is not in a data folder: the load for today cannot be worked out.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Personalizzata</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>Salvataggi</name>
    <message>
        <location filename="../acquisition/salvataggi.cpp" line="+39"/>
        <source>Il file &quot;%1&quot; esiste già.
Sostituirlo? Quello che contiene ora andrà perso.</source>
        <translation>The file &quot;%1&quot; already exists.
Replace it? What it holds now will be lost.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Il giornale della serie in %1 non si può più scrivere: %2.
Contiene solo i primi %3 s della serie; il resto è solo in memoria e un&apos;interruzione del programma lo perderebbe.</source>
        <translation>The set&apos;s journal in %1 can no longer be written: %2.
It holds only the first %3 s of the set; the rest is only in memory and would be lost if the program were interrupted.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Impossibile scrivere il giornale della serie in %1: %2.
La serie è solo in memoria e un&apos;interruzione del programma la perderebbe.</source>
        <translation>Cannot write the set&apos;s journal in %1: %2.
The set is only in memory and would be lost if the program were interrupted.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Alla fine della serie i dati registrati sono salvati come sempre; se il salvataggio non riesce, salvarli altrove con &quot;Salva file intero con nome...&quot; e &quot;Salva dati con nome...&quot;.</source>
        <translation>At the end of the set the recorded data are saved as usual; if the save fails, save them elsewhere with &quot;Save whole file as...&quot; and &quot;Save data as...&quot;.</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>La serie resta in memoria e nel giornale %1: salvarla altrove con &quot;Salva file intero con nome...&quot; e &quot;Salva dati con nome...&quot;; al prossimo avvio il programma la salva da solo.</source>
        <translation>The set stays in memory and in the journal %1: save it elsewhere with &quot;Save whole file as...&quot; and &quot;Save data as...&quot;; at the next start the program saves it by itself.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La serie resta in memoria: salvarla ora altrove con &quot;Salva file intero con nome...&quot; e &quot;Salva dati con nome...&quot;. Il giornale %1 ne contiene solo i primi %2 s su %3: se il programma si chiude prima, al prossimo avvio sarà recuperata solo quella parte.</source>
        <translation>The set stays in memory: save it now elsewhere with &quot;Save whole file as...&quot; and &quot;Save data as...&quot;. The journal %1 holds only its first %2 s of %3: if the program closes before that, only that part will be recovered at the next start.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La serie resta in memoria, senza giornale: salvarla ora altrove con &quot;Salva file intero con nome...&quot; e &quot;Salva dati con nome...&quot;; se il programma si chiude prima, è persa.</source>
        <translation>The set stays in memory, with no journal: save it now elsewhere with &quot;Save whole file as...&quot; and &quot;Save data as...&quot;; if the program closes before that, it is lost.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>La serie precedente non è stata salvata e non ha un giornale: non si potrà più recuperare.</source>
        <translation>The previous set was not saved and has no journal: it can no longer be recovered.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La serie precedente non è stata salvata: il giornale %1 ne contiene solo i primi %2 s su %3, che il programma salva da solo al prossimo avvio; il resto è perso.</source>
        <translation>The previous set was not saved: the journal %1 holds only its first %2 s of %3, which the program saves by itself at the next start; the rest is lost.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>La serie precedente non è stata salvata: resta nel giornale %1 e il programma la salva da solo al prossimo avvio.</source>
        <translation>The previous set was not saved: it stays in the journal %1 and the program saves it by itself at the next start.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Salva dati  con nome</source>
        <translation>Save data as</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Salva file intero con nome</source>
        <translation>Save whole file as</translation>
    </message>
</context>
<context>
    <name>Sorveglianza_giornale</name>
    <message>
        <location filename="../acquisition/sorveglianza_giornale.cpp" line="+93"/>
        <source>Nessun giornale (%1): la serie è solo in memoria.</source>
        <translation>No journal (%1): the set is only in memory.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Giornale fermo a %1 s (%2): il resto della serie è solo in memoria.</source>
        <translation>Journal stopped at %1 s (%2): the rest of the set is only in memory.</translation>
    </message>
</context>
<context>
    <name>Sorveglianza_flusso</name>
    <message>
        <location filename="../acquisition/sorveglianza_flusso.cpp" line="+55"/>
        <source>Flusso della scheda disturbato: posizioni o tempi impossibili, valori della serie da verificare.</source>
        <translation>The board&apos;s stream is disturbed: impossible positions or times, check the set&apos;s values.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La scheda non invia dati da più di %1 s.</source>
        <translation>The board has sent no data for more than %1 s.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La scheda ha ripreso a inviare dati dopo %1 s di silenzio.</source>
        <translation>The board sends data again after %1 s of silence.</translation>
    </message>
</context>
<context>
    <name>frm_apertura</name>
    <message>
        <location filename="../tools/frm_apertura.cpp" line="+48"/>
        <source>Logo di Kinetrack</source>
        <translation>Kinetrack logo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Versione %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
