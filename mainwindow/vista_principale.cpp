#include "mainwindow/vista_principale.h"

#include "analysis/frm_grafici.h"
#include "setup/frm_intestazione.h"

void Vista_principale::Collega(Frm_intestazione* intestazione, Frm_grafici* grafici) {
    intestazione_ = intestazione;
    grafici_ = grafici;
}

void Vista_principale::Mostra_spostamento(double centimetri, int decimali) {
    if (intestazione_) intestazione_->Mostra_spostamento(centimetri, decimali);
}

bool Vista_principale::Grafico_tempo_visibile() const {
    return grafici_ && grafici_->Grafico_tempo_visibile();
}

void Vista_principale::Accoda_tempo(int conteggio, const double* posizioni, const double* velocita,
                                    const float* tempi_ms) {
    if (grafici_) grafici_->Accoda_tempo(conteggio, posizioni, velocita, tempi_ms);
}

void Vista_principale::Cancella_grafico_tempo() {
    if (grafici_) grafici_->Cancella_grafico_tempo();
}

void Vista_principale::Origine_grafico_tempo() {
    if (grafici_) grafici_->Origine_grafico_tempo();
}

void Vista_principale::Sposta_cursori(double x_cursore_1, double x_cursore_2) {
    if (grafici_) grafici_->Sposta_cursori(x_cursore_1, x_cursore_2);
}

void Vista_principale::Riga_aggiunta(int riga) {
    if (grafici_) grafici_->Riga_aggiunta(riga);
}

void Vista_principale::Lista_svuotata() {
    if (grafici_) grafici_->Lista_svuotata();
}

void Vista_principale::Accoda_ripetizione(float durata_conc, float vmedia_conc) {
    if (grafici_) grafici_->Accoda_ripetizione(durata_conc, vmedia_conc);
}

void Vista_principale::Cancella_grafico_ripetizioni() {
    if (grafici_) grafici_->Cancella_grafico_ripetizioni();
}

void Vista_principale::Mostra_velocita(float vmedia_conc, Colore colore) {
    if (grafici_) grafici_->Mostra_velocita(vmedia_conc, colore);
}

void Vista_principale::Azzera_slider() {
    if (grafici_) grafici_->Azzera_slider();
}
