// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/segnali_acustici.h"

#include "platform/lingua.h"
#include "stream/decodifica.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The band's tones are short and tell themselves apart by pitch alone; the loss cue is two
// long falling notes, heard as something else.
constexpr std::array<Nota, 1> Nota_alta{{{1320, 120}}};
constexpr std::array<Nota, 1> Nota_media{{{880, 120}}};
constexpr std::array<Nota, 1> Nota_bassa{{{523, 120}}};
constexpr std::array<Nota, 3> Note_perdita{{{988, 220}, {0, 60}, {494, 360}}};
// The rest over: three rising notes, a call back to the bar.
constexpr std::array<Nota, 5> Note_recupero{
    {{659, 150}, {0, 50}, {784, 150}, {0, 50}, {1047, 300}}};

std::span<const Nota> Note_di(Tipo_segnale tipo) {
    switch (tipo) {
    case Tipo_segnale::Alto:
        return Nota_alta;
    case Tipo_segnale::Basso:
        return Nota_bassa;
    case Tipo_segnale::Perdita:
        return Note_perdita;
    case Tipo_segnale::Recupero:
        return Note_recupero;
    case Tipo_segnale::Medio:
        break;
    }
    return Nota_media;
}

Tipo_segnale Tipo_fascia(Colore colore) {
    if (colore == Colore_giallo) return Tipo_segnale::Alto;
    if (colore == Colore_rosso) return Tipo_segnale::Basso;
    return Tipo_segnale::Medio;
}

// 0 to 99 in words.
QString Numero_italiano(int n) {
    static const std::array<const char*, 20> primi{
        "zero",        "uno",      "due",    "tre",         "quattro",  "cinque",    "sei",
        "sette",       "otto",     "nove",   "dieci",       "undici",   "dodici",    "tredici",
        "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
    static const std::array<const char*, 10> decine{"",         "",          "venti",    "trenta",
                                                    "quaranta", "cinquanta", "sessanta", "settanta",
                                                    "ottanta",  "novanta"};
    if (n < 20) return QString::fromLatin1(primi[std::size_t(n)]);
    QString decina = QString::fromLatin1(decine[std::size_t(n / 10)]);
    const int unita = n % 10;
    if (unita == 0) return decina;
    // "ventuno", "trentotto": the tens lose their vowel before a vowel; "ventitré".
    if (unita == 1 || unita == 8) decina.chop(1);
    return decina +
           (unita == 3 ? QStringLiteral("tré") : QString::fromLatin1(primi[std::size_t(unita)]));
}

QString Numero_inglese(int n) {
    static const std::array<const char*, 20> primi{
        "zero",     "one",     "two",     "three",     "four",     "five",    "six",
        "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
        "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const std::array<const char*, 10> decine{
        "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (n < 20) return QString::fromLatin1(primi[std::size_t(n)]);
    const QString decina = QString::fromLatin1(decine[std::size_t(n / 10)]);
    return n % 10 == 0 ? decina : decina + '-' + QString::fromLatin1(primi[std::size_t(n % 10)]);
}

} // namespace

QString Velocita_a_parole(float millimetri_al_secondo, const QString& lingua) {
    // In hundredths of m/s, as the athlete's view shows it; up to 99,99 m/s.
    const long centesimi =
        std::clamp(std::lround(static_cast<double>(millimetri_al_secondo) / 10), 0L, 9999L);
    const int intero = static_cast<int>(centesimi / 100), resto = static_cast<int>(centesimi % 100);
    if (lingua == QLatin1String("en")) {
        if (resto == 0) return Numero_inglese(intero);
        QStringList parole;
        if (intero > 0) parole << Numero_inglese(intero);
        parole << QStringLiteral("point") << Numero_inglese(resto / 10)
               << Numero_inglese(resto % 10);
        return parole.join(' ');
    }
    // Italian reads the hundredths as a number: "zero settantadue", "uno zero cinque".
    if (resto == 0) return Numero_italiano(intero);
    return Numero_italiano(intero) + ' ' +
           (resto < 10 ? QStringLiteral("zero ") + Numero_italiano(resto) : Numero_italiano(resto));
}

QString Nome_segnale(Tipo_segnale tipo) {
    static const std::array<const char*, 5> nomi{"alto", "medio", "basso", "perdita", "recupero"};
    return QString::fromLatin1(nomi[std::size_t(tipo)]);
}

Segnali_acustici::Segnali_acustici(const Impostazione_esercizio& serie, Uscita_suono& uscita,
                                   const Stato_scheda* scheda)
    : serie_(serie), uscita_(uscita), scheda_(scheda) {
    orologio_.start();
}

void Segnali_acustici::Acquisizione_iniziata() {
    in_acquisizione_ = true;
    riga_attesa_ = riga_anticipata_ = -1;
    flusso_ms_ = 0;
    fine_salita_ms_.reset();
    scarto_ms_.reset();
    scarto_precedente_ms_.reset();
    inizio_campata_ms_ = 0;
}

void Segnali_acustici::Record_ricevuti(std::span<const std::uint8_t> record) {
    if (scheda_ == nullptr) return;
    for (std::size_t j = 0; j < record.size() / Byte_record_seriale; ++j) {
        const float passo =
            Tempo_ms(Leggi_record_seriale(record, j)->tempo, scheda_->Fattore_tempo);
        flusso_ms_ += std::abs(double(passo));
        // The engine lists a repetition at its first record past the top, which on a board
        // that sends nothing while the bar is still may come a while after the lift ended.
        if (Velocita_campione(passo, scheda_->Fattore_posizione, scheda_->Collegamento) > 0)
            fine_salita_ms_ = flusso_ms_;
    }
    // The block's last record came in now, at the latest: the least of these lags is the
    // wall clock's offset from the stream's, up to the link's own latency.
    const double scarto = Adesso_ms() - flusso_ms_;
    if (flusso_ms_ - inizio_campata_ms_ > Campata_ms) {
        scarto_precedente_ms_ = scarto_ms_;
        scarto_ms_.reset();
        inizio_campata_ms_ = flusso_ms_;
    }
    scarto_ms_ = std::min(scarto, scarto_ms_.value_or(scarto));
}

void Segnali_acustici::Ripetizione_chiusa(int riga, const Ripetizione&, float velocita,
                                          Colore colore) {
    if (!in_acquisizione_ || riga == riga_anticipata_) return;
    // The analysis, with the repetition's loss, is told right after.
    riga_attesa_ = riga;
    velocita_attesa_ = velocita;
    fascia_attesa_ = Tipo_fascia(colore);
    fine_attesa_ms_ = fine_salita_ms_;
}

void Segnali_acustici::Ripetizione_analizzata(int riga, const Analisi_ripetizione& analisi) {
    if (riga != riga_attesa_) return;
    riga_attesa_ = -1;
    // Compared as the files write them, to the hundredth: a loss shown as the threshold
    // itself has reached it.
    const bool raggiunta = !analisi.Esclusa && std::round(analisi.Perdita * 100.0f) >=
                                                   std::round(serie_.Soglia_perdita * 100.0f);
    if (raggiunta && !perdita_segnalata_) {
        perdita_segnalata_ = true;
        Segnala(Tipo_segnale::Perdita, riga, velocita_attesa_, fine_attesa_ms_);
    } else {
        Segnala(fascia_attesa_, riga, velocita_attesa_, fine_attesa_ms_);
    }
}

void Segnali_acustici::Alzata_ferma(int riga, float velocita, Colore colore,
                                    const Analisi_ripetizione& analisi) {
    if (!in_acquisizione_) return;
    Ripetizione_chiusa(riga, Ripetizione{}, velocita, colore);
    Ripetizione_analizzata(riga, analisi);
    riga_anticipata_ = riga;
}

void Segnali_acustici::Recupero_concluso() {
    Segnala(Tipo_segnale::Recupero, -1, 0);
}

void Segnali_acustici::Avvisa(bool& detto, const QString& testo) {
    if (detto) return;
    detto = true;
    if (avviso_) avviso_(testo);
}

void Segnali_acustici::Verifica_uscita() {
    if (!attivi_) return;
    if (!uscita_.Audio_disponibile())
        Avvisa(detto_senza_audio_,
               QCoreApplication::translate(
                   "Segnali_acustici", "Nessun dispositivo audio: i segnali acustici sono muti"));
    else if (voce_ && !uscita_.Voce_disponibile(Lingua_in_uso()))
        Avvisa(detto_senza_voce_,
               QCoreApplication::translate(
                   "Segnali_acustici",
                   "Nessuna voce installata per la lingua: la velocità è detta da un tono"));
}

void Segnali_acustici::Segnala(Tipo_segnale tipo, int riga, float velocita,
                               std::optional<double> fine_alzata_ms) {
    if (!attivi_) return;
    Segnale_dato dato{orologio_.elapsed(), tipo, riga + 1, {}, {}};
    Verifica_uscita();
    const bool audio = uscita_.Audio_disponibile();
    const QString lingua = Lingua_in_uso();
    const bool a_parole = tipo != Tipo_segnale::Perdita && tipo != Tipo_segnale::Recupero;
    if (voce_ && a_parole && audio && uscita_.Voce_disponibile(lingua))
        dato.parole = Velocita_a_parole(velocita, lingua);
    if (!dato.parole.isEmpty())
        uscita_.Pronuncia(dato.parole, lingua);
    else if (audio)
        uscita_.Suona(Note_di(tipo));
    // The lift's end on the wall clock: on the stream's, moved by the least lag seen.
    std::optional<double> scarto = scarto_ms_;
    if (scarto_precedente_ms_)
        scarto = std::min(*scarto_precedente_ms_, scarto.value_or(*scarto_precedente_ms_));
    if (fine_alzata_ms && scarto) dato.ritardo_ms = Adesso_ms() - (*scarto + *fine_alzata_ms);
    registro_.push_back(std::move(dato));
    if (ascolto_) ascolto_(registro_.back());
}
