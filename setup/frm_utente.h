// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The setup dialog "Impostazione dati esercizio": team, athlete, load, exercise, maximum
// velocity, velocity band and minimum amplitude, each chosen from a list that "Nuovo" and
// "Elimina" extend and prune. "&Ok" fills the exercise settings record, creates the
// athlete's folders, sets the time graph's velocity range, stores the lists and the
// athlete's choices and rewrites the header strip; Enter confirms (on a list it moves on),
// Esc cancels. A number
// row takes only numbers from 0 up, and the lower limit must be below the upper one. Shown
// without blocking; every opening loads it afresh from the files, and closing it unloads it.
// The rows are chosen on a copy of the record: "&Annulla" leaves the session as it was, and
// at start-up the session takes what the dialog would show (Carica_impostazione).
//
// Under the rows, the velocity loss within a set that raises the alarm for the chosen
// athlete and exercise, and the velocity the sets are judged by: kept in the athlete's
// analysis choices, in force from "&Ok" for the sets recorded after it. So are, beside the
// threshold, the stillness that ends a hands-free set, the target rest, whether the loss
// threshold ends the set too and the velocity at 1RM; and the note, which the next set recorded
// carries.

#include "setup/file_config.h"

#include <QDialog>
#include <QLocale>
#include <QPointer>
#include <QSet>
#include <array>
#include <functional>

class Avvisi;
class Casella_decimale;
class QCheckBox;
class Frm_grafici;
class Frm_intestazione;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Frm_utente : public QDialog {
    Q_OBJECT
public:
    // The input box of "Nuovo": the typed text, empty when cancelled.
    using Input_box =
        std::function<QString(QWidget* padre, const QString& titolo, const QString& domanda)>;

    // Loads the dialog (lists, athletes, the last athlete's choices). `grafici` and
    // `intestazione` may be null: "&Ok" then leaves the graph or the strip alone.
    Frm_utente(Sessione& sessione, Frm_grafici* grafici, Frm_intestazione* intestazione,
               Avvisi& avvisi, const QLocale& locale, QWidget* parent = nullptr);

    // Replaces the input box (tests answer it themselves).
    void Imposta_input_box(Input_box input_box) { input_box_ = std::move(input_box); }

    // Shows the choices stored in Posizioni; row 1 too when `completa`.
    void Aggiorna_campi(bool completa);
    // Row 1 = the folders of the current team's folder, the first one chosen.
    void Elenca_atleti();

    // The buttons' handlers.
    void Nuovo(int riga);
    void Elimina(int riga);
    void Conferma();
    // What the rows, the note, the reference velocity and the end at the loss threshold show
    // into the session, with the typed numbers: the loss threshold (%), the stillness that
    // ends a set and the target rest (s). The part of "&Ok" that writes no file.
    void Applica_mostrato(float perdita_max, float fine_serie_s, float recupero_s);
    // The typed threshold in %, nothing when it is not a number from 0 to 100.
    std::optional<float> Perdita_max_digitata() const;
    // The typed stillness that ends a set in s, nothing when it is not a number from 2 to 30.
    std::optional<float> Fine_serie_digitata() const;
    // The typed target rest in s, 0 when the box is empty; nothing when it is not a whole
    // number from 1 to 3600.
    std::optional<float> Recupero_digitato() const;

    std::array<QLabel*, Riga_utente::Numero> Lbl_utente{};
    std::array<QComboBox*, Riga_utente::Numero> txt_utente{};
    std::array<QPushButton*, Riga_utente::Numero> Cmd_add{};
    std::array<QPushButton*, Riga_utente::Numero> Cmd_elimina{};
    QLineEdit* Txt_nota;
    QLabel* Lbl_perdita_max;
    Casella_decimale* Txt_perdita_max;
    QLabel* Lbl_fine_serie;
    Casella_decimale* Txt_fine_serie;
    QLabel* Lbl_recupero;
    QLineEdit* Txt_recupero; // empty: no target rest
    QCheckBox* Chk_fine_alla_perdita;
    QLabel* Lbl_riferimento;
    QComboBox* cbo_riferimento; // entries in the order of Velocita_riferimento
    QLabel* Lbl_carico_riferimento;
    QLineEdit* Txt_carico_riferimento; // empty: the load used most at the sessions' start
    QLabel* Lbl_v1rm;
    QLineEdit* Txt_v1rm; // empty: the athlete's own threshold, or the exercise's default
    QPushButton* Cmd_ok;
    QPushButton* Cmd_annulla;

Q_SIGNALS:
    // "&Ok" went through: the record and the files are up to date.
    void Confermato();

protected:
    // Enter confirms, as on a dialog's default button, except on a list: there it moves on
    // to the next box, so that a half-filled setup is never confirmed by it.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void Prepara_campi();
    void Selezione_cambiata(int riga);
    // The choices under the rows stored for the athlete and exercise the rows show.
    void Mostra_scelte_analisi();
    // 0 when the box is empty (chosen from the log); nothing when refused.
    std::optional<float> Carico_riferimento_digitato() const;
    // 0 when the box is empty; nothing when refused.
    std::optional<float> V1rm_digitata() const;
    // Why the chosen numbers cannot be confirmed, naming the row (which gets the focus): an
    // entry that is not a number or is negative, a lower limit not below the upper one.
    std::optional<QString> Numeri_rifiutati();
    Liste_utente Liste() const;

    Sessione& s_;
    Frm_grafici* grafici_;
    Frm_intestazione* intestazione_;
    Avvisi& avvisi_;
    QLocale locale_;
    Input_box input_box_;
    bool Aggiornamento_in_corso = false;
    Dati_esercizio_t d_;             // the record as the rows choose it; the session's from "&Ok"
    QSet<QString> difetti_mostrati_; // athletes' folders whose choices file was named
};

// The session takes the stored setup as the dialog would show it (the rows, the note, the
// athlete's analysis choices), with no file written; a damaged or refused file is named.
// For the start-up: a set recorded before the dialog is ever opened has that setup.
void Carica_impostazione(Sessione& sessione, Avvisi& avvisi, const QLocale& locale);

// Shows the setup dialog: the open one brought to the front, or a new one loaded afresh,
// kept in `finestra`. For the header strip's button and the menu item.
Frm_utente* Mostra_frm_utente(QPointer<Frm_utente>& finestra, Sessione& sessione,
                              Frm_grafici* grafici, Frm_intestazione* intestazione, Avvisi& avvisi,
                              const QLocale& locale, QWidget* parent);
