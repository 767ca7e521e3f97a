#pragma once
// What the measurement engine shows while it works. The graph window, the header
// strip and the value list implement it; tests implement it with a recorder; the
// replay tool and benchmarks use the do-nothing default.

#include <cstdint>

struct Colore {
    std::uint8_t rosso = 0, verde = 0, blu = 0;
    friend bool operator==(const Colore&, const Colore&) = default;
};
inline constexpr Colore Colore_giallo{255, 255, 0};
inline constexpr Colore Colore_verde{0, 255, 0};
inline constexpr Colore Colore_rosso{255, 0, 0};

class Vista_misura {
public:
    virtual ~Vista_misura() = default;

    // Header strip: "Spost(cm)=  " followed by `centimetri` with `decimali` decimals
    // (0 on the serial link, 1 on the HID link).
    virtual void Mostra_spostamento(double centimetri, int decimali) {
        (void)centimetri;
        (void)decimali;
    }

    // Time graph. Samples are drawn only while it is visible.
    virtual bool Grafico_tempo_visibile() const { return false; }
    // Appends `conteggio` samples: each lies further along the time axis by
    // |tempi_ms[i]| / 1000 s; plot 6 gets the position, plot 1 the velocity.
    virtual void Accoda_tempo(int conteggio, const double* posizioni, const double* velocita,
                              const float* tempi_ms) {
        (void)conteggio;
        (void)posizioni;
        (void)velocita;
        (void)tempi_ms;
    }
    // Clears all data of the time graph; the time axis restarts from 0.
    virtual void Cancella_grafico_tempo() {}
    // After a measurement reset: one point of value 0, with x step 0, on plots 1 and 6,
    // then a redraw.
    virtual void Origine_grafico_tempo() {}
    // Cursor_1 and Cursor_2 of the time graph, in seconds.
    virtual void Sposta_cursori(double x_cursore_1, double x_cursore_2) {
        (void)x_cursore_1;
        (void)x_cursore_2;
    }

    // Value list: row `riga` (from 0) has been appended to the list's data; select it
    // in every column and repaint.
    virtual void Riga_aggiunta(int riga) { (void)riga; }
    virtual void Lista_svuotata() {}

    // Repetition graph: one point per repetition, x advancing by 1.
    virtual void Accoda_ripetizione(float durata_conc, float vmedia_conc) {
        (void)durata_conc;
        (void)vmedia_conc;
    }
    virtual void Cancella_grafico_ripetizioni() {}

    // Slider pointer and numeric display: value and band colour.
    virtual void Mostra_velocita(float vmedia_conc, Colore colore) {
        (void)vmedia_conc;
        (void)colore;
    }
    virtual void Azzera_slider() {}
};
