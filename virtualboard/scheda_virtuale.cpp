// SPDX-License-Identifier: GPL-3.0-or-later
#include "virtualboard/scheda_virtuale.h"

#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>

namespace {
constexpr int Byte_record = 6;

} // namespace

Scheda_virtuale::Scheda_virtuale(int master, const Interprete_comandi::Profilo& profilo,
                                 const Disturbi_scheda& disturbi,
                                 std::unique_ptr<Sorgente_record> sorgente, QObject* parent)
    : QObject(parent), master_(master), interprete_(profilo), disturbi_(disturbi),
      sorgente_(std::move(sorgente)),
      lettura_(new QSocketNotifier(master, QSocketNotifier::Read, this)),
      scrittura_(new QSocketNotifier(master, QSocketNotifier::Write, this)), caso_(disturbi.seme) {
    scrittura_->setEnabled(false);
    connect(lettura_, &QSocketNotifier::activated, this, &Scheda_virtuale::Leggi_comandi);
    connect(scrittura_, &QSocketNotifier::activated, this, &Scheda_virtuale::Svuota_coda);
    passo_.setInterval(Passo_ms);
    passo_.setTimerType(Qt::PreciseTimer);
    connect(&passo_, &QTimer::timeout, this, &Scheda_virtuale::Scrivi_dovuti);
    scomparsa_.setSingleShot(true);
    connect(&scomparsa_, &QTimer::timeout, this, [this] {
        lettura_->setEnabled(false);
        scrittura_->setEnabled(false);
        passo_.stop();
        Q_EMIT Scollegata();
    });
}

Scheda_virtuale::~Scheda_virtuale() = default;

double Scheda_virtuale::Tempo_moto() const {
    return orologio_.isValid() ? static_cast<double>(orologio_.nsecsElapsed()) * 1e-9 : 0.0;
}

void Scheda_virtuale::Leggi_comandi() {
    char buffer[256];
    for (;;) {
        const auto n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0) {
            // EAGAIN: all read. EIO: no program holds the line; wait for the next event.
            if (n < 0 && errno == EINTR) continue;
            return;
        }
        for (const auto& risposta : interprete_.Ricevi(QByteArray(buffer, n))) {
            Accoda(risposta.byte);
            Esegui(risposta.azione);
        }
    }
}

void Scheda_virtuale::Esegui(Azione_scheda azione) {
    switch (azione) {
    case Azione_scheda::Avvia_flusso:
        if (!orologio_.isValid()) orologio_.start();
        Scrivi_dovuti(); // records that fell due while stopped are dropped
        in_flusso_ = true;
        passo_.start();
        if (disturbi_.scompare_dopo_s >= 0 && !scomparsa_.isActive())
            scomparsa_.start(static_cast<int>(disturbi_.scompare_dopo_s * 1000));
        break;
    case Azione_scheda::Ferma_flusso:
        // The reply is the last thing sent: records due meanwhile are dropped.
        in_flusso_ = false;
        passo_.stop();
        Scrivi_dovuti();
        break;
    case Azione_scheda::Azzera_posizione:
        Scrivi_dovuti();
        // Before any record the bar is where the first record will find it.
        zero_posizione_ = ultima_posizione_;
        zero_al_primo_record_ = !record_visti_;
        break;
    case Azione_scheda::Nessuna:
        break;
    }
}

void Scheda_virtuale::Scrivi_dovuti() {
    if (!orologio_.isValid()) return;
    dovuti_.clear();
    sorgente_->Fino_a(Tempo_moto(), dovuti_);
    if (dovuti_.empty()) return;
    if (zero_al_primo_record_) zero_posizione_ = dovuti_.front().conteggio;
    zero_al_primo_record_ = false;
    record_visti_ = true;
    ultima_posizione_ = dovuti_.back().conteggio;
    if (!in_flusso_) return;
    std::vector<std::uint8_t> byte;
    byte.reserve(dovuti_.size() * Byte_record);
    for (auto d : dovuti_) {
        // Counted from the last "$Z"; the board's counter is 16 bits wide and wraps.
        d.posizione = static_cast<std::int16_t>(
            static_cast<std::uint16_t>((d.conteggio - zero_posizione_) & 0xFFFF));
        Accoda_seriale(d, byte);
    }
    QByteArray record(reinterpret_cast<const char*>(byte.data()),
                      static_cast<qsizetype>(byte.size()));
    if (disturbi_.tronca_dopo_byte >= 0) {
        const auto resto = disturbi_.tronca_dopo_byte - byte_flusso_;
        if (resto <= 0) return;
        if (record.size() > resto) record.truncate(static_cast<qsizetype>(resto));
    }
    if (disturbi_.probabilita_byte_alterato > 0) {
        std::uniform_real_distribution<double> u(0.0, 1.0);
        for (auto& b : record)
            if (u(caso_) < disturbi_.probabilita_byte_alterato)
                b = static_cast<char>(b ^ static_cast<char>(1 + caso_() % 255));
    }
    // Whole records only: drop what the line cannot take.
    const qsizetype spazio = Massimo_in_coda - coda_.size();
    if (record.size() > spazio)
        record.truncate(std::max<qsizetype>(0, spazio - spazio % Byte_record));
    byte_flusso_ += record.size();
    Accoda(record);
}

void Scheda_virtuale::Accoda(const QByteArray& dati) {
    if (dati.isEmpty()) return;
    coda_.append(dati);
    Svuota_coda();
}

void Scheda_virtuale::Svuota_coda() {
    while (!coda_.isEmpty()) {
        const auto n = ::write(master_, coda_.constData(), static_cast<std::size_t>(coda_.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            break; // EAGAIN: the line is full; wait until it can take more
        }
        coda_.remove(0, n);
    }
    scrittura_->setEnabled(!coda_.isEmpty());
}
