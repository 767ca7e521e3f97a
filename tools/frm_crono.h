// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stopwatch "Funzioni Tempo": minutes, seconds and tenths since Start, and a beep every
// few seconds to pace rest intervals or movements. A small tool window over the main window;
// closing it (Esc too) deletes it, so every opening starts again with period 5 and the
// warning on. The time's three boxes are one readout: no Tab stops, told as one time.

#include "tools/conteggio_crono.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTimer;

class Frm_crono : public QWidget {
    Q_OBJECT
public:
    // The millisecond tick counter (32 bits, wrapping).
    using Orologio = std::function<qint32()>;
    // The system beep.
    using Segnale_acustico = std::function<void()>;
    // The input box of "Set frequenza": the typed text, nothing when cancelled.
    using Input_box = std::function<std::optional<QString>()>;
    // A short message to the operator.
    using Messaggio = std::function<void(const QString&)>;

    // Loads the window: stopped, period 5, warning on. `parent` is the window it stands over.
    explicit Frm_crono(QWidget* parent = nullptr);

    // Replace the clock, the beep, the input box and the message box (tests use their own).
    void Imposta_orologio(Orologio orologio) { orologio_ = std::move(orologio); }
    void Imposta_segnale_acustico(Segnale_acustico beep) { beep_ = std::move(beep); }
    void Imposta_input_box(Input_box input_box) { input_box_ = std::move(input_box); }
    void Imposta_messaggio(Messaggio messaggio) { messaggio_ = std::move(messaggio); }

    // The buttons' and the timer's handlers.
    void Avvia();             // "Start": counts from zero
    void Ferma();             // "Stop": the fields keep the last values
    void Imposta_frequenza(); // "Set frequenza": asks for the period in seconds
    void Tick();              // every 100 ms while running

    float Periodo() const { return Periodo_avviso; }

    QCheckBox* Chk_avviso_acustico;
    QGroupBox* Fre_crono;
    QLineEdit* Txt_minuti;
    QLineEdit* Txt_secondi;
    QLineEdit* Txt_decimi;
    QPushButton* Command1;
    QPushButton* Command2;
    QGroupBox* Fre_conto_rovescia;
    QLineEdit* txt_valore_cv;
    QPushButton* cmd_conto_rovescia;
    QTimer* Timer_1;

private:
    void Mostra_periodo();
    void Mostra_tempo();

    Orologio orologio_;
    Segnale_acustico beep_;
    Input_box input_box_;
    Messaggio messaggio_;
    qint32 Tick_inizio = 0;
    float Periodo_avviso = 5.0f;
    float Secondi_minuto = 0.0f;
    Avviso_periodico avviso_;
};

// Shows the stopwatch: the open one brought to the front, or a new one kept in `finestra`.
// For the main window's menu item and the command panel's button.
Frm_crono* Mostra_frm_crono(QPointer<Frm_crono>& finestra, QWidget* parent);
