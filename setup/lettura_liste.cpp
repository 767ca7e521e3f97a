// SPDX-License-Identifier: GPL-3.0-or-later
// brax.ini as the setup dialog reads it. A sound file is read as it was written: the highest
// row index, then for each row the number of its entries less one and the entries. A damaged
// one (a line cut, lost, added or garbled) is read again with the count lines the program
// writes (" 3 ", "-1 ") as landmarks, so that every entry that can still be told is kept in
// its own row; only the lines that cannot be (a count that is no number, the fragment a cut
// leaves at the end, a line holding control characters, a line of no row) are skipped. The
// message names them and tells what was kept. A team that cannot be a folder (a path such
// as "../..") is never taken from the file: it would lead outside the data folder.
#include "setup/file_config.h"

#include "datafiles/codifica_1252.h"
#include "platform/file_limitato.h"
#include "session/formato.h"
#include "setup/controllo_voci.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <vector>

namespace {

struct Riga {
    QString testo;
    int numero = 0;        // from 1
    bool completa = false; // ended by a line end
};

// The lines without their ends (CR LF, or LF from a hand edit).
std::vector<Riga> Dividi(const QByteArray& contenuto) {
    std::vector<Riga> righe;
    qsizetype inizio = 0;
    while (inizio < contenuto.size()) {
        qsizetype fine = contenuto.indexOf('\n', inizio);
        const bool completa = fine >= 0;
        if (!completa) fine = contenuto.size();
        qsizetype n = fine - inizio;
        if (n > 0 && contenuto.at(inizio + n - 1) == '\r') --n;
        righe.push_back({Testo_da_1252(QByteArrayView(contenuto).sliced(inizio, n)),
                         int(righe.size()) + 1, completa});
        inizio = fine + 1;
    }
    return righe;
}

// A count line read as a number, the way it always was (" 3 ", "3", "3.0").
std::optional<int> Intero(const QString& testo) {
    bool ok = false;
    const double valore = std::nearbyint(Numero_da_testo_c(testo, &ok));
    if (!ok || !std::isfinite(valore) || std::fabs(valore) > 2147483647.0) return std::nullopt;
    return static_cast<int>(valore);
}

// A count exactly as the program writes it: "-" or a space, the digits, a space. Entries are
// never written so, which makes these lines the landmarks of a damaged file.
bool Conteggio_scritto(const QString& testo) {
    static const QRegularExpression forma(QStringLiteral("^(-| )[0-9]+ $"));
    return forma.match(testo).hasMatch();
}

bool Caratteri_di_controllo(const QString& testo) {
    for (const QChar c : testo)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return true;
    return false;
}

QString Citazione(const QString& testo) {
    constexpr qsizetype Massimo = 40;
    return QLatin1Char('"') +
           (testo.size() > Massimo ? testo.left(Massimo) + QStringLiteral("…") : testo) +
           QLatin1Char('"');
}

// The lists as the message names them.
struct Lettura_liste {
    Q_DECLARE_TR_FUNCTIONS(Lettura_liste)
};
constexpr std::array<const char*, Riga_utente::Numero> Nomi_elenchi{
    QT_TRANSLATE_NOOP("Lettura_liste", "Squadra"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Atleta"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Carico"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Esercizio"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Velocità massima"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Limite superiore"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Limite inferiore"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Ampiezza minima"),
    QT_TRANSLATE_NOOP("Lettura_liste", "Nota")};

QString Nome_elenco(std::size_t riga) {
    return Lettura_liste::tr(Nomi_elenchi[riga]);
}

using Voci_lette = std::array<std::vector<Riga>, Riga_utente::Numero>;

// The file as written. False at the first thing out of place.
bool Leggi_integro(const std::vector<Riga>& righe, Voci_lette& voci) {
    const auto n = righe.size();
    std::size_t i = 0;
    if (n == 0) return false;
    const std::optional<int> ultima = Intero(righe[i++].testo);
    if (!ultima || *ultima >= Riga_utente::Numero) return false;
    for (int r = 0; r <= *ultima; ++r) {
        if (r == Riga_utente::Atleta) continue; // the athletes are the team's folders
        if (i >= n) return false;
        const std::optional<int> conteggio = Intero(righe[i++].testo);
        if (!conteggio || *conteggio >= int(n - i)) return false;
        for (int j = 0; j <= *conteggio; ++j) voci[std::size_t(r)].push_back(righe[i++]);
    }
    for (; i < n; ++i)
        if (!righe[i].testo.trimmed().isEmpty()) return false;
    return true;
}

// A damaged file, read by its landmarks; what could not be read goes into `problemi`.
void Leggi_danneggiato(const std::vector<Riga>& righe, Voci_lette& voci, QStringList& problemi,
                       bool& incompleto) {
    const std::size_t n = righe.size();
    const auto Non_numero = [&](const Riga& r) {
        problemi << Lettura_liste::tr("la riga %1 (%2) non è un numero")
                        .arg(QString::number(r.numero), Citazione(r.testo));
    };
    // A landmark at or after `da`, or n.
    const auto Prossimo_conteggio = [&](std::size_t da) {
        while (da < n && !Conteggio_scritto(righe[da].testo)) ++da;
        return da;
    };
    const auto Conteggi_da = [&](std::size_t da) {
        std::size_t quanti = 0;
        for (; da < n; ++da) quanti += Conteggio_scritto(righe[da].testo) ? 1 : 0;
        return quanti;
    };

    std::size_t i = 0;
    int ultima = Riga_utente::Numero - 1;
    if (n > 0) {
        const std::optional<int> scritta = Intero(righe[0].testo);
        if (!scritta)
            Non_numero(righe[0]);
        else if (*scritta >= Riga_utente::Numero || *scritta < 0)
            problemi << Lettura_liste::tr("la prima riga indica %1 righe, la finestra ne ha %2")
                            .arg(QString::number(qint64(*scritta) + 1),
                                 QString::number(Riga_utente::Numero));
        else
            ultima = *scritta;
        i = 1;
    }
    std::vector<int> elenchi;
    for (int r = 0; r <= ultima; ++r)
        if (r != Riga_utente::Atleta) elenchi.push_back(r);

    for (std::size_t e = 0; e < elenchi.size(); ++e) {
        if (i >= n) {
            incompleto = true;
            break;
        }
        const int r = elenchi[e];
        std::optional<int> conteggio = Intero(righe[i].testo);
        if (conteggio && *conteggio < -1) conteggio.reset();
        if (!conteggio) Non_numero(righe[i]);
        ++i;
        const std::size_t fine = Prossimo_conteggio(i); // the next row's count, if sound
        std::size_t prese = fine - i;
        if (conteggio) {
            const auto attese = std::size_t(*conteggio + 1);
            // More lines than counted: this row's (a line split in two) when every row
            // after it still has its count; otherwise the first one is the garbled count of
            // the next row, read as such at the next turn.
            if (prese > attese && Conteggi_da(fine) < elenchi.size() - e - 1) prese = attese;
            if (prese != attese) {
                if (fine >= n && prese < attese)
                    incompleto = true;
                else
                    problemi << Lettura_liste::tr("l'elenco %1 ha %2 voci invece di %3")
                                    .arg(Nome_elenco(std::size_t(r)), QString::number(prese),
                                         QString::number(attese));
            }
        }
        for (std::size_t k = i; k < i + prese; ++k) {
            const Riga& voce = righe[k];
            if (!voce.completa && k + 1 == n)
                problemi << Lettura_liste::tr("la riga %1 (%2) è interrotta")
                                .arg(QString::number(voce.numero), Citazione(voce.testo));
            else if (Caratteri_di_controllo(voce.testo))
                problemi << Lettura_liste::tr("la riga %1 contiene caratteri non validi")
                                .arg(voce.numero);
            else
                voci[std::size_t(r)].push_back(voce);
        }
        i += prese;
    }
    for (; i < n; ++i)
        if (!righe[i].testo.trimmed().isEmpty())
            problemi << Lettura_liste::tr("la riga %1 (%2) non appartiene a nessun elenco")
                            .arg(QString::number(righe[i].numero), Citazione(righe[i].testo));
}

} // namespace

std::optional<QString> Leggi_liste(const QString& file_ini, Liste_utente& liste) {
    const QString nome = QDir::toNativeSeparators(file_ini);
    QByteArray contenuto;
    const QString copia = QFileInfo(Nome_copia(file_ini)).fileName();
    if (const std::optional<QString> motivo = Leggi_file_limitato(file_ini, contenuto)) {
        QString testo = Lettura_liste::tr("Impossibile leggere %1: %2").arg(nome, *motivo);
        if (Dimensione_rifiutata(file_ini))
            testo +=
                QLatin1Char('\n') + Lettura_liste::tr("Alla conferma con Ok il file sarà "
                                                      "riscritto; quello di ora resterà in %1.")
                                        .arg(copia);
        return testo;
    }
    const std::vector<Riga> righe = Dividi(contenuto);

    Voci_lette voci;
    QStringList problemi;
    bool incompleto = false;
    if (!Leggi_integro(righe, voci)) {
        voci = {};
        Leggi_danneggiato(righe, voci, problemi, incompleto);
    }
    // A team becomes a folder: one that could not be typed is not taken from the file.
    auto& squadre = voci[Riga_utente::Squadra];
    for (auto it = squadre.begin(); it != squadre.end();) {
        if (const std::optional<QString> rifiuto = Nome_cartella_rifiutato(it->testo)) {
            problemi << Lettura_liste::tr("la squadra %1 della riga %2 è stata tralasciata (%3)")
                            .arg(Citazione(it->testo), QString::number(it->numero), *rifiuto);
            it = squadre.erase(it);
        } else {
            ++it;
        }
    }
    for (std::size_t r = 0; r < voci.size(); ++r)
        for (const Riga& voce : voci[r]) liste[r].append(voce.testo);
    if (problemi.isEmpty() && !incompleto) return std::nullopt;
    const bool danneggiato = !problemi.isEmpty();
    if (incompleto)
        problemi << Lettura_liste::tr("finisce dopo la riga %1").arg(QString::number(righe.size()));
    QString testo = (danneggiato ? Lettura_liste::tr("Il file %1 è danneggiato: %2.")
                                 : Lettura_liste::tr("Il file %1 è incompleto: %2."))
                        .arg(nome, problemi.join(QStringLiteral("; ")));
    QStringList lette;
    for (std::size_t r = 0; r < voci.size(); ++r)
        if (r != Riga_utente::Atleta)
            lette << QStringLiteral("%1 %2").arg(Nome_elenco(r), QString::number(voci[r].size()));
    testo += QLatin1Char('\n');
    testo += Lettura_liste::tr("Voci lette e tenute: %1.\nAlla conferma con Ok il file sarà "
                               "riscritto con queste voci; quello di ora resterà in %2.")
                 .arg(lette.join(QStringLiteral(", ")), copia);
    return testo;
}
