#include "board/cattura.h"

#include "board/attese.h"
#include "board/copione.h"
#include "board/flusso_scheda.h"
#include "session/formato.h"

#include <QFile>
#include <QLocale>
#include <cmath>

namespace {

QString Uso() {
    return QStringLiteral("uso: kinetrack-capture --link serial|hid --board-type N --seed S "
                          "[--reps N] [--min-amplitude MM] [--twitch P] OUTPUT");
}

struct Opzioni_cattura {
    Collegamento collegamento = Collegamento::Seriale;
    int tipo = 0;
    std::uint32_t seme = 0;
    bool ha_seme = false, ha_collegamento = false;
    Parametri_copione parametri;
    // Above every twitch of a generated script, as an operator would set it: the rows
    // are then the script's repetitions.
    double ampiezza_minima = 100;
    QString uscita;
};

std::optional<QString> Leggi(const QStringList& argomenti, Opzioni_cattura& o) {
    for (qsizetype i = 0; i < argomenti.size(); ++i) {
        const QString& a = argomenti[i];
        if (!a.startsWith(QLatin1String("--"))) {
            if (!o.uscita.isEmpty()) return QStringLiteral("un solo file di uscita: \"%1\"").arg(a);
            o.uscita = a;
            continue;
        }
        if (i + 1 >= argomenti.size()) return QStringLiteral("manca il valore di %1").arg(a);
        const QString v = argomenti[++i];
        bool ok = false;
        if (a == QLatin1String("--link")) {
            ok = v == QLatin1String("serial") || v == QLatin1String("hid");
            o.collegamento = v == QLatin1String("hid") ? Collegamento::Hid : Collegamento::Seriale;
            o.ha_collegamento = ok;
        } else if (a == QLatin1String("--board-type")) {
            o.tipo = v.toInt(&ok);
            ok = ok && o.tipo >= 1 && o.tipo <= 3;
        } else if (a == QLatin1String("--seed")) {
            o.seme = v.toUInt(&ok);
            o.ha_seme = ok;
        } else if (a == QLatin1String("--reps")) {
            o.parametri.ripetizioni = v.toInt(&ok);
            ok = ok && o.parametri.ripetizioni >= 0 && o.parametri.ripetizioni <= 100000;
        } else if (a == QLatin1String("--min-amplitude")) {
            o.ampiezza_minima = Numero_da_testo_c(v, &ok);
            ok = ok && std::isfinite(o.ampiezza_minima) && o.ampiezza_minima >= 0;
        } else if (a == QLatin1String("--twitch")) {
            o.parametri.probabilita_sussulto = Numero_da_testo_c(v, &ok);
            ok = ok && o.parametri.probabilita_sussulto >= 0 &&
                 o.parametri.probabilita_sussulto <= 1;
        } else {
            return QStringLiteral("opzione sconosciuta: %1").arg(a);
        }
        if (!ok) return QStringLiteral("valore non valido per %1: \"%2\"").arg(a, v);
    }
    if (!o.ha_collegamento) return QStringLiteral("manca --link");
    if (o.tipo == 0) return QStringLiteral("manca --board-type");
    if (!o.ha_seme) return QStringLiteral("manca --seed");
    if (o.uscita.isEmpty()) return QStringLiteral("manca il file di uscita");
    return std::nullopt;
}

} // namespace

int Esegui_cattura(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori) {
    Opzioni_cattura o;
    if (auto errore = Leggi(argomenti, o)) {
        errori << "kinetrack-capture: " << *errore << '\n' << Uso() << '\n';
        errori.flush();
        return 2;
    }
    const Copione copione = Genera_copione(o.parametri, o.seme);
    Flusso_copione flusso(copione, o.tipo, o.collegamento);
    std::vector<Record_scheda> record;
    flusso.Tutti(record);
    const std::vector<std::uint8_t> byte =
        o.collegamento == Collegamento::Hid ? Byte_hid(record) : Byte_seriali(record);

    QFile file(o.uscita);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(byte.data()), static_cast<qint64>(byte.size())) !=
            static_cast<qint64>(byte.size()) ||
        !file.flush()) {
        errori << "kinetrack-capture: " << o.uscita << ": " << file.errorString() << '\n';
        errori.flush();
        return 1;
    }
    file.close();

    // What the program should list: only the records it gets to read (the serial link
    // leaves its last 1-12 bytes unread, HID sends whole reports only).
    const std::size_t letti = Record_letti(record.size(), o.collegamento);
    record.resize(letti);
    const auto righe = Ripetizioni_attese(record, o.tipo, o.collegamento, o.ampiezza_minima);
    const QLocale c(QLocale::C);
    uscita << "# " << byte.size() << " byte, " << letti << " record letti, durata "
           << Formatta(copione.Durata_s(), "0.00", c) << " s, ampiezza minima "
           << Testo_numero(static_cast<float>(o.ampiezza_minima), c) << " mm\n";
    uscita << "Rip\tSpost(mm)\tDurata(s)\tVmedia(mm/s)\tAlzata(mm)\tAlzata(s)\n";
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
