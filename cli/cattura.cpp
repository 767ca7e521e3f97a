// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cattura.h"

#include "cli/attese.h"
#include "cli/strumento.h"
#include "platform/file_intero.h"
#include "session/formato.h"
#include "wire/copione.h"
#include "wire/flusso_scheda.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <functional>

namespace {

QString Uso() {
    return QCoreApplication::translate(
        "Comando_cattura",
        "Uso: kinetrack-capture --link serial|hid --board-type N --seed S [opzioni] USCITA\n"
        "Scrive come cattura il flusso della scheda per una serie generata dal seme, ed elenca\n"
        "le ripetizioni che il programma ne deve ricavare accanto alle alzate della serie.\n"
        "  --link serial|hid       collegamento della cattura\n"
        "  --board-type N          tipo di scheda, da 0 a 255 (oltre a 1 e 2 vale come 3)\n"
        "  --seed S                seme della serie, da 0 a 4294967295\n"
        "  --reps N                ripetizioni, da 0 a 100000 (5)\n"
        "  --min-amplitude MM      ampiezza minima di una ripetizione, da 0 a 5000 (100)\n"
        "  --twitch P              probabilità di un sussulto a ogni pausa, da 0 a 1 (0.3)\n"
        "      --version           la versione del programma\n"
        "  -h, --help              questo aiuto\n");
}

struct Opzioni_cattura {
    Collegamento collegamento = Collegamento::Seriale;
    int tipo = 0;
    std::uint32_t seme = 0;
    bool ha_seme = false, ha_collegamento = false, ha_tipo = false, aiuto = false;
    Parametri_copione parametri;
    // Above every twitch of a generated script, as an operator would set it: the rows
    // are then the script's repetitions.
    double ampiezza_minima = 100;
    QString uscita;
};

std::optional<QString> Leggi(const QStringList& argomenti, Opzioni_cattura& o) {
    // A number option within minimo..massimo, whole when `intero`; `dato` set when taken.
    const auto Numero = [](const QString& nome, double minimo, double massimo, bool intero,
                           const std::function<void(double)>& prendi) {
        return [=](const QString& v) -> std::optional<QString> {
            double x = 0;
            if (!Numero_opzione(v, minimo, massimo, x, intero))
                return QCoreApplication::translate("Strumento",
                                                   "valore non valido per %1: \"%2\" (da %3 a %4)")
                    .arg(nome, v, QString::number(minimo), QString::number(massimo, 'g', 16));
            prendi(x);
            return std::nullopt;
        };
    };
    Regole_riga regole;
    regole.file = QCoreApplication::translate("Strumento", "uscita");
    regole.opzioni = {
        {QStringLiteral("--link"),
         [&o](const QString& v) {
             auto errore = Leggi_collegamento(v, o.collegamento);
             o.ha_collegamento = o.ha_collegamento || !errore;
             return errore;
         }},
        {QStringLiteral("--board-type"), Numero(QStringLiteral("--board-type"), 0, 255, true,
                                                [&o](double x) {
                                                    o.tipo = static_cast<int>(x);
                                                    o.ha_tipo = true;
                                                })},
        {QStringLiteral("--seed"), Numero(QStringLiteral("--seed"), 0, 4294967295.0, true,
                                          [&o](double x) {
                                              o.seme = static_cast<std::uint32_t>(x);
                                              o.ha_seme = true;
                                          })},
        {QStringLiteral("--reps"),
         Numero(QStringLiteral("--reps"), 0, 100000, true,
                [&o](double x) { o.parametri.ripetizioni = static_cast<int>(x); })},
        {QStringLiteral("--min-amplitude"),
         Numero(QStringLiteral("--min-amplitude"), 0, 5000, false,
                [&o](double x) { o.ampiezza_minima = x; })},
        {QStringLiteral("--twitch"),
         Numero(QStringLiteral("--twitch"), 0, 1, false,
                [&o](double x) { o.parametri.probabilita_sussulto = x; })}};
    Riga_comando riga;
    const auto errore = Leggi_riga_strumento(argomenti, regole, riga);
    o.aiuto = riga.aiuto;
    if (errore || o.aiuto) return errore;
    o.uscita = riga.file;
    const auto Manca = [](const QString& cosa) {
        return QCoreApplication::translate("Strumento", "manca %1").arg(cosa);
    };
    if (!o.ha_collegamento) return Manca(QStringLiteral("--link"));
    if (!o.ha_tipo) return Manca(QStringLiteral("--board-type"));
    if (!o.ha_seme) return Manca(QStringLiteral("--seed"));
    if (o.uscita.isEmpty())
        return QCoreApplication::translate("Comando_cattura", "manca il file di uscita");
    return std::nullopt;
}

} // namespace

int Esegui_cattura(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_cattura o;
    const QString nome = QStringLiteral("kinetrack-capture");
    const auto errore_opzioni = Leggi(argomenti, o);
    if (auto esito = Esito_opzioni(nome, errore_opzioni, o.aiuto, Uso(), uscita, errori))
        return *esito;
    const Copione copione = Genera_copione(o.parametri, o.seme);
    Flusso_copione flusso(copione, o.tipo, o.collegamento);
    std::vector<Record_scheda> record;
    flusso.Tutti(record);
    const QByteArray byte = Byte_cattura(record, o.collegamento);

    if (const std::optional<QString> motivo = Scrivi_file_intero(o.uscita, byte))
        return Fallisci(nome, o.uscita + ": " + *motivo, errori);

    // What the program should list: only the records it gets to read (the serial link
    // leaves its last 1-12 bytes unread, HID sends whole reports only).
    const std::size_t letti = Record_letti(record.size(), o.collegamento);
    record.resize(letti);
    const auto righe = Ripetizioni_attese(record, o.tipo, o.collegamento, o.ampiezza_minima);
    const QLocale c(QLocale::C);
    uscita << "# "
           << QCoreApplication::translate("Comando_cattura",
                                          "%1 byte, %2 record letti, durata %3 s, ampiezza "
                                          "minima %4 mm")
                  .arg(byte.size())
                  .arg(letti)
                  .arg(Formatta(copione.Durata_s(), "0.00", c),
                       Testo_numero(static_cast<float>(o.ampiezza_minima), c))
           << '\n'
           << QCoreApplication::translate("Comando_cattura", "Rip\tSpost(mm)\tDurata(s)\t"
                                                             "Vmedia(mm/s)\tAlzata(mm)\tAlzata(s)")
           << '\n';
    // Each row is paired with the script's lift it measures: the next one within the
    // encoder's tolerance, passing over lifts the minimum may have absorbed. The first
    // lift seen above the minimum only starts the clock; near the minimum the encoder
    // decides which one that is, so the first row may also pass over the first lift
    // surely above it. A row of no lift (a twitch above the minimum) has no motion.
    const auto alzate = Alzate(copione);
    const double tolleranza = Tolleranza_spostamento_mm(o.tipo, o.collegamento);
    const auto Primo_sopra = [&](double soglia) {
        std::size_t k = 0;
        while (k < alzate.size() && alzate[k].spostamento_mm <= soglia) ++k;
        return k;
    };
    const std::size_t orologio = Primo_sopra(o.ampiezza_minima + tolleranza);
    std::size_t prossima = Primo_sopra(o.ampiezza_minima - tolleranza) + 1;
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const double spostamento = righe[i].spostamento_mm;
        uscita << i + 1 << '\t' << Formatta(spostamento, "0.00", c) << '\t'
               << Formatta(righe[i].durata_s, "0.00", c) << '\t'
               << Formatta(righe[i].velocita_media, "0.00", c);
        const auto Misura = [&](std::size_t k) {
            return std::abs(alzate[k].spostamento_mm - spostamento) <= tolleranza;
        };
        std::size_t k = prossima;
        while (k < alzate.size() && !Misura(k) &&
               (alzate[k].spostamento_mm <= o.ampiezza_minima + tolleranza ||
                (i == 0 && k == orologio)))
            ++k;
        if (k < alzate.size() && Misura(k)) {
            uscita << '\t' << Formatta(alzate[k].spostamento_mm, "0.00", c) << '\t'
                   << Formatta(alzate[k].durata_s, "0.00", c);
            prossima = k + 1;
        } else {
            uscita << "\t-\t-";
        }
        uscita << '\n';
    }
    uscita.flush();
    return 0;
}
