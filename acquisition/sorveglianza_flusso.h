// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watches the board's stream while an acquisition runs and says in one line what the
// operator should know of it: a stream that looks disturbed (told once per set), and a
// board that has sent nothing for more than a few seconds, then its return. The line
// stays until the next acquisition starts.

#include "stream/vista_misura.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class Sorveglianza_flusso : public QObject, public Vista_misura {
    Q_OBJECT
public:
    // Longer than this without a record is a silent board: idle, it sends one a second.
    static constexpr int Silenzio_ms = 3000;

    explicit Sorveglianza_flusso(QObject* parent = nullptr, int silenzio_ms = Silenzio_ms);

    void Acquisizione_iniziata() override;
    void Record_ricevuti(std::span<const std::uint8_t> record) override;
    void Acquisizione_finita() override;
    void Flusso_disturbato(const Disturbo_flusso& disturbo) override;

    QString Testo() const;
    // What is said of a board silent for more than `silenzio_ms`.
    static QString Testo_muta(int silenzio_ms);
    // Something is wrong now (a disturbed stream, or a board silent now).
    bool Allarme() const { return disturbato_ || muta_; }
    bool Muta() const { return muta_; }

Q_SIGNALS:
    // The line changed; empty when there is nothing to say.
    void Avviso_cambiato(const QString& testo, bool allarme);

private:
    void Controlla();
    void Avvisa();

    int silenzio_ms_;
    QTimer controllo_;
    QElapsedTimer ultimo_record_;
    bool disturbato_ = false;
    bool muta_ = false;
    qint64 durata_silenzio_ms_ = 0; // of the last silence the board came back from; 0: none
};
