// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/sorveglianza_giornale.h"

#include "datafiles/giornale_serie.h"
#include "session/sessione.h"
#include "stream/decodifica.h"

#include <cmath>

Sorveglianza_giornale::Sorveglianza_giornale(const Sessione& sessione, QObject* parent)
    : QObject(parent), s_(sessione) {
    controllo_.setInterval(Intervallo_ms);
    connect(&controllo_, &QTimer::timeout, this, &Sorveglianza_giornale::Controlla);
}

void Sorveglianza_giornale::Acquisizione_iniziata() {
    ricevuti_ = 0;
    secondi_ = 0;
    nel_giornale_ = 0;
    secondi_nel_giornale_ = 0;
    segni_.assign(1, Segno{0, 0});
    const bool guasto = motivo_.has_value();
    motivo_.reset();
    fermo_ = false;
    if (giornale_ == nullptr) return;
    controllo_.start();
    if (guasto) Q_EMIT Testo_cambiato();
    // A journal that could not even be made is told now.
    Controlla();
}

void Sorveglianza_giornale::Record_ricevuti(std::span<const std::uint8_t> record) {
    if (giornale_ == nullptr) return;
    const std::size_t n = record.size() / Byte_record_seriale;
    for (std::size_t j = 0; j < n; ++j)
        if (const auto c = Leggi_record_seriale(record, j))
            secondi_ += std::abs(double(Tempo_ms(c->tempo, s_.Scheda.Fattore_tempo))) / 1000.0;
    ricevuti_ += static_cast<std::int64_t>(n);
    // No journal open (none asked for, or none made): nothing to find the end of.
    if (!fermo_ && !giornale_->File().isEmpty()) segni_.push_back({ricevuti_, secondi_});
}

void Sorveglianza_giornale::Acquisizione_finita() {
    if (giornale_ == nullptr) return;
    // The journal was closed just before: its last records are on the disk or never will be.
    Controlla();
    controllo_.stop();
}

void Sorveglianza_giornale::Aggiorna_nel_giornale() {
    const std::int64_t prima = nel_giornale_;
    nel_giornale_ = giornale_->Record_nel_giornale();
    if (motivo_ && nel_giornale_ == prima) fermo_ = true;
    // The marks before the one at or below the journal's end are no longer needed.
    std::size_t i = 0;
    while (i + 1 < segni_.size() && segni_[i + 1].record <= nel_giornale_) ++i;
    segni_.erase(segni_.begin(), segni_.begin() + static_cast<std::ptrdiff_t>(i));
    if (nel_giornale_ <= 0 || segni_.empty()) {
        secondi_nel_giornale_ = 0;
        return;
    }
    const Segno& a = segni_.front();
    if (segni_.size() == 1 || nel_giornale_ <= a.record) {
        secondi_nel_giornale_ = a.secondi;
        return;
    }
    // Inside a block: its records taken as evenly spread.
    const Segno& b = segni_[1];
    secondi_nel_giornale_ = a.secondi + (b.secondi - a.secondi) * double(nel_giornale_ - a.record) /
                                            double(b.record - a.record);
}

void Sorveglianza_giornale::Controlla() {
    if (giornale_ == nullptr) return;
    const bool nuovo = !motivo_;
    if (!motivo_) motivo_ = giornale_->Prendi_errore();
    if (!motivo_) {
        Aggiorna_nel_giornale();
        return;
    }
    const double prima = secondi_nel_giornale_;
    Aggiorna_nel_giornale();
    if (nuovo) {
        Q_EMIT Giornale_guasto();
        Q_EMIT Testo_cambiato();
    } else if (secondi_nel_giornale_ != prima) {
        Q_EMIT Testo_cambiato();
    }
}

QString Sorveglianza_giornale::Testo(const QLocale& locale) const {
    if (!motivo_) return {};
    if (nel_giornale_ <= 0)
        return tr("Nessun giornale (%1): la serie è solo in memoria.").arg(*motivo_);
    return tr("Giornale fermo a %1 s (%2): il resto della serie è solo in memoria.")
        .arg(locale.toString(secondi_nel_giornale_, 'f', 1), *motivo_);
}
