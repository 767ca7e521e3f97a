<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Apri_campioni</name>
    <message>
        <location filename="../datafiles/apri_campioni.cpp" line="+97"/>
        <source> File non compatibile!</source>
        <translation> Incompatible file!</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>File danneggiato alla riga %1: la misura comprende solo le righe precedenti.</source>
        <translation>File damaged at line %1: the measurement holds only the lines before it.</translation>
    </message>
</context>
<context>
    <name>Apri_misura</name>
    <message>
        <location filename="../datafiles/apri_misura.cpp" line="+61"/>
        <source>La scheda del test &quot;%1&quot; non si può usare: %2.
Il test si apre come uno senza scheda, con le impostazioni attuali.</source>
        <translation>The test record &quot;%1&quot; cannot be used: %2.
The test opens as one without a record, with the current settings.</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>un file di riepilogo delle ripetizioni</source>
        <translation>a rep summary file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>un file di analisi delle ripetizioni</source>
        <translation>a rep analysis file</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; è %2, non un file di campioni: si apre il file di campioni salvato con esso, &quot;%3&quot;.</source>
        <translation>&quot;%1&quot; is %2, not a sample file: the sample file saved with it opens, &quot;%3&quot;.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; è %2, non un file di campioni, e accanto non c&apos;è il file di campioni salvato con esso: una misura si riapre dal suo file di campioni (prima riga &quot;Kine01;&quot;).</source>
        <translation>&quot;%1&quot; is %2, not a sample file, and the sample file saved with it is not beside it: a measurement is reopened from its sample file (first line &quot;Kine01;&quot;).</translation>
    </message>
</context>
<context>
    <name>Collegamento_hid</name>
    <message>
        <location filename="../device/collegamento_hid.cpp" line="+54"/>
        <source>Dispositivo HID non collegato</source>
        <translation>HID device not connected</translation>
    </message>
    <message>
        <location line="+20"/>
        <source> Disconnesso</source>
        <translation> Disconnected</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Collegamento perso con la scheda USB: è stata scollegata.</source>
        <translation>Link to the USB board lost: it was unplugged.</translation>
    </message>
    <message>
        <location filename="../device/collegamento_hid.h" line="+32"/>
        <source> Connesso via HID</source>
        <translation> Connected via HID</translation>
    </message>
</context>
<context>
    <name>Collegamento_memoria</name>
    <message>
        <location filename="../device/collegamento_memoria.h" line="+45"/>
        <source> connesso in memoria</source>
        <translation> connected in memory</translation>
    </message>
</context>
<context>
    <name>Collegamento_seriale</name>
    <message>
        <location filename="../device/collegamento_seriale.cpp" line="+137"/>
        <source> connesso su com%1</source>
        <translation> connected on com%1</translation>
    </message>
</context>
<context>
    <name>Comando_cattura</name>
    <message>
        <location filename="../cli/cattura.cpp" line="+19"/>
        <source>Uso: kinetrack-capture --link serial|hid --board-type N --seed S [opzioni] USCITA
Scrive come cattura il flusso della scheda per una serie generata dal seme, ed elenca
le ripetizioni che il programma ne deve ricavare accanto alle alzate della serie.
  --link serial|hid       collegamento della cattura
  --board-type N          tipo di scheda, da 0 a 255 (oltre a 1 e 2 vale come 3)
  --seed S                seme della serie, da 0 a 4294967295
  --reps N                ripetizioni, da 0 a 100000 (5)
  --min-amplitude MM      ampiezza minima di una ripetizione, da 0 a 5000 (100)
  --twitch P              probabilità di un sussulto a ogni pausa, da 0 a 1 (0.3)
      --version           la versione del programma
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-capture --link serial|hid --board-type N --seed S [options] OUTPUT
Writes as a capture the board&apos;s stream for a set generated from the seed, and lists
the reps the program must find in it beside the set&apos;s lifts.
  --link serial|hid       link of the capture
  --board-type N          board type, 0 to 255 (above 1 and 2 it counts as 3)
  --seed S                seed of the set, 0 to 4294967295
  --reps N                reps, 0 to 100000 (5)
  --min-amplitude MM      minimum amplitude of a rep, 0 to 5000 (100)
  --twitch P              probability of a twitch at each pause, 0 to 1 (0.3)
      --version           the program&apos;s version
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>manca il file di uscita</source>
        <translation>the output file is missing</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 byte, %2 record letti, durata %3 s, ampiezza minima %4 mm</source>
        <translation>%1 bytes, %2 records read, duration %3 s, minimum amplitude %4 mm</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Rip	Spost(mm)	Durata(s)	Vmedia(mm/s)	Alzata(mm)	Alzata(s)</source>
        <translation>Rep	Displ(mm)	Duration(s)	Vmean(mm/s)	Lift(mm)	Lift(s)</translation>
    </message>
</context>
<context>
    <name>Comando_profilo</name>
    <message>
        <location filename="../cli/profilo.cpp" line="+25"/>
        <source>Uso: kinetrack-profilo --folder CARTELLA_ATLETA --exercise NOME [--v1rm M_S]
Profilo carico-velocità di un esercizio dai test salvati nella cartella dell&apos;atleta
(per ogni test con il file di analisi il carico e la migliore velocità media
propulsiva, MPV, come nel diario) e massimale stimato: il carico a cui la retta dei
minimi quadrati scende a V1rm, con il suo errore standard, i carichi diversi e gli
avvisi sulla stima (meno di 3 carichi, R2 sotto 0.90, carichi su meno del 20 %
dell&apos;e1RM).
  --folder CARTELLA       cartella dell&apos;atleta con i file delle ripetizioni
  --exercise NOME         esercizio (maiuscole e spazi ai lati non contano)
  --v1rm M_S              velocità media propulsiva al massimale, da 0.01 a 5 m/s
                          (senza: quella scelta per l&apos;atleta e l&apos;esercizio o, se
                          non scelta, la sua MVT dai test ad almeno il 90 %
                          dell&apos;e1RM, altrimenti quella dell&apos;esercizio)
  --write-example ATLETA  scrive prima nella cartella quattro test d&apos;esempio
                          dell&apos;esercizio, a 60, 80, 100 e 120 kg
      --version           la versione del programma
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-profilo --folder ATHLETE_FOLDER --exercise NAME [--v1rm M_S]
Load-velocity profile of an exercise from the tests saved in the athlete&apos;s folder
(for each test with an analysis file the load and the best mean propulsive velocity,
MPV, as in the log) and estimated 1RM: the load at which the least-squares line falls
to V1rm, with its standard error, the distinct loads and the estimate&apos;s warnings
(fewer than 3 loads, R2 below 0.90, loads over less than 20 % of the e1RM).
  --folder FOLDER         the athlete&apos;s folder with the rep files
  --exercise NAME         exercise (case and surrounding spaces do not matter)
  --v1rm M_S              mean propulsive velocity at the 1RM, 0.01 to 5 m/s
                          (without: the one chosen for the athlete and the
                          exercise or, if none, the athlete&apos;s MVT from the tests
                          at 90 % of the e1RM or more, else the exercise&apos;s)
  --write-example ATHLETE first writes four example tests of the exercise into
                          the folder, at 60, 80, 100 and 120 kg
      --version           the program&apos;s version
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>valore non valido per --v1rm: &quot;%1&quot; (da 0.01 a 5)</source>
        <translation>invalid value for --v1rm: &quot;%1&quot; (0.01 to 5)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Esercizio: %1</source>
        <translation>Exercise: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Punti: %1 (carico kg, %2, file)</source>
        <translation>Points: %1 (load kg, %2, file)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Intercetta: %1 m/s</source>
        <translation>Intercept: %1 m/s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pendenza: %1 m/s per kg</source>
        <translation>Slope: %1 m/s per kg</translation>
    </message>
    <message>
        <source>(MVT dell&apos;atleta: %1 kg, %2)</source>
        <translation>(the athlete&apos;s MVT: %1 kg, %2)</translation>
    </message>
    <message>
        <source>Carichi diversi: %1, da %2 a %3 kg (%4 kg)</source>
        <translation>Distinct loads: %1, from %2 to %3 kg (%4 kg)</translation>
    </message>
    <message>
        <source>Attenzione: %1</source>
        <translation>Warning: %1</translation>
    </message>
</context>
<context>
    <name>Comando_replay</name>
    <message>
        <location filename="../cli/replay.cpp" line="+40"/>
        <source>Uso: kinetrack-replay --link serial|hid --board-type N [opzioni] INGRESSO
  o: kinetrack-replay --record FILE [opzioni] INGRESSO
  o: kinetrack-replay --journal FILE [--locale NOME] [file da scrivere] [--time ...]
Riproduce una cattura del flusso della scheda nel motore di misura, senza finestre:
stampa la tabella delle ripetizioni e scrive i file richiesti.
  --journal FILE          il giornale di una serie (FILE.ktj nella cartella
                          &quot;recupero&quot; dei dati) invece di una cattura: collegamento,
                          tipo di scheda, fascia, ampiezza minima, atleta, esercizio e
                          carico sono quelli del giornale
  --record FILE           la scheda di un test (&quot;... test.ini&quot; accanto al suo file di
                          campioni): collegamento, tipo di scheda, fascia, ampiezza
                          minima, soglia di perdita, velocità di riferimento, atleta,
                          esercizio, carico e ripetizioni escluse sono quelli del test
  --link serial|hid       collegamento della cattura
  --board-type N          tipo di scheda, da 0 a 255 (oltre a 1, 2 e 3 vale come 3)
  --min-amplitude MM      ampiezza minima di una ripetizione, da 0 a 5000 (0)
  --vmax MM_S --upper PCT --lower PCT
                          fascia di velocità, insieme: Vmax da 0 a 5000 mm/s,
                          limiti da 0 a 1000 %
  --athlete TESTO --exercise TESTO --load KG
                          atleta, esercizio e carico (da 0 a 1000 kg) dei file
  --locale NOME           impostazioni dei numeri nei file (it_IT, en_US, C...)
  --samples FILE          file dei campioni da scrivere
  --summary FILE          file delle ripetizioni da scrivere
  --analysis FILE         file dell&apos;analisi delle ripetizioni da scrivere (velocità
                          media e propulsiva, potenza, perdita di velocità)
  --time AAAA-MM-GGThh:mm:ss
                          data e ora dei file al posto di quelle attuali
      --version           la versione del programma
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-replay --link serial|hid --board-type N [options] INPUT
  or: kinetrack-replay --record FILE [options] INPUT
  or: kinetrack-replay --journal FILE [--locale NAME] [files to write] [--time ...]
Replays a capture of the board&apos;s stream through the measurement engine, without windows:
prints the rep table and writes the files asked for.
  --journal FILE          a set&apos;s journal (FILE.ktj in the data&apos;s &quot;recupero&quot; folder)
                          instead of a capture: link, board type, band, minimum
                          amplitude, athlete, exercise and load are the journal&apos;s
  --record FILE           a test&apos;s record (&quot;... test.ini&quot; beside its sample
                          file): link, board type, band, minimum amplitude,
                          loss threshold, reference velocity, athlete, exercise,
                          load and left-out reps are the test&apos;s
  --link serial|hid       link of the capture
  --board-type N          board type, 0 to 255 (above 1, 2 and 3 it counts as 3)
  --min-amplitude MM      minimum amplitude of a rep, 0 to 5000 (0)
  --vmax MM_S --upper PCT --lower PCT
                          velocity band, together: Vmax 0 to 5000 mm/s,
                          limits 0 to 1000 %
  --athlete TEXT --exercise TEXT --load KG
                          athlete, exercise and load (0 to 1000 kg) of the files
  --locale NAME           number settings in the files (it_IT, en_US, C...)
  --samples FILE          sample file to write
  --summary FILE          rep file to write
  --analysis FILE         rep analysis file to write (mean and propulsive
                          velocity, power, velocity loss)
  --time YYYY-MM-DDThh:mm:ss
                          date and time of the files instead of the current ones
      --version           the program&apos;s version
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 non va con --journal: il giornale ha le impostazioni della serie</source>
        <translation>%1 does not go with --journal: the journal holds the set&apos;s settings</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 non va con --record: la scheda del test ha le impostazioni della serie</source>
        <translation>%1 does not go with --record: the test record holds the set&apos;s settings</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>manca il file di %1</source>
        <translation>the file of %1 is missing</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--record non va con --journal: il giornale ha le impostazioni della serie</source>
        <translation>--record does not go with --journal: the journal holds the set&apos;s settings</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>tipo di scheda non valido: &quot;%1&quot; (da 0 a 255)</source>
        <translation>invalid board type: &quot;%1&quot; (0 to 255)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>locale sconosciuta: &quot;%1&quot;</source>
        <translation>unknown locale: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>data e ora non valide: &quot;%1&quot; (AAAA-MM-GGThh:mm:ss)</source>
        <translation>invalid date and time: &quot;%1&quot; (YYYY-MM-DDThh:mm:ss)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>manca il file di ingresso</source>
        <translation>the input file is missing</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>con --journal non si dà un file di ingresso</source>
        <translation>no input file goes with --journal</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>--vmax, --upper e --lower vanno dati insieme</source>
        <translation>--vmax, --upper and --lower go together</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>il file di ingresso è vuoto</source>
        <translation>the input file is empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>il file di ingresso non ha un record intero: %1 byte, meno di %2</source>
        <translation>the input file holds no whole record: %1 bytes, fewer than %2</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>il giornale non ha dati registrati</source>
        <translation>the journal holds no recorded data</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>la cattura finisce dentro un report, %1 byte in fondo non sono usati</source>
        <translation>the capture ends inside a report, %1 bytes at the end are not used</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>la cattura finisce dentro un record, %1 byte in fondo non sono usati</source>
        <translation>the capture ends inside a record, %1 bytes at the end are not used</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>dispositivo non riconosciuto: DEFAULT TIPO 3!!</source>
        <translation>device not recognised: DEFAULT TYPE 3!!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>posizioni impossibili per la scheda (un salto di %1 mm tra due record)</source>
        <translation>positions impossible for the board (a jump of %1 mm between two records)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tempi impossibili per la scheda (%1 record con un passo nullo o di oltre %2 s)</source>
        <translation>times impossible for the board (%1 records with a zero step or one over %2 s)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: il flusso è disturbato o la cattura non è del collegamento %2, provare --link %3</source>
        <translation>%1: the stream is garbled or the capture is not of the %2 link, try --link %3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>giallo</source>
        <translation>yellow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>verde</source>
        <translation>green</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>rosso</source>
        <translation>red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fascia</source>
        <translation>Band</translation>
    </message>
</context>
<context>
    <name>Comando_storico</name>
    <message>
        <location filename="../cli/pdf_storico.cpp" line="+22"/>
        <source>nessun test da mettere nel PDF</source>
        <translation>no test to put in the PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>il PDF è di un atleta solo: scegliere con --team e --athlete</source>
        <translation>the PDF is of one athlete only: choose with --team and --athlete</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>scritto %1 (%2 test, 1 pagina)</source>
        <translation>wrote %1 (%2 tests, 1 page)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scritto %1 (%2 test, %3 pagine)</source>
        <translation>wrote %1 (%2 tests, %3 pages)</translation>
    </message>
    <message>
        <location filename="../cli/storico.cpp" line="+47"/>
        <source>Uso: kinetrack-storico --data CARTELLA_DATI [--team SQUADRA] [--athlete ATLETA]
                       [--exercise ESERCIZIO] [--from AAAA-MM-GG] [--to AAAA-MM-GG]
                       [--pdf FILE | --readiness]
                       [--club &quot;host=H port=P dbname=N user=U&quot;] [--station NOME]
Il diario degli allenamenti: i test salvati nelle cartelle degli atleti, dal più
recente, come testo separato da &quot;;&quot; (punto decimale, una riga di intestazione):
squadra, atleta, data, ora, esercizio, carico (kg), ripetizioni valide, velocità
migliore (m/s), perdita di velocità dell&apos;ultima ripetizione (%), RPE, nota.
L&apos;intestazione (Squadra;Atleta;Data;...) è la stessa in ogni lingua, come nei file,
per i programmi che leggono il testo.
L&apos;indice dei test (ini/storico.sqlite) viene aggiornato dai file prima di leggere.
  --data CARTELLA         la cartella dei dati (quella con ini/ e le squadre)
  --team SQUADRA          solo gli atleti della squadra
  --athlete ATLETA        solo l&apos;atleta
  --exercise ESERCIZIO    solo l&apos;esercizio (maiuscole e spazi ai lati non contano)
  --from AAAA-MM-GG       solo i test da questo giorno
  --to AAAA-MM-GG         solo i test fino a questo giorno
  --pdf FILE              il diario in un file PDF invece che come testo
  --readiness             invece del diario, la prontezza di un atleta (--athlete) in
                          un esercizio (--exercise): una riga per ogni prima serie di
                          un giorno al carico di riferimento, dalla più vecchia (data,
                          carico, velocità, media delle sedute prima, variazione,
                          soglia in m/s; esito: sopra, nella norma, sotto o n.d.)
  --write-example ATLETA  scrive prima quattro settimane di test d&apos;esempio dell&apos;atleta
                          nella squadra di --team (senza: &quot;Esempio&quot;)
  --club PARAMETRI        prima invia al server PostgreSQL del club i test della
                          cartella che non ha (un test una volta sola) e prende
                          quelli delle altre stazioni: il diario li mostra tutti, con
                          la stazione in un&apos;ultima colonna (Stazione); la password
                          viene dal file delle password di PostgreSQL (~/.pgpass).
                          Con il club irraggiungibile il diario è quello che si ha e
                          l&apos;uscita è 1
  --station NOME          il nome di questa stazione nel club (senza: quello delle
                          impostazioni, altrimenti il nome del computer)
      --version           la versione del programma
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-storico --data DATA_FOLDER [--team TEAM] [--athlete ATHLETE]
                         [--exercise EXERCISE] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
                         [--pdf FILE | --readiness]
                         [--club &quot;host=H port=P dbname=N user=U&quot;] [--station NAME]
The training log: the tests saved in the athletes&apos; folders, newest first, as text
separated by &quot;;&quot; (decimal point, one header line): team, athlete, date, time,
exercise, load (kg), valid reps, best velocity (m/s), velocity loss of the last
rep (%), RPE, note.
The header line (Squadra;Atleta;Data;...) stays Italian in every language, as the files&apos;
headers do, for the programs that read the text.
The test index (ini/storico.sqlite) is brought up to date from the files before reading.
  --data FOLDER           the data folder (the one with ini/ and the teams)
  --team TEAM             only the team&apos;s athletes
  --athlete ATHLETE       only the athlete
  --exercise EXERCISE     only the exercise (case and surrounding spaces do not matter)
  --from YYYY-MM-DD       only the tests from this day
  --to YYYY-MM-DD         only the tests up to this day
  --pdf FILE              the log in a PDF file instead of as text
  --readiness             instead of the log, one athlete&apos;s (--athlete) readiness in
                          one exercise (--exercise): a row for every day&apos;s first set
                          at the reference load, oldest first (date, load, velocity,
                          mean of the sessions before, change, threshold in m/s; flag:
                          sopra, nella norma, sotto or n.d.)
  --write-example ATHLETE first writes four weeks of the athlete&apos;s example tests
                          in the team of --team (without: &quot;Esempio&quot;)
  --club PARAMETERS       first sends the folder&apos;s tests the club&apos;s PostgreSQL server
                          does not hold (a test only once) and takes the other
                          stations&apos; ones: the log shows them all, with the station
                          in a last column (Stazione); the password comes from
                          PostgreSQL&apos;s password file (~/.pgpass). With the club out
                          of reach the log is what the folder has and the exit
                          code is 1
  --station NAME          this station&apos;s name at the club (without: the one in the
                          settings, else the computer&apos;s name)
      --version           the program&apos;s version
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>--readiness vuole --athlete e --exercise</source>
        <translation>--readiness needs --athlete and --exercise</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>--readiness e --pdf non vanno insieme</source>
        <translation>--readiness and --pdf do not go together</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>nessun test di &quot;%1&quot; per l&apos;atleta &quot;%2&quot;</source>
        <translation>no test of &quot;%1&quot; for the athlete &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>l&apos;atleta &quot;%1&quot; è in più squadre: scegline una con --team</source>
        <translation>the athlete &quot;%1&quot; is in more than one team: choose one with --team</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>data non valida per %1: &quot;%2&quot; (AAAA-MM-GG)</source>
        <translation>invalid date for %1: &quot;%2&quot; (YYYY-MM-DD)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>manca il file di --pdf</source>
        <translation>the file of --pdf is missing</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>nome non valido: &quot;%1&quot;</source>
        <translation>invalid name: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--to viene prima di --from</source>
        <translation>--to comes before --from</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>scritti %1 test d&apos;esempio di %2 in %3</source>
        <translation>wrote %1 example tests of %2 in %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>la cartella dei dati &quot;%1&quot; non esiste</source>
        <translation>the data folder &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nessuna cartella di atleta per la squadra &quot;%1&quot;</source>
        <translation>no athlete folder for the team &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>nessuna cartella di atleta per l&apos;atleta &quot;%1&quot;</source>
        <translation>no athlete folder for the athlete &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Club: %1 test inviati</source>
        <translation>Club: %1 tests sent</translation>
    </message>
    <message>
        <source>Club: %1 test da inviare</source>
        <translation>Club: %1 tests to send</translation>
    </message>
</context>
<context>
    <name>Diario</name>
    <message>
        <location filename="../log/diario.cpp" line="+176"/>
        <source>Il test non ha il file di analisi.</source>
        <translation>The test has no analysis file.</translation>
    </message>
    <message>
        <source>I file di questo test sono alla stazione %1.</source>
        <translation>The files of this test are at station %1.</translation>
    </message>
</context>
<context>
    <name>Esempio_profilo</name>
    <message>
        <location filename="../log/esempio_profilo.cpp" line="+19"/>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>Fascia</name>
    <message>
        <location filename="../stream/fascia.cpp" line="+24"/>
        <source>sopra la fascia</source>
        <translation>above the band</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sotto la fascia</source>
        <translation>below the band</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in fascia</source>
        <translation>in the band</translation>
    </message>
</context>
<context>
    <name>Segnali_acustici</name>
    <message>
        <location filename="../stream/segnali_acustici.cpp" line="+133"/>
        <source>Nessun dispositivo audio: i segnali acustici sono muti</source>
        <translation>No audio device: the sound cues are silent</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nessuna voce installata per la lingua: la velocità è detta da un tono</source>
        <translation>No voice installed for the language: the velocity is told by a tone</translation>
    </message>
</context>
<context>
    <name>Frm_apri</name>
    <message>
        <location filename="../datafiles/frm_apri.cpp" line="+38"/>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File di campioni (*.csv)</source>
        <translation>Sample files (*.csv)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Fermare l&apos;acquisizione prima di aprire una misura.</source>
        <translation>Stop the acquisition before opening a measurement.</translation>
    </message>
</context>
<context>
    <name>Giornale_serie</name>
    <message>
        <location filename="../datafiles/giornale_serie.cpp" line="+93"/>
        <source>impossibile creare la cartella %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>Lettura_giornale</name>
    <message>
        <location filename="../datafiles/lettura_giornale.cpp" line="+53"/>
        <source>impossibile leggere il giornale (%1)</source>
        <translation>cannot read the journal (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>non è un giornale di kinetrack</source>
        <translation>not a kinetrack journal</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>riga dell&apos;intestazione illeggibile: %1</source>
        <translation>unreadable header line: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>intestazione incompleta</source>
        <translation>incomplete header</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>intestazione danneggiata</source>
        <translation>damaged header</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+30"/>
        <location line="+25"/>
        <source>impossibile leggere i record (%1)</source>
        <translation>cannot read the records (%1)</translation>
    </message>
</context>
<context>
    <name>Lettura_sommario</name>
    <message>
        <location filename="../datafiles/lettura_sommario.cpp" line="+130"/>
        <source>riga %1: %2 &quot;%3&quot;</source>
        <translation>line %1: %2 &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+82"/>
        <source>file illeggibile (%1)</source>
        <translation>unreadable file (%1)</translation>
    </message>
    <message>
        <location line="-75"/>
        <location line="+101"/>
        <source>nessuna ripetizione</source>
        <translation>no reps</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>riga %1 incompleta</source>
        <translation>line %1 incomplete</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nessun esercizio</source>
        <translation>no exercise</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>carico non valido</source>
        <translation>invalid load</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+61"/>
        <source>Vmedia non valida</source>
        <translation>invalid mean velocity</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Vpropulsiva non valida</source>
        <translation>invalid mean propulsive velocity</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>non è un file di analisi</source>
        <translation>not an analysis file</translation>
    </message>
</context>
<context>
    <name>Lista_valori</name>
    <message>
        <location filename="../stream/lista_valori.cpp" line="+42"/>
        <source>N°Rip</source>
        <translation>Rep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Durata</source>
        <translation>Duration</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spost.</source>
        <translation>Displ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vmedia</source>
        <translation>Vmean</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vmax</source>
        <translation>Vmax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TdiVmax</source>
        <translation>T@Vmax</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SdiVmax</source>
        <translation>D@Vmax</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>VALORI ASSOLUTI</source>
        <translation>ABSOLUTE VALUES</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FASE CONCENTRICA</source>
        <translation>CONCENTRIC PHASE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>FASE ECCENTRICA</source>
        <translation>ECCENTRIC PHASE</translation>
    </message>
</context>
<context>
    <name>Nomi_velocita</name>
    <message>
        <location filename="../session/nomi_velocita.cpp" line="+19"/>
        <source>Vmedia fase (tabella)</source>
        <translation>Phase mean velocity (table)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vmedia alzata</source>
        <translation>Lift mean velocity</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vmedia propulsiva (MPV)</source>
        <translation>Mean propulsive velocity (MPV)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vpicco</source>
        <translation>Peak velocity</translation>
    </message>
</context>
<context>
    <name>Pagine_pdf</name>
    <message>
        <location filename="../log/pagine_pdf.cpp" line="+25"/>
        <source>impossibile scrivere il file &quot;%1&quot;</source>
        <translation>cannot write the file &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>pagina %1</source>
        <translation>page %1</translation>
    </message>
</context>
<context>
    <name>Profilo_velocita</name>
    <message>
        <location filename="../log/profilo_velocita.cpp" line="+37"/>
        <source>La cartella &quot;%1&quot; non esiste.</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&quot;%1&quot; non è una cartella.</source>
        <translation>&quot;%1&quot; is not a folder.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Impossibile leggere la cartella &quot;%1&quot;.</source>
        <translation>Cannot read the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1: copia di %2</source>
        <translation>%1: copy of %2</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1: senza file di analisi, fuori dal profilo</source>
        <translation>%1: no analysis file, left out of the profile</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>nessuna Vpropulsiva positiva</source>
        <translation>no positive mean propulsive velocity</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: %2 (test fuori dal profilo)</source>
        <translation>%1: %2 (test left out of the profile)</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>Nessun test salvato in questa cartella.</source>
        <translation>No test saved in this folder.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nessun test di &quot;%1&quot; in questa cartella.</source>
        <translation>No test of &quot;%1&quot; in this folder.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Servono test con almeno due carichi diversi: i test di &quot;%1&quot; sono tutti a %2 kg.</source>
        <translation>Tests with at least two different loads are needed: the tests of &quot;%1&quot; are all at %2 kg.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La velocità non cala al crescere del carico (pendenza %1 m/s per kg): il profilo non stima il massimale.</source>
        <translation>Velocity does not drop as the load grows (slope %1 m/s per kg): the profile does not estimate the 1RM.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>La retta è sotto V1rm (%1 m/s) già senza carico: il profilo non stima il massimale.</source>
        <translation>The line is below V1rm (%1 m/s) even with no load: the profile does not estimate the 1RM.</translation>
    </message>
    <message>
        <source>Solo %1 carichi diversi: per una stima affidabile ne servono almeno %2.</source>
        <translation>Only %1 distinct loads: a reliable estimate needs at least %2.</translation>
    </message>
    <message>
        <source>R² %1, sotto %2: i test si discostano dalla retta.</source>
        <translation>R² %1, below %2: the tests stray from the line.</translation>
    </message>
    <message>
        <source>I carichi coprono %1 kg, il %2 % dell&apos;e1RM: meno del %3 %, la retta è incerta lontano da essi.</source>
        <translation>The loads span %1 kg, %2 % of the e1RM: less than %3 %, the line is uncertain far from them.</translation>
    </message>
    <message>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
</context>
<context>
    <name>Prontezza</name>
    <message>
        <location filename="../log/prontezza.cpp" line="+82"/>
        <source>nella norma</source>
        <translation>normal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sopra</source>
        <translation>above</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sotto</source>
        <translation>below</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>n.d.</source>
        <translation>n/a</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Forza massima</source>
        <translation>Maximal strength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forza</source>
        <translation>Strength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forza-velocità</source>
        <translation>Strength-speed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità-forza</source>
        <translation>Speed-strength</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Velocità</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Il profilo attuale di &quot;%1&quot; ha meno di due carichi: servono test con almeno due carichi diversi nelle ultime quattro settimane.</source>
        <translation>The current profile of &quot;%1&quot; has fewer than two loads: tests with at least two different loads in the last four weeks are needed.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>La velocità non cala al crescere del carico.</source>
        <translation>Velocity does not drop as the load grows.</translation>
    </message>
</context>
<context>
    <name>Protocollo</name>
    <message>
        <location filename="../device/protocollo.cpp" line="+17"/>
        <source> Scheda tipo %1</source>
        <translation> Board type %1</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>Nessuna scheda collegata.</source>
        <translation>No board connected.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nessuna scheda su %1: controllare che la scheda sia collegata e accesa e che la porta sia quella giusta.</source>
        <translation>No board on %1: check that the board is connected and switched on and that the port is the right one.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>La scheda non ha indicato il suo tipo: nessuna risposta entro %1 ms su %2.
Controllare che la scheda sia collegata e accesa.</source>
        <translation>The board did not tell its type: no reply within %1 ms on %2.
Check that the board is connected and switched on.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>dispositivo non riconosciuto: DEFAULT TIPO 3!!</source>
        <translation>device not recognised: DEFAULT TYPE 3!!</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Apparato non collegato o spento!</source>
        <translation>Device not connected or switched off!</translation>
    </message>
    <message>
        <location line="+58"/>
        <source> Disconnesso</source>
        <translation> Disconnected</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>L&apos;acquisizione è stata fermata; i dati registrati sono conservati.</source>
        <translation>The acquisition was stopped; the recorded data are kept.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Quando la scheda torna, il programma la ritrova da solo: il titolo della finestra lo indica.</source>
        <translation>When the board comes back, the program finds it by itself: the window title shows it.</translation>
    </message>
</context>
<context>
    <name>Rapporto_pdf</name>
    <message>
        <location filename="../log/rapporto_pdf.cpp" line="-40"/>
        <source>Velocità per ripetizione</source>
        <translation>Velocity per rep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ripetizione</source>
        <translation>Rep</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Escluse</source>
        <translation>Left out</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Profilo carico-velocità del giorno</source>
        <translation>Load-velocity profile of the day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Carico (kg)</source>
        <translation>Load (kg)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Test</source>
        <translation>Tests</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Retta</source>
        <translation>Line</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nota: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le ripetizioni del test non si possono leggere dai suoi file.</source>
        <translation>The test&apos;s reps cannot be read from its files.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>esclusa</source>
        <translation>left out</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rip.</source>
        <translation>Rep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perdita %</source>
        <translation>Loss %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Esclusa</source>
        <translation>Left out</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>il rapporto ha bisogno dell&apos;interfaccia grafica (anche offscreen)</source>
        <translation>the report needs the graphical interface (offscreen will do)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>nessun test di %1 da riportare</source>
        <translation>no test of %1 to report</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Rapporto di allenamento di %1</source>
        <translation>Training report of %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>dal %1 al %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rapporto di allenamento: %1</source>
        <translation>Training report: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Squadra: %1    Periodo: %2    Test: %3</source>
        <translation>Team: %1    Period: %2    Tests: %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>%1: e1RM del giorno %2 (da %3 carichi)</source>
        <translation>%1: e1RM of the day %2 (from %3 loads)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: e1RM del giorno non stimabile (serve più di un carico)</source>
        <translation>%1: e1RM of the day cannot be estimated (more than one load is needed)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>impossibile completare il file &quot;%1&quot;</source>
        <translation>cannot complete the file &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Ripetizioni</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>Attenzione: %1</source>
        <translation>Warning: %1</translation>
    </message>
</context>
<context>
    <name>Record_test</name>
    <message>
        <location filename="../datafiles/record_seduta.cpp" line="+104"/>
        <source>file danneggiato</source>
        <translation>damaged file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>file danneggiato (riga %1)</source>
        <translation>damaged file (line %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>non è la scheda di un test</source>
        <translation>not a test record</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>versione del formato mancante o illeggibile</source>
        <translation>format version missing or unreadable</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>scritta da una versione più recente del programma (formato %1, questo programma legge fino al %2)</source>
        <translation>written by a newer version of the program (format %1, this program reads up to %2)</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>valori illeggibili: %1</source>
        <translation>unreadable values: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>impossibile leggere la scheda del test</source>
        <translation>cannot read the test record</translation>
    </message>
</context>
<context>
    <name>Recupero_serie</name>
    <message>
        <location filename="../datafiles/recupero_serie.cpp" line="+119"/>
        <source>Serie del %1 recuperata: %2</source>
        <translation>Set of %1 recovered: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  e la sua parte successiva: %1</source>
        <translation>  and its next part: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Il giornale %1 è danneggiato (%2): spostato in %3, non è stato cancellato.</source>
        <translation>The journal %1 is damaged (%2): moved to %3, it was not deleted.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La serie del %1 non è stata salvata (%2): resta nel giornale %3 e sarà recuperata al prossimo avvio.</source>
        <translation>The set of %1 was not saved (%2): it stays in the journal %3 and will be recovered at the next start.</translation>
    </message>
    <message>
        <source>impossibile creare la cartella %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
    <message>
        <source>%1; non spostato in %2: %3</source>
        <translation>%1; not moved to %2: %3</translation>
    </message>
    <message>
        <source>manca il file dei record %1</source>
        <translation>the records file %1 is missing</translation>
    </message>
    <message>
        <source>il file dei record %1 non ha un record intero (%2 byte)</source>
        <translation>the records file %1 holds no whole record (%2 bytes)</translation>
    </message>
    <message>
        <source>Il giornale %1 è danneggiato (%2): resta dov&apos;è, non è stato cancellato.</source>
        <translation>The journal %1 is damaged (%2): it stays where it is, it was not deleted.</translation>
    </message>
</context>
<context>
    <name>Ricerca_scheda</name>
    <message>
        <location filename="../device/ricerca_scheda.cpp" line="+17"/>
        <source>Connessione a com%1</source>
        <translation>Connecting to com%1</translation>
    </message>
    <message>
        <location filename="../device/ricerca_scheda.h" line="+24"/>
        <source>Nessuna scheda trovata: collegare la scheda (USB o porta seriale) e accenderla, poi scegliere Impostazioni &gt; Parametri Porta.... per cercarla di nuovo.</source>
        <translation>No board found: connect the board (USB or serial port) and switch it on, then choose Settings &gt; Port Parameters... to look for it again.</translation>
    </message>
</context>
<context>
    <name>Scelte_analisi</name>
    <message>
        <location filename="../datafiles/scelte_analisi.cpp" line="+91"/>
        <source>Impossibile creare la cartella %1: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+9"/>
        <location line="+24"/>
        <location line="+3"/>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Impossibile scrivere %1: la copia di lavoro in %2 non può essere scritta</source>
        <translation>Cannot write %1: the working copy in %2 cannot be written</translation>
    </message>
    <message>
        <source>Il file %1 è danneggiato: se ne legge solo una parte.</source>
        <translation>The file %1 is damaged: only part of it is read.</translation>
    </message>
    <message>
        <source>Impossibile conservare la copia %1, e %2 non è stato riscritto: %3</source>
        <translation>Cannot keep the copy %1, and %2 was not rewritten: %3</translation>
    </message>
</context>
<context>
    <name>Scheda_virtuale</name>
    <message>
        <location filename="../virtualboard/avvio_scheda.cpp" line="+40"/>
        <source>impossibile intercettare i segnali</source>
        <translation>cannot catch the signals</translation>
    </message>
    <message>
        <location filename="../virtualboard/opzioni_scheda.cpp" line="+44"/>
        <source>Uso: kinetrack-board --port N [--board-type T] [--seed S] [opzioni]
Una scheda di misura virtuale su uno pseudo-terminale, raggiungibile come porta comN.
  --port N                numero della porta, da 1 a %1
  --board-type T          tipo che la scheda dichiara, da 0 a 255 (3)
  --seed S                seme del moto e dei disturbi, da 0 a 4294967295 (1)
Moto:
  --reps N                ripetizioni, da 0 a 1000000 (0 = senza fine)
  --amplitude MM[:MM]     altezza dell&apos;alzata, da 1 a 2000 mm (350:550)
  --down S[:S]            durata della discesa, da 0.05 a 60 s (1.2:2)
  --up S[:S]              durata della salita, da 0.05 a 60 s (0.6:1.2)
  --pause S[:S]           pausa tra le ripetizioni, da 0 a 600 s (1:3)
  --twitch P              probabilità di un sussulto a ogni pausa, da 0 a 1
                          (0.3); il sussulto allunga la sua pausa di circa 3 s
  --fatigue PCT           ogni salita della serie più lenta della precedente
                          di PCT %, da 0 a 50 (0)
  --rate N                invece un flusso costante di N record al secondo,
                          da 1 a %2
  --sets N[,N...]         serie di N ripetizioni, da 0 a 1000 (0: solo lo stacco
                          e il ritorno), poi il moto finisce
  --rest S                recupero tra le serie, da 0 a 3600 s (15)
  --pause-top K:S         nella serie K, pausa di S s in alto dopo la
                          ripetizione centrale, da 0.05 a 600 s
  --pause-bottom K:S      nella serie K, pausa di S s in basso prima della
                          ripetizione centrale, da 0.05 a 600 s
Scheda:
  --config MASCHERA,PERIODO_BASSO,PERIODO_ALTO
                          configurazione, ognuno da 0 a 255 (5,1,0)
Guasti:
  --silent                non risponde ai comandi
  --bad-start             risposte con il primo byte errato
  --garble P              probabilità di alterare un byte, da 0 a 1
  --truncate-after N      smette di trasmettere dopo N byte
  --vanish-after S        scompare (adattatore staccato) dopo S secondi
      --version           la versione del programma
  -h, --help              questo aiuto
</source>
        <translation>Usage: kinetrack-board --port N [--board-type T] [--seed S] [options]
A virtual measuring board on a pseudo-terminal, reachable as port comN.
  --port N                port number, 1 to %1
  --board-type T          type the board declares, 0 to 255 (3)
  --seed S                seed of the motion and the faults, 0 to 4294967295 (1)
Motion:
  --reps N                reps, 0 to 1000000 (0 = endless)
  --amplitude MM[:MM]     height of the lift, 1 to 2000 mm (350:550)
  --down S[:S]            duration of the lowering, 0.05 to 60 s (1.2:2)
  --up S[:S]              duration of the lifting, 0.05 to 60 s (0.6:1.2)
  --pause S[:S]           pause between reps, 0 to 600 s (1:3)
  --twitch P              probability of a twitch at each pause, 0 to 1
                          (0.3); a twitch lengthens its pause by about 3 s
  --fatigue PCT           each lift of the set slower than the one before
                          by PCT %, 0 to 50 (0)
  --rate N                instead a steady stream of N records a second,
                          1 to %2
  --sets N[,N...]         sets of N reps, 0 to 1000 (0: only the unracking
                          and back), then the motion ends
  --rest S                rest between the sets, 0 to 3600 s (15)
  --pause-top K:S         in set K, a pause of S s at the top after the
                          middle rep, 0.05 to 600 s
  --pause-bottom K:S      in set K, a pause of S s at the bottom before the
                          middle rep, 0.05 to 600 s
Board:
  --config MASK,LOW_PERIOD,HIGH_PERIOD
                          configuration, each 0 to 255 (5,1,0)
Faults:
  --silent                does not answer commands
  --bad-start             replies with a wrong first byte
  --garble P              probability of altering a byte, 0 to 1
  --truncate-after N      stops sending after N bytes
  --vanish-after S        disappears (adapter pulled) after S seconds
      --version           the program&apos;s version
  -h, --help              this help
</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>manca il valore di %1</source>
        <translation>the value of %1 is missing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>da %1 a %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>tre numeri separati da virgole, ognuno %1</source>
        <translation>three numbers separated by commas, each %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>valore non valido per %1: &quot;%2&quot; (il primo valore non può superare il secondo)</source>
        <translation>invalid value for %1: &quot;%2&quot; (the first value cannot exceed the second)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>valore non valido per %1: &quot;%2&quot; (%3)</source>
        <translation>invalid value for %1: &quot;%2&quot; (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>manca --port N</source>
        <translation>--port N is missing</translation>
    </message>
    <message>
        <location filename="../virtualboard/terminale_virtuale.cpp" line="+148"/>
        <source>la porta com%1 è già occupata: %2 -&gt; %3 (rimuovere il collegamento se non serve più)</source>
        <translation>the port com%1 is already taken: %2 -&gt; %3 (remove the link if it is no longer needed)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>la porta com%1 è già occupata: %2 -&gt; %3 (scheda virtuale, processo %4)</source>
        <translation>the port com%1 is already taken: %2 -&gt; %3 (virtual board, process %4)</translation>
    </message>
</context>
<context>
    <name>Strumento</name>
    <message>
        <location filename="../cli/cattura.cpp" line="-47"/>
        <location filename="../cli/replay.cpp" line="-413"/>
        <source>valore non valido per %1: &quot;%2&quot; (da %3 a %4)</source>
        <translation>invalid value for %1: &quot;%2&quot; (%3 to %4)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>uscita</source>
        <translation>output</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../cli/profilo.cpp" line="-26"/>
        <location line="+2"/>
        <location filename="../cli/replay.cpp" line="+163"/>
        <location filename="../cli/storico.cpp" line="-48"/>
        <source>manca %1</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <location filename="../cli/profilo.cpp" line="-37"/>
        <location filename="../cli/replay.cpp" line="-69"/>
        <location filename="../cli/storico.cpp" line="-27"/>
        <source>ingresso</source>
        <translation>input</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../cli/storico.cpp" line="+18"/>
        <source>manca il nome dell&apos;atleta</source>
        <translation>the athlete&apos;s name is missing</translation>
    </message>
    <message>
        <location line="+66"/>
        <location filename="../cli/storico.cpp" line="+79"/>
        <source>file scartato: %1</source>
        <translation>file skipped: %1</translation>
    </message>
    <message>
        <location filename="../cli/strumento.cpp" line="+64"/>
        <source>un solo file di %1: &quot;%2&quot;</source>
        <translation>only one %1 file: &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>manca il valore di %1</source>
        <translation>the value of %1 is missing</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>argomento inatteso: &quot;%1&quot;</source>
        <translation>unexpected argument: &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>opzione sconosciuta: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>collegamento non valido: &quot;%1&quot; (serial o hid)</source>
        <translation>invalid link: &quot;%1&quot; (serial or hid)</translation>
    </message>
</context>
<context>
    <name>Testi_storico</name>
    <message>
        <location filename="../log/testi_storico.cpp" line="+23"/>
        <source>Prontezza %1 (%2): nessuna prima serie a questo carico nel giorno</source>
        <translation>Readiness %1 (%2): no first set at this load on the day</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Prontezza %1 (%2): %3, %4 (servono almeno %5 sedute prima, ce ne sono %6)</source>
        <translation>Readiness %1 (%2): %3, %4 (at least %5 sessions before are needed, there are %6)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Prontezza %1 (%2): %3, %4 sulla media delle %5 sedute prima (%6), soglia %7: %8</source>
        <translation>Readiness %1 (%2): %3, %4 against the mean of the %5 sessions before (%6), threshold %7: %8</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Prontezza %1 %2: %3</source>
        <translation>Readiness %1 %2: %3</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Prontezza %1 %2: %3 (%4, %5, soglia %6)</source>
        <translation>Readiness %1 %2: %3 (%4, %5, threshold %6)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Per %1 m/s: %2 kg</source>
        <translation>For %1 m/s: %2 kg</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>, dal %1 al %2 % dell&apos;e1RM (%3)</source>
        <translation>, %1 to %2 % of the e1RM (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>, V1rm %1 m/s dell&apos;atleta</source>
        <translation>, the athlete&apos;s own V1rm %1 m/s</translation>
    </message>
</context>
<context>
    <name>frm_hid</name>
    <message>
        <location filename="../device/frm_hid.cpp" line="+20"/>
        <source>Esito dell&apos;ultimo comando</source>
        <translation>Outcome of the last command</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ricerca della scheda USB...</source>
        <translation>Looking for the USB board...</translation>
    </message>
</context>
<context>
    <name>frm_seriale</name>
    <message>
        <location filename="../device/frm_seriale.cpp" line="+56"/>
        <source>: non riconosciuto, valori del tipo 3</source>
        <translation>: not recognised, type 3 values</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+82"/>
        <source>Proprietà porta di comunicazione</source>
        <translation>Communication port properties</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Impostazioni connessione</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Velocità massima</source>
        <translation>Maximum speed</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Porta:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Bit di dati:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parità:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bit di stop:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Controllo di flusso</source>
        <translation>&amp;Flow control</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Auto set</source>
        <translation>Auto set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TEST Scheda</source>
        <translation>TEST Board</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>Impossibile salvare le impostazioni della porta in %1: valgono solo fino alla chiusura del programma.</source>
        <translation>Cannot save the port settings in %1: they hold only until the program is closed.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Scheda connessa su com%1</source>
        <translation>Board connected on com%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1, tipo %2%3</source>
        <translation>%1, type %2%3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1, tipo non indicato</source>
        <translation>%1, type not given</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scheda non trovata!</source>
        <translation>Board not found!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto Set</source>
        <translation>Auto Set</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>TEST Scheda...</source>
        <translation>TEST Board...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TEST Scheda su %1...</source>
        <translation>TEST Board on %1...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nessuna scheda collegata</source>
        <translation>No board connected</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scheda di tipo %1 su %2%3</source>
        <translation>Board of type %1 on %2%3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nessuna risposta dalla scheda su %1</source>
        <translation>No reply from the board on %1</translation>
    </message>
    <message>
        <location filename="../device/frm_seriale_regole.cpp" line="+20"/>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nessuno</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>Testo_carico_oggi</name>
    <message>
        <location filename="../log/testi_storico.cpp" line="+67"/>
        <source>; limitato all&apos;e1RM: a queste velocità il profilo darebbe un carico più alto del massimale</source>
        <translation>; capped at the e1RM: at these velocities the profile would give a load above the maximum</translation>
    </message>
</context>
<context>
    <name>Lettura_test</name>
    <message>
        <location filename="../log/lettura_seduta.cpp" line="+1"/>
        <source>non è un file delle ripetizioni</source>
        <translation>not a repetitions file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>riga %1 non valida</source>
        <translation>line %1 is not valid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nessuna ripetizione</source>
        <translation>no repetitions</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>nessun esercizio</source>
        <translation>no exercise</translation>
    </message>
</context>
<context>
    <name>Indice_test</name>
    <message>
        <location filename="../log/indice_sedute.cpp" line="+1"/>
        <source>Indice dei test ricostruito dai file (%1).</source>
        <translation>Test index rebuilt from the files (%1).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impossibile usare l&apos;indice dei test %1 (%2): tenuto in memoria.</source>
        <translation>Cannot use the test index %1 (%2): kept in memory.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>versione %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Impossibile aggiornare l&apos;indice dei test: %1</source>
        <translation>Cannot update the test index: %1</translation>
    </message>
</context>
<context>
    <name>Esempio_storico</name>
    <message>
        <location filename="../log/esempio_storico.cpp" line="+1"/>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Squat</source>
        <translation>Squat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panca piana</source>
        <translation>Bench press</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stacco</source>
        <translation>Deadlift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>buona tecnica</source>
        <translation>good technique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>schiena stanca</source>
        <translation>tired back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ottima giornata</source>
        <translation>great day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>poco sonno</source>
        <translation>little sleep</translation>
    </message>
</context>
<context>
    <name>Club</name>
    <message>
        <source>manca il driver PostgreSQL di Qt (QPSQL): installare libqt6sql6-psql</source>
        <translation>Qt&apos;s PostgreSQL driver (QPSQL) is missing: install libqt6sql6-psql</translation>
    </message>
    <message>
        <source>il club (%1) ha rifiutato la password dell&apos;utente &quot;%2&quot;: %3</source>
        <translation>the club (%1) refused the password of the user &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>il club (%1) non risponde: %2</source>
        <translation>the club (%1) does not answer: %2</translation>
    </message>
    <message>
        <source>il server del club è PostgreSQL %1: kinetrack vuole PostgreSQL %2 o successivo</source>
        <translation>the club&apos;s server is PostgreSQL %1: kinetrack needs PostgreSQL %2 or later</translation>
    </message>
    <message>
        <source>il database &quot;%1&quot; non ha lo schema del club: kinetrack vuole la versione %2 (psql -f club.sql)</source>
        <translation>the database &quot;%1&quot; has no club schema: kinetrack needs version %2 (psql -f club.sql)</translation>
    </message>
    <message>
        <source>lo schema del club non si legge: %1</source>
        <translation>the club&apos;s schema cannot be read: %1</translation>
    </message>
    <message>
        <source>lo schema del club è alla versione %1, kinetrack vuole la versione %2</source>
        <translation>the club&apos;s schema is at version %1, kinetrack needs version %2</translation>
    </message>
    <message>
        <source>il club non ha preso il test %1: %2</source>
        <translation>the club did not take the test %1: %2</translation>
    </message>
    <message>
        <source>il club non ha dato i test delle altre stazioni: %1</source>
        <translation>the club did not give the other stations&apos; tests: %1</translation>
    </message>
    <message>
        <source>l&apos;indice dei test non ha preso i test del club</source>
        <translation>the test index did not take the club&apos;s tests</translation>
    </message>
</context>
<context>
    <name>Parametri_club</name>
    <message>
        <source>manca &quot;=&quot; dopo &quot;%1&quot;</source>
        <translation>&quot;=&quot; missing after &quot;%1&quot;</translation>
    </message>
    <message>
        <source>virgolette non chiuse nel valore di &quot;%1&quot;</source>
        <translation>unclosed quotes in the value of &quot;%1&quot;</translation>
    </message>
    <message>
        <source>porta non valida: &quot;%1&quot;</source>
        <translation>invalid port: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>sslmode non valido: &quot;%1&quot; (%2)</source>
        <translation>invalid sslmode: &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>la password non va nei parametri: PostgreSQL la legge dal suo file delle password (~/.pgpass)</source>
        <translation>the password does not go in the parameters: PostgreSQL reads it from its password file (~/.pgpass)</translation>
    </message>
    <message>
        <source>parametro sconosciuto: &quot;%1&quot; (host, port, dbname, user, sslmode)</source>
        <translation>unknown parameter: &quot;%1&quot; (host, port, dbname, user, sslmode)</translation>
    </message>
    <message>
        <source>manca il database (dbname=...)</source>
        <translation>the database is missing (dbname=...)</translation>
    </message>
</context>
<context>
    <name>Password_club</name>
    <message>
        <location filename="../club/password_club.cpp"/>
        <source>la password è vuota</source>
        <translation>the password is empty</translation>
    </message>
    <message>
        <source>la password non può contenere un a capo</source>
        <translation>the password cannot hold a line break</translation>
    </message>
</context>
</TS>
