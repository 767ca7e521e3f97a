// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches the set's journal while an acquisition runs: the first time it cannot be written
// (not created, disk full, its folder removed) is told at once, and from then on what it
// holds is known, in records and in seconds of the set, so that every message about the
// set can say what a crash would leave of it.

#include "stream/vista_misura.h"

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <vector>

class Giornale_serie;
struct Sessione;

class Sorveglianza_giornale : public QObject, public Vista_misura {
    Q_OBJECT
public:
    // The journal is looked at this often during a set.
    static constexpr int Intervallo_ms = 250;

    explicit Sorveglianza_giornale(const Sessione& sessione, QObject* parent = nullptr);

    // The journal, told before this one by the engine; none: nothing is watched.
    void Imposta_giornale(Giornale_serie* giornale) { giornale_ = giornale; }
    Giornale_serie* Giornale() const { return giornale_; }

    void Acquisizione_iniziata() override;
    void Record_ricevuti(std::span<const std::uint8_t> record) override;
    void Acquisizione_finita() override;

    // Reads the journal's state now (during a set the timer does).
    void Controlla();

    // The current (or last) acquisition's journal failed, or there was none where one was
    // due: the reason.
    const std::optional<QString>& Guasto() const { return motivo_; }
    // What the board sent since the start, and the part of it the journal holds, in s of
    // the set.
    double Secondi_ricevuti() const { return secondi_; }
    double Secondi_nel_giornale() const { return secondi_nel_giornale_; }
    std::int64_t Record_nel_giornale() const { return nel_giornale_; }
    // The status bar's line; empty while the journal is sound.
    QString Testo(const QLocale& locale) const;

Q_SIGNALS:
    // The journal's first failure in this acquisition.
    void Giornale_guasto();
    // The status bar's line changed.
    void Testo_cambiato();

private:
    // What the journal holds now, and the time of the set at its last record, from the
    // marks left along the way.
    void Aggiorna_nel_giornale();

    struct Segno {
        std::int64_t record;
        double secondi;
    };

    const Sessione& s_;
    Giornale_serie* giornale_ = nullptr;
    QTimer controllo_;
    std::int64_t ricevuti_ = 0;
    double secondi_ = 0;
    std::int64_t nel_giornale_ = 0;
    double secondi_nel_giornale_ = 0;
    // Records and time after each block the journal may not hold yet: a few per look.
    std::vector<Segno> segni_;
    std::optional<QString> motivo_;
    bool fermo_ = false; // failed and no longer growing: no more marks
};
