#pragma once
// What the engine shows, spread over the main window's child windows: the displacement
// goes to the header strip, everything else to the graph window. Until the windows are
// open (and after they close) it shows nothing.

#include "stream/vista_misura.h"

#include <QPointer>

class Frm_grafici;
class Frm_intestazione;

class Vista_principale : public Vista_misura {
public:
    void Collega(Frm_intestazione* intestazione, Frm_grafici* grafici);

    void Mostra_spostamento(double centimetri, int decimali) override;
    bool Grafico_tempo_visibile() const override;
    void Accoda_tempo(int conteggio, const double* posizioni, const double* velocita,
                      const float* tempi_ms) override;
    void Cancella_grafico_tempo() override;
    void Origine_grafico_tempo() override;
    void Sposta_cursori(double x_cursore_1, double x_cursore_2) override;
    void Riga_aggiunta(int riga) override;
    void Lista_svuotata() override;
    void Accoda_ripetizione(float durata_conc, float vmedia_conc) override;
    void Cancella_grafico_ripetizioni() override;
    void Mostra_velocita(float vmedia_conc, Colore colore) override;
    void Azzera_slider() override;

private:
    QPointer<Frm_intestazione> intestazione_;
    QPointer<Frm_grafici> grafici_;
};
