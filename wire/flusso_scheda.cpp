// SPDX-License-Identifier: GPL-3.0-or-later
#include "wire/flusso_scheda.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

int Sorgente_record::Fino_a(double t_s, std::vector<Record_scheda>& uscita) {
    int aggiunti = 0;
    for (;;) {
        if (!ha_sospeso_) {
            if (finito_ || !Prossimo(sospeso_)) {
                finito_ = true;
                break;
            }
            ha_sospeso_ = true;
        }
        if (sospeso_.istante_s > t_s) break;
        uscita.push_back(sospeso_);
        ha_sospeso_ = false;
        ++aggiunti;
    }
    return aggiunti;
}

int Sorgente_record::Tutti(std::vector<Record_scheda>& uscita) {
    return Fino_a(std::numeric_limits<double>::infinity(), uscita);
}

namespace {

std::int16_t Avvolgi_16(std::int64_t conteggio) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(conteggio & 0xFFFF));
}

} // namespace

Flusso_copione::Flusso_copione(Copione copione, int tipo_scheda, Collegamento collegamento)
    : copione_(std::move(copione)), taratura_(Calibrazione_tipo(tipo_scheda)),
      passi_(Passi_per_record(collegamento)) {
    u_inizio_ = copione_.posizione_iniziale_mm / taratura_.Mm_per_conteggio;
    u_fine_ = u_inizio_;
    if (!copione_.segmenti.empty())
        u_fine_ = u_inizio_ + copione_.segmenti[0].spostamento_mm / taratura_.Mm_per_conteggio;
    conteggio_ = static_cast<std::int64_t>(std::floor(u_inizio_));
    conteggio_record_ = conteggio_;
}

bool Flusso_copione::Prossimo_passo(double& istante_s, std::int64_t& conteggio) {
    while (segmento_ < copione_.segmenti.size()) {
        const Segmento& s = copione_.segmenti[segmento_];
        // The threshold the position crosses next: up to the next whole count, or down
        // below the current one.
        double soglia = 0;
        bool c_e = false;
        if (u_fine_ > u_inizio_ && static_cast<double>(conteggio_ + 1) <= u_fine_) {
            soglia = static_cast<double>(conteggio_ + 1);
            conteggio = conteggio_ + 1;
            c_e = true;
        } else if (u_fine_ < u_inizio_ && u_fine_ < static_cast<double>(conteggio_)) {
            soglia = static_cast<double>(conteggio_);
            conteggio = conteggio_ - 1;
            c_e = true;
        }
        if (c_e) {
            // u(tau) = u0 + (u1 - u0) (1 - cos(pi tau / D)) / 2, solved for u = soglia.
            const double frazione = (soglia - u_inizio_) / (u_fine_ - u_inizio_);
            const double argomento = std::clamp(1.0 - 2.0 * frazione, -1.0, 1.0);
            istante_s = inizio_segmento_s_ + s.durata_s * std::acos(argomento) / std::numbers::pi;
            return true;
        }
        // Segment done: on to the next.
        inizio_segmento_s_ += s.durata_s;
        ++segmento_;
        u_inizio_ = u_fine_;
        if (segmento_ < copione_.segmenti.size())
            u_fine_ = u_inizio_ +
                      copione_.segmenti[segmento_].spostamento_mm / taratura_.Mm_per_conteggio;
    }
    return false;
}

Record_scheda Flusso_copione::Emetti(double istante_s, bool fermo, int segno) {
    Record_scheda r;
    r.istante_s = istante_s;
    r.istante = std::llround(istante_s * 1000.0 * static_cast<double>(taratura_.Conteggi_per_ms));
    r.tempo = static_cast<std::int32_t>(segno * (r.istante - istante_record_));
    r.conteggio = conteggio_;
    r.posizione = Avvolgi_16(conteggio_);
    r.fermo = fermo;
    istante_record_ = r.istante;
    istante_record_s_ = istante_s;
    conteggio_record_ = conteggio_;
    return r;
}

bool Flusso_copione::Prossimo(Record_scheda& record) {
    while (!finito_) {
        if (!passo_pronto_) {
            if (!Prossimo_passo(passo_s_, passo_conteggio_)) {
                // The script is over: idle records up to its end, then nothing.
                if (istante_record_s_ + 1.0 <= copione_.Durata_s()) {
                    record = Emetti(istante_record_s_ + 1.0, true, segno_);
                    return true;
                }
                finito_ = true;
                return false;
            }
            passo_pronto_ = true;
        }
        if (passo_s_ - istante_record_s_ > 1.0) {
            record = Emetti(istante_record_s_ + 1.0, true, segno_);
            return true;
        }
        passo_pronto_ = false;
        conteggio_ = passo_conteggio_;
        const std::int64_t mosso = conteggio_ - conteggio_record_;
        if (mosso >= passi_ || mosso <= -passi_) {
            segno_ = mosso > 0 ? 1 : -1;
            record = Emetti(passo_s_, false, segno_);
            return true;
        }
    }
    return false;
}

Flusso_ritmo::Flusso_ritmo(int tipo_scheda, Collegamento collegamento, double record_al_secondo,
                           double durata_s, int escursione_passi)
    : taratura_(Calibrazione_tipo(tipo_scheda)), passi_(Passi_per_record(collegamento)),
      periodo_s_(1.0 / std::max(record_al_secondo, 1.0)), durata_s_(durata_s),
      escursione_(escursione_passi > 0 ? escursione_passi : 1) {}

bool Flusso_ritmo::Prossimo(Record_scheda& record) {
    const double istante_s = static_cast<double>(n_ + 1) * periodo_s_;
    if (durata_s_ > 0 && istante_s > durata_s_) return false;
    // Up for `escursione_` records, then down as many, and again.
    const int segno = (n_ / escursione_) % 2 == 0 ? 1 : -1;
    ++n_;
    conteggio_ += segno * passi_;
    const std::int64_t istante =
        std::llround(istante_s * 1000.0 * static_cast<double>(taratura_.Conteggi_per_ms));
    record.istante_s = istante_s;
    record.tempo = static_cast<std::int32_t>(segno * (istante - istante_));
    record.istante = istante;
    record.conteggio = conteggio_;
    record.posizione = Avvolgi_16(conteggio_);
    record.fermo = false;
    istante_ = istante;
    return true;
}

namespace {

void Scrivi_le(std::uint8_t* destinazione, std::uint32_t valore, int byte) {
    for (int i = 0; i < byte; ++i) destinazione[i] = static_cast<std::uint8_t>(valore >> (8 * i));
}

} // namespace

void Accoda_seriale(const Record_scheda& record, std::vector<std::uint8_t>& uscita) {
    std::uint8_t byte[6];
    Scrivi_le(byte, static_cast<std::uint16_t>(record.posizione), 2);
    Scrivi_le(byte + 2, static_cast<std::uint32_t>(record.tempo), 4);
    uscita.insert(uscita.end(), byte, byte + 6);
}

std::vector<std::uint8_t> Byte_seriali(const std::vector<Record_scheda>& record) {
    std::vector<std::uint8_t> uscita;
    uscita.reserve(record.size() * 6);
    for (const auto& r : record) Accoda_seriale(r, uscita);
    return uscita;
}

Report_hid_t Componi_report(const Record_scheda* otto) {
    Report_hid_t report{};
    for (int k = 0; k < 8; ++k) {
        Scrivi_le(report.data() + 8 * k + 2, static_cast<std::uint16_t>(otto[k].posizione), 2);
        Scrivi_le(report.data() + 8 * k + 4, static_cast<std::uint32_t>(otto[k].tempo), 4);
    }
    return report;
}

std::vector<std::uint8_t> Byte_hid(const std::vector<Record_scheda>& record) {
    std::vector<std::uint8_t> uscita;
    const std::size_t report = record.size() / 8;
    uscita.reserve(report * 65);
    for (std::size_t i = 0; i < report; ++i) {
        const Report_hid_t r = Componi_report(record.data() + 8 * i);
        uscita.insert(uscita.end(), r.begin(), r.end());
    }
    return uscita;
}

bool Accumulatore_hid::Aggiungi(const Record_scheda& record, Report_hid_t& report) {
    gruppo_[static_cast<std::size_t>(quanti_++)] = record;
    if (quanti_ < 8) return false;
    report = Componi_report(gruppo_.data());
    quanti_ = 0;
    return true;
}

QByteArray Byte_cattura(const std::vector<Record_scheda>& record, Collegamento collegamento) {
    const auto byte = collegamento == Collegamento::Hid ? Byte_hid(record) : Byte_seriali(record);
    return QByteArray(reinterpret_cast<const char*>(byte.data()),
                      static_cast<qsizetype>(byte.size()));
}
