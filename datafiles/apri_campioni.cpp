// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/apri_campioni.h"

#include "platform/errori_sistema.h"

#include <QCoreApplication>
#include <QDir>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr char Prima_brax[] = "brax01";
// A written row is at most a few numbers of 64 characters and their separators: a longer
// stretch without a line end is no row.
constexpr std::size_t Riga_letta_massima = 4096;
constexpr std::uint64_t Divisori_decimali[] = {1,
                                               10,
                                               100,
                                               1000,
                                               10000,
                                               100000,
                                               1000000,
                                               10000000,
                                               100000000,
                                               1000000000,
                                               10000000000,
                                               100000000000,
                                               1000000000000,
                                               10000000000000,
                                               100000000000000,
                                               1000000000000000,
                                               10000000000000000,
                                               100000000000000000};
constexpr int Cifre_massime = 17;

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

// A number "-ddd" or "-ddd<separatore>ddd" at `p`, which is moved past it.
bool Numero(const char*& p, const char* fine, char separatore, double& valore) {
    const bool negativo = p < fine && *p == '-';
    if (negativo) ++p;
    std::uint64_t cifre = 0;
    int quante = 0, decimali = 0;
    for (; p < fine && Cifra(*p); ++p, ++quante)
        cifre = cifre * 10 + static_cast<std::uint64_t>(*p - '0');
    if (quante == 0) return false;
    if (p < fine && separatore != 0 && *p == separatore) {
        ++p;
        for (; p < fine && Cifra(*p); ++p, ++decimali, ++quante)
            cifre = cifre * 10 + static_cast<std::uint64_t>(*p - '0');
        if (decimali == 0) return false;
    }
    if (quante > Cifre_massime) return false;
    const double assoluto =
        static_cast<double>(cifre) / static_cast<double>(Divisori_decimali[decimali]);
    valore = negativo ? -assoluto : assoluto;
    return true;
}

// The title line the columns give.
std::string Titoli_campioni() {
    std::string titoli;
    for (const Colonna_campioni& colonna : Colonne_campioni)
        titoli.append(titoli.empty() ? "" : ";").append(colonna.titolo);
    return titoli;
}

} // namespace

std::optional<QString> Lettore_campioni::Apri(const QString& nome) {
    file_.setFileName(nome);
    if (!file_.open(QIODevice::ReadOnly))
        return QDir::toNativeSeparators(nome) + QStringLiteral(": ") + Testo_errore_file(file_);
    totali_ = file_.size();
    const char *inizio = nullptr, *fine = nullptr;
    bool intera = false;
    const auto Riga_uguale = [&](std::string_view attesa) {
        return Prossima_riga(inizio, fine, intera) && intera &&
               std::string_view(inizio, static_cast<std::size_t>(fine - inizio)) == attesa;
    };
    if (Riga_uguale(Prima_riga_campioni)) {
        tipo_ = Tipo_file::Campioni;
        if (Riga_uguale(Titoli_campioni())) return std::nullopt;
    } else if (!errore_ && inizio) {
        // The old format's first field ends at a comma or at the line end.
        const QByteArray riga = QByteArray::fromRawData(inizio, fine - inizio);
        const qsizetype virgola = riga.indexOf(',');
        QByteArray campo = (virgola < 0 ? riga : riga.left(virgola)).trimmed();
        if (campo.size() >= 2 && campo.startsWith('"') && campo.endsWith('"'))
            campo = campo.mid(1, campo.size() - 2); // a text written with its quotes
        if (campo == Prima_brax) {
            tipo_ = Tipo_file::Brax;
            resto_brax_ = virgola < 0 ? QByteArray()
                                      : QByteArray(inizio + virgola + 1, riga.size() - virgola - 1);
            return std::nullopt;
        }
    }
    file_.close();
    return errore_ ? *errore_
                   : QCoreApplication::translate("Apri_campioni", " File non compatibile!");
}

bool Lettore_campioni::Riempi() {
    if (!file_.isOpen()) return false;
    if (fine_ > inizio_) std::memmove(buffer_.data(), buffer_.data() + inizio_, fine_ - inizio_);
    fine_ -= inizio_;
    inizio_ = 0;
    if (buffer_.size() < fine_ + static_cast<std::size_t>(Byte_blocco))
        buffer_.resize(fine_ + static_cast<std::size_t>(Byte_blocco));
    const qint64 n = file_.read(buffer_.data() + fine_, Byte_blocco);
    if (n < 0) errore_ = Testo_errore_file(file_);
    if (n <= 0) return false;
    fine_ += static_cast<std::size_t>(n);
    letti_ += n;
    return true;
}

bool Lettore_campioni::Prossima_riga(const char*& inizio, const char*& fine, bool& intera) {
    for (;;) {
        const char* dati = buffer_.data() + inizio_;
        const std::size_t disponibili = fine_ - inizio_;
        // An empty buffer has no data pointer to search.
        const auto* a_capo = disponibili == 0
                                 ? nullptr
                                 : static_cast<const char*>(std::memchr(dati, '\n', disponibili));
        if (a_capo) {
            inizio = dati;
            fine = a_capo > dati && a_capo[-1] == '\r' ? a_capo - 1 : a_capo;
            intera = true;
            inizio_ += static_cast<std::size_t>(a_capo - dati) + 1;
            ++riga_;
            return true;
        }
        if (disponibili <= Riga_letta_massima && Riempi()) continue;
        if (errore_ || disponibili == 0) return false;
        // A last line without its line end, or a stretch too long to be a row.
        inizio = dati;
        fine = dati + std::min(disponibili, Riga_letta_massima);
        intera = false;
        inizio_ = fine_;
        ++riga_;
        return true;
    }
}

bool Lettore_campioni::Riga(const char* p, const char* fine, Campione& c, Riga_scritta& scritta) {
    if (separatore_ == 0) {
        // The first row with decimals gives the separator: the first byte that is no
        // digit, sign or field separator.
        for (const char* q = p; q < fine; ++q)
            if (!Cifra(*q) && *q != '-' && *q != ';') {
                separatore_ = *q;
                break;
            }
    }
    return Campi(p, fine, c, scritta) && p == fine;
}

bool Lettore_campioni::Campi(const char*& p, const char* fine, Campione& c,
                             Riga_scritta& scritta) const {
    for (const Colonna_campioni& colonna : Colonne_campioni) {
        if (&colonna != Colonne_campioni.data() && (p >= fine || *p++ != ';')) return false;
        double valore = 0;
        if (!Numero(p, fine, separatore_, valore)) return false;
        c.*colonna.valore = static_cast<float>(valore);
        if (colonna.scritto) scritta.*colonna.scritto = valore;
    }
    return true;
}

bool Lettore_campioni::Riga_intera(Campione& c, Riga_scritta& scritta) {
    // Only where a whole row surely lies in the buffer, once the separator is known.
    if (separatore_ == 0 || fine_ - inizio_ <= Riga_letta_massima) return false;
    const char* p = buffer_.data() + inizio_;
    const char* const fine = buffer_.data() + fine_;
    if (!Campi(p, fine, c, scritta)) return false;
    if (p < fine && *p == '\r') ++p;
    if (p >= fine || *p != '\n') return false;
    inizio_ = static_cast<std::size_t>(p + 1 - buffer_.data());
    ++riga_;
    return true;
}

void Lettore_campioni::Guasto(qint64 riga) {
    errore_ =
        QCoreApplication::translate(
            "Apri_campioni", "File danneggiato alla riga %1: la misura comprende solo le righe "
                             "precedenti.")
            .arg(riga);
}

bool Lettore_campioni::Leggi_blocco(std::vector<Campione>& uscita) {
    uscita.clear();
    scritte_.clear();
    if (tipo_ != Tipo_file::Campioni || finito_) return false;
    const qint64 inizio_blocco = letti_;
    const char *inizio = nullptr, *fine = nullptr;
    bool intera = false;
    while (letti_ - inizio_blocco < Byte_blocco || uscita.empty()) {
        Campione campione;
        Riga_scritta scritta;
        if (Riga_intera(campione, scritta)) {
            uscita.push_back(campione);
            scritte_.push_back(scritta);
            continue;
        }
        // Anything else (a blank line, a damaged one, the end of the buffer) line by line.
        if (!Prossima_riga(inizio, fine, intera)) {
            finito_ = true;
            break;
        }
        if (intera && inizio == fine) continue; // a blank line carries nothing
        if (!intera || !Riga(inizio, fine, campione, scritta)) {
            Guasto(riga_);
            finito_ = true;
            break;
        }
        uscita.push_back(campione);
        scritte_.push_back(scritta);
    }
    if (finito_) file_.close();
    return !uscita.empty();
}

bool Lettore_campioni::Leggi_brax(std::int32_t& tempo_campionamento) {
    if (tipo_ != Tipo_file::Brax) return false;
    bool primo = true;
    const auto Campi = [&](const QByteArray& riga) {
        for (const QByteArray& campo : riga.split(',')) {
            const QByteArray testo = campo.trimmed();
            if (testo.isEmpty()) continue;
            bool ok = false;
            const double valore = testo.toDouble(&ok);
            if (!ok) return false;
            if (primo) {
                if (std::fabs(valore) > INT32_MAX) return false;
                tempo_campionamento = static_cast<std::int32_t>(std::lround(valore));
                primo = false;
            }
        }
        return true;
    };
    bool riuscito = Campi(resto_brax_);
    const char *inizio = nullptr, *fine = nullptr;
    bool intera = false;
    while (riuscito && Prossima_riga(inizio, fine, intera))
        riuscito = Campi(QByteArray::fromRawData(inizio, fine - inizio));
    file_.close();
    return riuscito && !errore_;
}
