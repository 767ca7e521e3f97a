#pragma once
// The program's frame window. Its caption is Titolo followed by Stato_connessione; the
// design caption, before the first update, is "Kinetrack". For now the work area is a
// placeholder for the child windows. It also shows the operator's messages.

#include "session/avvisi.h"

#include <QMainWindow>

class QLabel;
struct Sessione;

class Frm_main : public QMainWindow, public Avvisi {
    Q_OBJECT
public:
    explicit Frm_main(QWidget* parent = nullptr);

    // Caption = Titolo + Stato_connessione.
    void Aggiorna_didascalia(const Sessione& sessione);
    // Where the athletes' data live, shown in the status bar.
    void Mostra_cartella_dati(const QString& cartella);
    // A modal message box with an OK button; title "kinetrack" unless one is given.
    void Mostra(const QString& testo, Icona icona = Icona::Nessuna,
                const QString& titolo = QString()) override;

    QLabel* Lbl_cartella = nullptr;

Q_SIGNALS:
    // The window is closing: the program's other windows go with it.
    void Chiusura();

protected:
    void closeEvent(QCloseEvent* evento) override;
};
