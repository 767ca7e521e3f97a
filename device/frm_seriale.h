// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial link window "Proprietà porta di comunicazione": the port-parameters
// dialog, the board search ("Auto set") and the board test ("TEST Scheda"). It stays
// alive, mostly hidden, for the whole run. The serial link and the protocol belong to
// the program and are shared with the rest of it.

#include <QDialog>
#include <array>
#include <functional>

class Avvisi;
class Collegamento_seriale;
class Porta_seriale;
class Protocollo;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
struct Sessione;

class frm_seriale : public QDialog {
    Q_OBJECT
public:
    frm_seriale(Sessione& sessione, Collegamento_seriale& collegamento, Protocollo& protocollo,
                Avvisi& avvisi, QWidget* parent = nullptr);

    // Applies the stored port settings (section "Properties") to the port.
    void Leggi_impostazioni();
    // Fills the lists and shows the port's current state in them.
    void LoadPropertySettings();
    void Open_comm();
    // The board search; also run by the start-up sequence. True when a board answered.
    // The status line says where, and the type it then gave.
    bool Cmd_Auto_Click();
    // The search ends early once `interrotta` holds (the program is ending).
    void Imposta_interruzione(std::function<bool()> interrotta) {
        interruzione_ = std::move(interrotta);
    }
    // The board test: the board type query on the link in use; the status line says the
    // type found or that the board did not answer.
    void Cmd_test_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    QComboBox* cboPort = nullptr;
    QComboBox* cboSpeed = nullptr;
    QComboBox* cboDataBits = nullptr;
    QComboBox* cboParity = nullptr;
    QComboBox* cboStopBits = nullptr;
    std::array<QRadioButton*, 4> optFlow{};
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* Cmd_Auto = nullptr;
    QPushButton* Cmd_test = nullptr;
    QLabel* Lbl_info = nullptr;
    // Which device the chosen port number means.
    QLabel* Lbl_dispositivo = nullptr;

    // Index of the last flow-control button clicked (or selected from the port).
    int Flusso = 0;

Q_SIGNALS:
    // Stato_connessione may have changed: the main caption must be refreshed.
    void Didascalia_cambiata();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void reject() override;

private:
    void Crea_controlli();
    void Carica();
    void Mostra_dispositivo();
    void Abilita_pulsanti(bool abilitati);

    Sessione& s_;
    Collegamento_seriale& collegamento_;
    Porta_seriale& porta_;
    Protocollo& protocollo_;
    Avvisi& avvisi_;
    QButtonGroup* gruppo_flusso_ = nullptr;
    bool da_ricaricare_ = false;
    // A search or a test is running (their waits let clicks through).
    bool ricerca_in_corso_ = false;
    std::function<bool()> interruzione_;
};
