// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream/segnali_acustici.h"

#include "platform/lingua.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cmath>

namespace {

// The band's tones are short and tell themselves apart by pitch alone; the loss cue is two
// long falling notes, heard as something else.
constexpr std::array<Nota, 1> Nota_alta{{{1320, 120}}};
constexpr std::array<Nota, 1> Nota_media{{{880, 120}}};
constexpr std::array<Nota, 1> Nota_bassa{{{523, 120}}};
constexpr std::array<Nota, 3> Note_perdita{{{988, 220}, {0, 60}, {494, 360}}};

std::span<const Nota> Note_di(Tipo_segnale tipo) {
    switch (tipo) {
    case Tipo_segnale::Alto:
        return Nota_alta;
    case Tipo_segnale::Basso:
        return Nota_bassa;
    case Tipo_segnale::Perdita:
        return Note_perdita;
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

Segnali_acustici::Segnali_acustici(const Impostazione_esercizio& serie, Uscita_suono& uscita)
    : serie_(serie), uscita_(uscita) {
    orologio_.start();
}

void Segnali_acustici::Ripetizione_chiusa(int riga, const Ripetizione&, float velocita,
                                          Colore colore) {
    // The analysis, with the repetition's loss, is told right after.
    riga_attesa_ = riga;
    velocita_attesa_ = velocita;
    fascia_attesa_ = Tipo_fascia(colore);
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
        Segnala(Tipo_segnale::Perdita, riga, velocita_attesa_);
    } else {
        Segnala(fascia_attesa_, riga, velocita_attesa_);
    }
}

void Segnali_acustici::Avvisa(bool& detto, const QString& testo) {
    if (detto) return;
    detto = true;
    if (avviso_) avviso_(testo);
}

void Segnali_acustici::Segnala(Tipo_segnale tipo, int riga, float velocita) {
    if (!attivi_) return;
    Segnale_dato dato{orologio_.elapsed(), tipo, riga + 1, {}};
    const bool audio = uscita_.Audio_disponibile();
    if (!audio)
        Avvisa(detto_senza_audio_,
               QCoreApplication::translate(
                   "Segnali_acustici", "Nessun dispositivo audio: i segnali acustici sono muti"));
    const QString lingua = Lingua_in_uso();
    if (voce_ && tipo != Tipo_segnale::Perdita && audio) {
        if (uscita_.Voce_disponibile(lingua))
            dato.parole = Velocita_a_parole(velocita, lingua);
        else
            Avvisa(detto_senza_voce_,
                   QCoreApplication::translate(
                       "Segnali_acustici",
                       "Nessuna voce installata per la lingua: la velocità è detta da un tono"));
    }
    if (!dato.parole.isEmpty())
        uscita_.Pronuncia(dato.parole, lingua);
    else if (audio)
        uscita_.Suona(Note_di(tipo));
    registro_.push_back(std::move(dato));
}
