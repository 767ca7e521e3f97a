// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The virtual board: answers commands on the master side of a pseudo-terminal and,
// while streaming, writes the motion's records as they fall due in real time.

#include "virtualboard/comandi_scheda.h"
#include "wire/flusso_scheda.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <random>

class QSocketNotifier;

// Faults a test can ask for.
struct Disturbi_scheda {
    double probabilita_byte_alterato = 0; // each stream byte flipped with this probability
    std::int64_t tronca_dopo_byte = -1;   // stream stops for good after this many bytes
    double scompare_dopo_s = -1;          // pseudo-terminal closed this long after "$F"
    std::uint32_t seme = 1;
};

class Scheda_virtuale : public QObject {
    Q_OBJECT
public:
    // `master` is the non-blocking master side of the pseudo-terminal (not owned).
    Scheda_virtuale(int master, const Interprete_comandi::Profilo& profilo,
                    const Disturbi_scheda& disturbi, std::unique_ptr<Sorgente_record> sorgente,
                    QObject* parent = nullptr);
    ~Scheda_virtuale() override;

    bool In_flusso() const { return in_flusso_; }
    std::int64_t Byte_flusso_scritti() const { return byte_flusso_; }

    // Bytes not yet taken by the line are kept up to this size; records beyond it are
    // dropped whole, as a reader that stops reading loses what the line carries.
    static constexpr qsizetype Massimo_in_coda = 64 * 1024;
    // How often due records are written while streaming.
    static constexpr int Passo_ms = 5;

Q_SIGNALS:
    // The adapter was pulled (vanish fault): the owner closes the line and ends.
    void Scollegata();

private:
    void Leggi_comandi();
    void Esegui(Azione_scheda azione);
    void Scrivi_dovuti();
    void Accoda(const QByteArray& dati);
    void Svuota_coda();
    double Tempo_moto() const;

    int master_;
    Interprete_comandi interprete_;
    Disturbi_scheda disturbi_;
    std::unique_ptr<Sorgente_record> sorgente_;
    QSocketNotifier* lettura_;
    QSocketNotifier* scrittura_;
    QTimer passo_;
    QTimer scomparsa_;
    QElapsedTimer orologio_; // the motion starts with the first "$F"
    QByteArray coda_;
    std::vector<Record_scheda> dovuti_;
    std::mt19937 caso_;
    bool in_flusso_ = false;
    std::int64_t zero_posizione_ = 0;   // absolute count that "$Z" made the new zero
    std::int64_t ultima_posizione_ = 0; // absolute count of the last record due
    bool record_visti_ = false;
    bool zero_al_primo_record_ = false;
    std::int64_t byte_flusso_ = 0;
};
