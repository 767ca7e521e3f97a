// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/replay.h"

#include "cli/strumento.h"
#include "datafiles/lettura_giornale.h"
#include "datafiles/salva_analisi.h"
#include "datafiles/salva_campioni.h"
#include "datafiles/salva_ripetizioni.h"
#include "datafiles/salva_serie.h"
#include "device/collegamento_seriale.h"
#include "platform/porta_memoria.h"
#include "session/formato.h"
#include "session/tipi_scheda.h"
#include "session/titolo.h"
#include "stream/decodifica.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <algorithm>
#include <cmath>

namespace {

// A number option: finite, within minimo..massimo.
std::optional<QString> Leggi_numero(const QString& nome, const QString& testo, double minimo,
                                    double massimo, float& valore) {
    double v = 0;
    if (!Numero_opzione(testo, minimo, massimo, v))
        return QCoreApplication::translate("Strumento",
                                           "valore non valido per %1: \"%2\" (da %3 a %4)")
            .arg(nome, testo, QString::number(minimo), QString::number(massimo));
    valore = static_cast<float>(v);
    return std::nullopt;
}

} // namespace

QString Uso_replay() {
    return QCoreApplication::translate(
        "Comando_replay",
        "Uso: kinetrack-replay --link serial|hid --board-type N [opzioni] INGRESSO\n"
        "  o: kinetrack-replay --record FILE [opzioni] INGRESSO\n"
        "  o: kinetrack-replay --journal FILE [--locale NOME] [file da scrivere] [--time ...]\n"
        "Riproduce una cattura del flusso della scheda nel motore di misura, senza finestre:\n"
        "stampa la tabella delle ripetizioni e scrive i file richiesti.\n"
        "  --journal FILE          il giornale di una serie (FILE.ktj nella cartella\n"
        "                          \"recupero\" dei dati) invece di una cattura: collegamento,\n"
        "                          tipo di scheda, fascia, ampiezza minima, atleta, esercizio e\n"
        "                          carico sono quelli del giornale\n"
        "  --record FILE           la scheda di un test (\"... test.ini\" accanto al suo file di\n"
        "                          campioni): collegamento, tipo di scheda, fascia, ampiezza\n"
        "                          minima, soglia di perdita, velocità di riferimento, atleta,\n"
        "                          esercizio, carico e ripetizioni escluse sono quelli del test\n"
        "  --link serial|hid       collegamento della cattura\n"
        "  --board-type N          tipo di scheda, da 0 a 255 (oltre a 1, 2 e 3 vale come 3)\n"
        "  --min-amplitude MM      ampiezza minima di una ripetizione, da 0 a 5000 (0)\n"
        "  --vmax MM_S --upper PCT --lower PCT\n"
        "                          fascia di velocità, insieme: Vmax da 0 a 5000 mm/s,\n"
        "                          limiti da 0 a 1000 %\n"
        "  --athlete TESTO --exercise TESTO --load KG\n"
        "                          atleta, esercizio e carico (da 0 a 1000 kg) dei file\n"
        "  --locale NOME           impostazioni dei numeri nei file (it_IT, en_US, C...)\n"
        "  --samples FILE          file dei campioni da scrivere\n"
        "  --summary FILE          file delle ripetizioni da scrivere\n"
        "  --analysis FILE         file dell'analisi delle ripetizioni da scrivere (velocità\n"
        "                          media e propulsiva, potenza, perdita di velocità)\n"
        "  --time AAAA-MM-GGThh:mm:ss\n"
        "                          data e ora dei file al posto di quelle attuali\n"
        "      --version           la versione del programma\n"
        "  -h, --help              questo aiuto\n");
}

std::optional<QString> Leggi_opzioni(const QStringList& argomenti, Opzioni_replay& o) {
    bool collegamento = false, tipo = false;
    int fascia = 0; // how many of --vmax, --upper, --lower were given
    // The journal and the record hold the set's own settings: only what to write may go
    // with them.
    const QStringList dal_giornale{
        QStringLiteral("--link"),          QStringLiteral("--board-type"),
        QStringLiteral("--min-amplitude"), QStringLiteral("--vmax"),
        QStringLiteral("--upper"),         QStringLiteral("--lower"),
        QStringLiteral("--athlete"),       QStringLiteral("--exercise"),
        QStringLiteral("--load")};
    const auto Impostazione = [&o](const QString& nome, Leggi_valore leggi) {
        return Opzione_strumento{
            nome, [&o, nome, leggi](const QString& v) -> std::optional<QString> {
                if (!o.giornale.isEmpty())
                    return QCoreApplication::translate("Comando_replay",
                                                       "%1 non va con --journal: il giornale ha "
                                                       "le impostazioni della serie")
                        .arg(nome);
                if (!o.file_record.isEmpty())
                    return QCoreApplication::translate("Comando_replay",
                                                       "%1 non va con --record: la scheda del "
                                                       "test ha le impostazioni della serie")
                        .arg(nome);
                return leggi(v);
            }};
    };
    const auto Numero = [](const QString& nome, double minimo, double massimo, float& valore,
                           int* contati = nullptr) {
        return [=, &valore](const QString& v) {
            if (contati) ++*contati;
            return Leggi_numero(nome, v, minimo, massimo, valore);
        };
    };
    // Read before the others, by `prima`.
    const auto File = [](const QString& nome) {
        return [nome](const QString& v) -> std::optional<QString> {
            if (v.isEmpty())
                return QCoreApplication::translate("Comando_replay", "manca il file di %1")
                    .arg(nome);
            return std::nullopt;
        };
    };
    Regole_riga regole;
    regole.file = QCoreApplication::translate("Strumento", "ingresso");
    regole.prima = [&o](const Riga_comando& riga) -> std::optional<QString> {
        for (const auto& [a, v] : std::as_const(riga.opzioni)) {
            if (a == QLatin1String("--journal")) o.giornale = v;
            if (a == QLatin1String("--record")) o.file_record = v;
        }
        if (!o.giornale.isEmpty() && !o.file_record.isEmpty())
            return QCoreApplication::translate("Comando_replay",
                                               "--record non va con --journal: il giornale ha "
                                               "le impostazioni della serie");
        return std::nullopt;
    };
    regole.opzioni = {
        {QStringLiteral("--journal"), File(QStringLiteral("--journal"))},
        {QStringLiteral("--record"), File(QStringLiteral("--record"))},
        Impostazione(QStringLiteral("--link"),
                     [&](const QString& v) {
                         collegamento = true;
                         return Leggi_collegamento(v, o.collegamento);
                     }),
        Impostazione(QStringLiteral("--board-type"),
                     [&](const QString& v) -> std::optional<QString> {
                         bool ok = false;
                         // Any byte, as the board answers the type query.
                         o.tipo_scheda = v.toInt(&ok);
                         if (!ok || o.tipo_scheda < 0 || o.tipo_scheda > 255)
                             return QCoreApplication::translate(
                                        "Comando_replay",
                                        "tipo di scheda non valido: \"%1\" (da 0 a 255)")
                                 .arg(v);
                         tipo = true;
                         return std::nullopt;
                     }),
        Impostazione(QStringLiteral("--min-amplitude"),
                     Numero(QStringLiteral("--min-amplitude"), 0, 5000, o.ampiezza_minima)),
        Impostazione(QStringLiteral("--vmax"),
                     Numero(QStringLiteral("--vmax"), 0, 5000, o.vmax, &fascia)),
        Impostazione(QStringLiteral("--upper"),
                     Numero(QStringLiteral("--upper"), 0, 1000, o.limite_sup, &fascia)),
        Impostazione(QStringLiteral("--lower"),
                     Numero(QStringLiteral("--lower"), 0, 1000, o.limite_inf, &fascia)),
        Impostazione(QStringLiteral("--athlete"), Valore_testo(o.atleta)),
        Impostazione(QStringLiteral("--exercise"), Valore_testo(o.esercizio)),
        Impostazione(QStringLiteral("--load"), Numero(QStringLiteral("--load"), 0, 1000, o.carico)),
        {QStringLiteral("--locale"),
         [&o](const QString& v) -> std::optional<QString> {
             o.locale = QLocale(v);
             if (o.locale.language() == QLocale::C && v != QLatin1String("C"))
                 return QCoreApplication::translate("Comando_replay", "locale sconosciuta: \"%1\"")
                     .arg(v);
             return std::nullopt;
         }},
        {QStringLiteral("--samples"), Valore_testo(o.file_campioni)},
        {QStringLiteral("--analysis"), Valore_testo(o.file_analisi)},
        {QStringLiteral("--summary"), Valore_testo(o.file_sommario)},
        {QStringLiteral("--time"), [&o](const QString& v) -> std::optional<QString> {
             o.ora = QDateTime::fromString(v, QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
             if (!o.ora.isValid())
                 return QCoreApplication::translate(
                            "Comando_replay", "data e ora non valide: \"%1\" (AAAA-MM-GGThh:mm:ss)")
                     .arg(v);
             return std::nullopt;
         }}};
    Riga_comando riga;
    const auto errore = Leggi_riga_strumento(argomenti, regole, riga);
    o.aiuto = riga.aiuto;
    if (errore || o.aiuto) return errore;
    o.ingresso = riga.file;
    const auto Manca = [](const QString& cosa) {
        return QCoreApplication::translate("Strumento", "manca %1").arg(cosa);
    };
    const QString manca_ingresso =
        QCoreApplication::translate("Comando_replay", "manca il file di ingresso");
    if (!o.giornale.isEmpty()) {
        if (!o.ingresso.isEmpty())
            return QCoreApplication::translate("Comando_replay",
                                               "con --journal non si dà un file di ingresso");
        return std::nullopt;
    }
    if (!o.file_record.isEmpty()) {
        if (o.ingresso.isEmpty()) return manca_ingresso;
        Record_test record;
        if (auto errore_record = Leggi_record(o.file_record, record))
            return QStringLiteral("%1: %2").arg(o.file_record, *errore_record);
        const Serie_t& serie = record.serie;
        const Dati_esercizio_t& d = serie.Dati_esercizio;
        o.collegamento = serie.Collegamento;
        o.tipo_scheda = serie.Tipo_scheda;
        o.ampiezza_minima = d.Ampiezza_minima;
        o.vmax = d.Vmax;
        o.limite_sup = d.Limite_sup;
        o.limite_inf = d.Limite_inf;
        o.atleta = d.Atleta;
        o.esercizio = d.Esercizio;
        o.carico = d.Carico;
        o.record = std::move(record);
        return std::nullopt;
    }
    if (!collegamento) return Manca(QStringLiteral("--link"));
    if (!tipo) return Manca(QStringLiteral("--board-type"));
    if (fascia != 0 && fascia != 3)
        return QCoreApplication::translate("Comando_replay",
                                           "--vmax, --upper e --lower vanno dati insieme");
    if (o.ingresso.isEmpty()) return manca_ingresso;
    return std::nullopt;
}

std::optional<QString> Controlla_cattura(Collegamento collegamento, qsizetype byte,
                                         qsizetype& interi) {
    const auto unita = static_cast<qsizetype>(
        collegamento == Collegamento::Hid ? Byte_report_hid : Byte_record_seriale);
    interi = byte - byte % unita;
    if (byte == 0)
        return QCoreApplication::translate("Comando_replay", "il file di ingresso è vuoto");
    if (interi == 0)
        return QCoreApplication::translate(
                   "Comando_replay",
                   "il file di ingresso non ha un record intero: %1 byte, meno di %2")
            .arg(byte)
            .arg(unita);
    return std::nullopt;
}

QString Nome_colore(Colore colore) {
    if (colore == Colore_giallo) return QCoreApplication::translate("Comando_replay", "giallo");
    if (colore == Colore_verde) return QCoreApplication::translate("Comando_replay", "verde");
    return QCoreApplication::translate("Comando_replay", "rosso");
}

Riproduzione::Riproduzione(const Opzioni_replay& opzioni)
    : opzioni_(opzioni), motore_(sessione_, opzioni.locale) {
    Sessione& s = sessione_;
    s.Titolo = Titolo_programma();
    s.Scheda.Collegamento = opzioni.collegamento;
    const Calibrazione_scheda calibrazione = Calibrazione_tipo(opzioni.tipo_scheda);
    s.Scheda.Fattore_posizione = calibrazione.Fattore_posizione;
    s.Scheda.Fattore_tempo = calibrazione.Fattore_tempo;
    auto& d = s.Dati_esercizio;
    d.Atleta = opzioni.atleta;
    d.Esercizio = opzioni.esercizio;
    d.Carico = opzioni.carico;
    d.Vmax = opzioni.vmax;
    d.Limite_sup = opzioni.limite_sup;
    d.Limite_inf = opzioni.limite_inf;
    d.Ampiezza_minima = opzioni.ampiezza_minima;
    if (opzioni.record) {
        d = opzioni.record->serie.Dati_esercizio;
        s.Soglia_perdita = opzioni.record->serie.Soglia_perdita;
        s.Riferimento = opzioni.record->serie.Riferimento;
        s.Nota = opzioni.record->serie.Nota;
    }
    motore_.Imposta_analisi(opzioni.analisi);

    // Recording on, then the start of an acquisition.
    motore_.Aggiungi_vista(vista_);
    s.Memo_attivo = true;
    motore_.Inizia_acquisizione();
}

void Riproduzione::Esegui(const QByteArray& cattura) {
    if (opzioni_.collegamento == Collegamento::Seriale) {
        // All bytes in one receive event, read 12 at a time as the live port is set.
        Porta_memoria porta;
        Collegamento_seriale collegamento(sessione_, porta, motore_);
        collegamento.Prepara_flusso();
        motore_.Imposta_ritardo([&collegamento] { return collegamento.Byte_in_attesa(); });
        porta.Ricevi(cattura);
        motore_.Imposta_ritardo({});
    } else {
        const auto* dati = reinterpret_cast<const std::uint8_t*>(cattura.constData());
        const auto report = static_cast<qsizetype>(Byte_report_hid);
        for (qsizetype inizio = 0; inizio + report <= cattura.size(); inizio += report)
            motore_.Report_hid({dati + inizio, Byte_report_hid});
    }
    // The coach's judgement, as the test's record keeps it.
    if (opzioni_.record) {
        for (const int numero : opzioni_.record->serie.Escluse)
            if (numero <= motore_.Lst_valori().Righe()) motore_.Imposta_esclusa(numero, true);
        sessione_.Serie.Rpe = opzioni_.record->serie.Rpe;
    }
}

std::optional<QString> Riproduzione::Esegui_giornale(const QString& file,
                                                     const std::function<void()>& a_ogni_parte) {
    Giornale_letto letto;
    if (auto errore = Leggi_giornale(file, letto)) return errore;
    vista_.colori.clear();
    return Riproduci_giornale(letto, sessione_, motore_,
                              [&a_ogni_parte](std::int64_t) { a_ogni_parte(); });
}

std::optional<QString> Riproduzione::Salva_file(int parte) {
    const QDateTime adesso = opzioni_.ora.isValid() ? opzioni_.ora : QDateTime::currentDateTime();
    const auto Nome = [parte](QString nome) {
        if (parte <= 1 || nome.isEmpty()) return nome;
        const qsizetype punto = nome.lastIndexOf(QLatin1Char('.'));
        const qsizetype barra = nome.lastIndexOf(QLatin1Char('/'));
        const QString suffisso = QStringLiteral(" (%1)").arg(parte);
        return punto > barra ? nome.insert(punto, suffisso) : nome + suffisso;
    };
    if (!opzioni_.file_campioni.isEmpty()) {
        QString nome = Nome(opzioni_.file_campioni);
        if (auto errore = Salva_campioni(nome, sessione_, opzioni_.locale, adesso))
            return QStringLiteral("%1: %2").arg(nome, *errore);
    }
    if (!opzioni_.file_sommario.isEmpty()) {
        QString nome = Nome(opzioni_.file_sommario);
        if (auto errore =
                Salva_ripetizioni(nome, motore_.Lst_valori(), sessione_.Serie.Dati_esercizio,
                                  opzioni_.locale, adesso, nullptr))
            return QStringLiteral("%1: %2").arg(nome, *errore);
    }
    if (!opzioni_.file_analisi.isEmpty()) {
        const QString nome = Nome(opzioni_.file_analisi);
        if (auto errore = Salva_analisi(nome, motore_.Analisi(), opzioni_.locale))
            return QStringLiteral("%1: %2").arg(nome, *errore);
    }
    return std::nullopt;
}

void Riproduzione::Stampa_tabella(QTextStream& uscita) const {
    const QChar tab(QLatin1Char('\t'));
    QStringList intestazione;
    for (int c = 0; c < Lista_valori::Numero_colonne; ++c)
        intestazione << Lista_valori::Intestazione_mostrata(c);
    intestazione << QCoreApplication::translate("Comando_replay", "Fascia");
    uscita << intestazione.join(tab) << '\n';
    const Lista_valori& lista = motore_.Lst_valori();
    for (int r = 0; r < lista.Righe(); ++r) {
        QStringList riga;
        for (const auto& testo : lista.Riga_n(r)) riga << testo;
        const auto indice = static_cast<std::size_t>(r);
        riga << (indice < vista_.colori.size() ? Nome_colore(vista_.colori[indice]) : QString());
        uscita << riga.join(tab) << '\n';
    }
    uscita.flush();
}

namespace {

// --journal: the set processed as the program processed it, part by part.
int Esegui_replay_giornale(const Opzioni_replay& opzioni, QTextStream& uscita,
                           QTextStream& errori) {
    const QString nome = QStringLiteral("kinetrack-replay");
    Riproduzione riproduzione(opzioni);
    int parte = 0;
    std::optional<QString> errore_file;
    const auto errore = riproduzione.Esegui_giornale(opzioni.giornale, [&] {
        if (Serie_vuota(riproduzione.Stato(), riproduzione.Lista()) || errore_file) return;
        if (++parte > 1) uscita << '\n';
        riproduzione.Stampa_tabella(uscita);
        errore_file = riproduzione.Salva_file(parte);
    });
    if (errore) return Fallisci(nome, opzioni.giornale + ": " + *errore, errori);
    if (errore_file) return Fallisci(nome, *errore_file, errori);
    if (parte == 0) {
        errori << nome << ": " << opzioni.giornale << ": "
               << QCoreApplication::translate("Comando_replay",
                                              "il giornale non ha dati registrati")
               << '\n';
        errori.flush();
    }
    return 0;
}

} // namespace

int Esegui_replay(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_replay opzioni;
    const QString nome = QStringLiteral("kinetrack-replay");
    const auto errore_opzioni = Leggi_opzioni(argomenti, opzioni);
    if (auto esito =
            Esito_opzioni(nome, errore_opzioni, opzioni.aiuto, Uso_replay(), uscita, errori))
        return *esito;
    if (!opzioni.giornale.isEmpty()) return Esegui_replay_giornale(opzioni, uscita, errori);
    QFile file(opzioni.ingresso);
    QByteArray cattura;
    if (file.open(QIODevice::ReadOnly)) cattura = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Fallisci(nome, opzioni.ingresso + ": " + file.errorString(), errori);
    file.close();
    qsizetype interi = 0;
    if (auto errore = Controlla_cattura(opzioni.collegamento, cattura.size(), interi))
        return Fallisci(nome, opzioni.ingresso + ": " + *errore, errori);
    if (interi < cattura.size()) {
        // A board unplugged mid-stream: what it sent whole is still a set.
        errori << nome << ": " << opzioni.ingresso << ": "
               << (opzioni.collegamento == Collegamento::Hid
                       ? QCoreApplication::translate("Comando_replay",
                                                     "la cattura finisce dentro un report, %1 "
                                                     "byte in fondo non sono usati")
                       : QCoreApplication::translate("Comando_replay",
                                                     "la cattura finisce dentro un record, %1 "
                                                     "byte in fondo non sono usati"))
                      .arg(cattura.size() - interi)
               << '\n';
        cattura.truncate(interi);
    }
    if (opzioni.tipo_scheda < 1 || opzioni.tipo_scheda > 3)
        errori << nome << ": "
               << QCoreApplication::translate("Comando_replay",
                                              "dispositivo non riconosciuto: DEFAULT TIPO 3!!")
               << '\n';
    errori.flush();
    Riproduzione riproduzione(opzioni);
    riproduzione.Esegui(cattura);
    if (const Disturbo_flusso& d = riproduzione.Disturbi(); d.Disturbato()) {
        // Garbled or lost bytes, or a capture of the other link read as this one's.
        const bool hid = opzioni.collegamento == Collegamento::Hid;
        const QString causa =
            d.salti > 0 ? QCoreApplication::translate("Comando_replay",
                                                      "posizioni impossibili per la scheda (un "
                                                      "salto di %1 mm tra due record)")
                              .arg(qRound(d.salto_massimo_mm))
                        : QCoreApplication::translate("Comando_replay",
                                                      "tempi impossibili per la scheda (%1 record "
                                                      "con un passo nullo o di oltre %2 s)")
                              .arg(d.tempi)
                              .arg(qRound(Passo_massimo_ms / 1000.0f));
        errori << nome << ": " << opzioni.ingresso << ": "
               << QCoreApplication::translate("Comando_replay",
                                              "%1: il flusso è disturbato o la cattura non è del "
                                              "collegamento %2, provare --link %3")
                      .arg(causa, hid ? QStringLiteral("hid") : QStringLiteral("serial"),
                           hid ? QStringLiteral("serial") : QStringLiteral("hid"))
               << '\n';
        errori.flush();
    }
    riproduzione.Stampa_tabella(uscita);
    if (auto errore = riproduzione.Salva_file()) return Fallisci(nome, *errore, errori);
    return 0;
}
