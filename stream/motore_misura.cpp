#include "stream/motore_misura.h"

#include "platform/porta_seriale.h"
#include "stream/decodifica.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

// Movement state: 0 lifting, 1 not lifting. Between the two thresholds it is kept.
constexpr std::int16_t Stato_salita = 0;
constexpr std::int16_t Stato_fermo = 1;
constexpr float Soglia_salita = 20.0f;  // mm/s
constexpr float Soglia_discesa = 15.0f; // mm/s
constexpr float Primo_secondo = 1.0f;   // s: changes before this are concentric starts

// Live drawing stops at this backlog of the serial port and resumes below the second.
constexpr int Ritardo_massimo_disegno = 400; // bytes
constexpr int Ritardo_ripresa_disegno = 50;  // bytes

} // namespace

Motore_misura::Motore_misura(Sessione& sessione, Vista_misura& vista, const QLocale& locale)
    : s_(sessione), vista_(vista), locale_(locale) {}

int Motore_misura::Byte_in_attesa() const {
    if (porta_ == nullptr || !porta_->Aperta()) return 0;
    return porta_->Byte_in_attesa();
}

void Motore_misura::Ricezione_seriale(Porta_seriale& porta) {
    if (!s_.Ricezione_attiva || !s_.Acquisizione_in_corso) return;
    const int lunghezza = porta.Lunghezza_lettura();
    // A read shorter than one record (or "everything waiting") cannot keep the records
    // aligned: leave the bytes alone.
    if (lunghezza < static_cast<int>(Byte_record_seriale)) return;
    const auto record = static_cast<std::size_t>(lunghezza) / Byte_record_seriale;
    if (posizioni_.size() < record) {
        posizioni_.resize(record);
        tempi_.resize(record);
    }
    try {
        // Strictly more than one read waiting: 1 to 12 bytes always stay for later.
        while (porta.Byte_in_attesa() > lunghezza) {
            const QByteArray blocco = porta.Leggi();
            const std::span<const std::uint8_t> dati(
                reinterpret_cast<const std::uint8_t*>(blocco.constData()),
                static_cast<std::size_t>(blocco.size()));
            std::size_t letti = 0;
            for (; letti < record; ++letti) {
                const auto conteggi = Leggi_record_seriale(dati, letti);
                if (!conteggi) break;
                const double posizione = Posizione_mm(conteggi->posizione, s_.Fattore_posizione);
                posizioni_[letti] = posizione;
                vista_.Mostra_spostamento(posizione / 10.0, 0);
                tempi_[letti] = Tempo_ms(conteggi->tempo, s_.Fattore_tempo);
            }
            if (letti == 0) break; // the port gave less than it announced
            Elabora_blocco(static_cast<std::int16_t>(letti - 1), posizioni_.data(), tempi_.data());
        }
    } catch (const Errore_porta&) {
        // The port went away under the read: what was decoded is kept, the rest is lost
        // with the port, whose owner reports it.
    }
}

void Motore_misura::Report_hid(const std::uint8_t* report, int lunghezza) {
    auto& buffer = s_.Buffer_in;
    const std::size_t copiati =
        report == nullptr ? 0 : std::min<std::size_t>(std::max(lunghezza, 0), buffer.size());
    std::copy_n(report, copiati, buffer.begin());
    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(copiati), buffer.end(), std::uint8_t{0});
    if (!s_.Acquisizione_in_corso) return;

    const std::span<const std::uint8_t> dati(buffer.data(), copiati);
    double posizioni[Record_per_report];
    float tempi[Record_per_report];
    std::size_t letti = 0;
    for (; letti < Record_per_report; ++letti) {
        const auto conteggi = Leggi_record_hid(dati, letti);
        if (!conteggi) break; // a short report: only its whole records count
        posizioni[letti] = Posizione_mm(conteggi->posizione, s_.Fattore_posizione);
        tempi[letti] = Tempo_ms(conteggi->tempo, s_.Fattore_tempo);
        vista_.Mostra_spostamento(posizioni[letti] / 10.0, 1);
    }
    if (letti > 0) Elabora_blocco(static_cast<std::int16_t>(letti - 1), posizioni, tempi);
}

void Motore_misura::Elabora_blocco(std::int16_t n, const double* posizioni, const float* tempi_ms) {
    if (n < 0) return;
    const auto conteggio = static_cast<std::size_t>(n) + 1;
    if (velocita_.size() < conteggio) velocita_.resize(conteggio);
    double* const velocita = velocita_.data();

    const float fattore = s_.Fattore_posizione;
    for (std::size_t i = 0; i < conteggio; ++i)
        velocita[i] = Velocita_campione(tempi_ms[i], fattore, s_.Usa_seriale, s_.Usa_hid);

    for (std::size_t i = 0; i < conteggio; ++i) {
        const float dt = tempi_ms[i] / 1000.0f; // s, with its sign
        s_.Tempo_corrente += std::fabs(dt);
        if (s_.Memo_attivo && s_.Numero_campioni >= 0) {
            const Campione campione{static_cast<float>(posizioni[i]), dt, s_.Tempo_corrente,
                                    static_cast<float>(velocita[i])};
            auto& campioni = s_.Campioni;
            const auto indice = static_cast<std::size_t>(s_.Numero_campioni);
            if (campioni.size() == indice) {
                campioni.push_back(campione);
            } else {
                campioni.resize(indice + 1);
                campioni[indice] = campione;
            }
            ++s_.Numero_campioni;
        }
        Elabora_dati(posizioni[i], static_cast<float>(velocita[i]));
    }

    // Live drawing is shed first when the program falls behind the stream.
    if (Byte_in_attesa() < Ritardo_massimo_disegno && vista_.Grafico_tempo_visibile() &&
        s_.Disegno_abilitato)
        vista_.Accoda_tempo(static_cast<int>(conteggio), posizioni, velocita, tempi_ms);
    else
        s_.Disegno_abilitato = false;
    if (Byte_in_attesa() < Ritardo_ripresa_disegno) s_.Disegno_abilitato = true;
}

void Motore_misura::Elabora_dati(double posizione, float velocita) {
    auto& ripetizioni = s_.Ripetizioni;
    if (s_.Indice_ripetizione < 0) s_.Indice_ripetizione = 0;
    const auto indice = static_cast<std::size_t>(s_.Indice_ripetizione);
    if (ripetizioni.size() <= indice) ripetizioni.resize(indice + 1);
    Ripetizione& r = ripetizioni[indice];
    const float t = s_.Tempo_corrente;

    if (velocita < Vmin_corrente) {
        Vmin_corrente = velocita;
        r.TdiVmax_ecc = t - r.Tempo_inizio;
        r.Vmax_ecc = velocita;
        r.SdiVmax_ecc = static_cast<float>(static_cast<double>(r.Pos_inizio) - posizione);
    }
    if (velocita > Vmax_corrente) {
        Vmax_corrente = velocita;
        r.TdiVmax_conc = t - (r.Durata_ecc + r.Tempo_inizio);
        r.Vmax_conc = velocita;
        r.SdiVmax_conc = static_cast<float>(posizione - static_cast<double>(r.Pos_inizio_conc));
    }

    auto& stato = s_.Stato_fase;
    if (velocita > Soglia_salita)
        stato[0] = Stato_salita;
    else if (velocita < Soglia_discesa)
        stato[0] = Stato_fermo;
    if (stato[0] != stato[1]) {
        if (stato[0] == Stato_salita || t <= Primo_secondo)
            Inizia_concentrica(posizione);
        else
            Chiudi_ripetizione(posizione);
    }
    stato[1] = stato[0];
}

void Motore_misura::Inizia_concentrica(double posizione) {
    Ripetizione& r = s_.Ripetizioni[static_cast<std::size_t>(s_.Indice_ripetizione)];
    s_.Pos_inizio_concentrica = static_cast<float>(posizione);
    r.Pos_inizio_conc = static_cast<float>(posizione);
    r.Durata_ecc = s_.Tempo_corrente - r.Tempo_inizio;
    r.Spost_ecc = s_.Pos_inizio_concentrica - s_.Pos_inizio_ripetizione;
    if (r.Durata_ecc > 0) r.Vmedia_ecc = r.Spost_ecc / r.Durata_ecc;
}

void Motore_misura::Chiudi_ripetizione(double posizione) {
    s_.Pos_inizio_ripetizione = static_cast<float>(posizione);
    ++s_.Indice_ripetizione;
    const auto indice = static_cast<std::size_t>(s_.Indice_ripetizione);
    // The table only grows: an element left by an earlier measurement or by an absorbed
    // movement is overwritten field by field, not cleared.
    if (s_.Ripetizioni.size() < indice + 1) s_.Ripetizioni.resize(indice + 1);
    Ripetizione& nuova = s_.Ripetizioni[indice];
    Ripetizione& finita = s_.Ripetizioni[indice - 1];
    nuova.Tempo_inizio = s_.Tempo_corrente;
    nuova.Pos_inizio = static_cast<float>(posizione);
    finita.Spost_conc = static_cast<float>(posizione - static_cast<double>(finita.Pos_inizio_conc));

    const float ampiezza_minima = s_.Dati_esercizio.Ampiezza_minima;
    if (finita.Spost_conc > ampiezza_minima && s_.Indice_ripetizione == 1) {
        // The first real lift: the clock, the recording and the time graph restart.
        s_.Tempo_corrente = 0;
        nuova.Tempo_inizio = 0;
        s_.Numero_campioni = 0;
        s_.Campioni.resize(1);
        s_.Campioni[0].Tempo = 0;
        vista_.Cancella_grafico_tempo();
    }
    finita.Durata_totale = nuova.Tempo_inizio - finita.Tempo_inizio;
    finita.Durata_conc = nuova.Tempo_inizio - (finita.Durata_ecc + finita.Tempo_inizio);
    if (finita.Durata_conc > 0) finita.Vmedia_conc = finita.Spost_conc / finita.Durata_conc;
    vista_.Sposta_cursori(nuova.Tempo_inizio, finita.Tempo_inizio);
    Vmax_corrente = 0;
    Vmin_corrente = 0;

    if (finita.Spost_conc <= ampiezza_minima) {
        // Too small to count: absorbed into the repetition that was running.
        if (s_.Indice_ripetizione >= 1) --s_.Indice_ripetizione;
        return;
    }
    // Repetition 0 is the stretch before the first real lift and gets no row.
    if (s_.Indice_ripetizione < 2) return;
    Mostra_ripetizione(s_.Indice_ripetizione - 1);
}

void Motore_misura::Mostra_ripetizione(int indice) {
    const Ripetizione& r = s_.Ripetizioni[static_cast<std::size_t>(indice)];
    lista_.Aggiungi(Lista_valori::Formatta_riga(r, indice, locale_));
    vista_.Riga_aggiunta(indice - 1);

    const auto& dati = s_.Dati_esercizio;
    const float alto = dati.Limite_sup / 100.0f * dati.Vmax;
    const float basso = dati.Limite_inf / 100.0f * dati.Vmax;
    Colore colore = Colore_verde;
    if (r.Vmedia_conc > alto)
        colore = Colore_giallo;
    else if (r.Vmedia_conc < basso)
        colore = Colore_rosso;
    vista_.Mostra_velocita(r.Vmedia_conc, colore);
    vista_.Accoda_ripetizione(r.Durata_conc, r.Vmedia_conc);
}

void Motore_misura::Azzera_misura() {
    s_.Campioni = std::deque<Campione>(1); // gives back the memory of a long recording
    s_.Pos_inizio_ripetizione = 0;
    s_.Pos_inizio_concentrica = 1024.0f;
    s_.Indice_ripetizione = 0;
    s_.Numero_campioni = 0;
    lista_.Svuota();
    vista_.Lista_svuotata();
    vista_.Cancella_grafico_ripetizioni();
    vista_.Azzera_slider();
    vista_.Cancella_grafico_tempo();
    vista_.Origine_grafico_tempo();
}
