#pragma once
// The measurement engine: turns the board's sample stream into recorded samples and
// repetitions. It runs on the user-interface thread inside the port's receive event
// (serial) or the HID read handler, and reports what the windows must show through
// Vista_misura. It has no widgets.

#include "analysis/lista_valori.h"
#include "session/sessione.h"
#include "stream/vista_misura.h"

#include <QLocale>
#include <cstdint>
#include <vector>

class Porta_seriale;

class Motore_misura {
public:
    Motore_misura(Sessione& sessione, Vista_misura& vista, const QLocale& locale);

    // The serial port whose waiting-byte count drives the drawing hysteresis; none (or
    // a closed port) counts as 0 bytes waiting.
    void Imposta_porta(Porta_seriale* porta) { porta_ = porta; }

    // Serial receive handler: on the port's data-received event.
    void Ricezione_seriale(Porta_seriale& porta);
    // HID read handler, after a report was read: keeps it in Buffer_in and, while an
    // acquisition runs, decodes its eight records into one block. A report shorter than
    // 65 bytes is kept zero-padded and only its whole records are decoded.
    void Report_hid(const std::uint8_t* report, int lunghezza);

    // Velocities, recording, live processing and drawing of one block (samples 0..n).
    void Elabora_blocco(std::int16_t n, const double* posizioni, const float* tempi_ms);
    // Live processing of one sample: repetition detection and the table.
    void Elabora_dati(double posizione, float velocita);
    // The measurement reset.
    void Azzera_misura();

    const Lista_valori& Lst_valori() const { return lista_; }
    const QLocale& Locale() const { return locale_; }

    // Running extremes of the current repetition.
    float Vmax_corrente = 0;
    float Vmin_corrente = 0;

private:
    int Byte_in_attesa() const;
    // Steps of Elabora_dati: a lift begins; a top ends the current repetition.
    void Inizia_concentrica(double posizione);
    void Chiudi_ripetizione(double posizione);
    void Mostra_ripetizione(int indice);

    Sessione& s_;
    Vista_misura& vista_;
    QLocale locale_;
    Porta_seriale* porta_ = nullptr;
    Lista_valori lista_;
    // Work arrays of one block, kept to avoid allocating per block.
    std::vector<double> posizioni_;
    std::vector<float> tempi_;
    std::vector<double> velocita_;
};
