// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Storico atleta": the tests of one athlete (any athlete of any team), newest first, one
// row each; filters by exercise and by dates; the trend of the chosen exercise; the
// readiness of the latest day; "Confronta" for two chosen tests, "Squadra" for the team
// at a glance and "Esporta PDF..." for the report. Double-clicking a test asks to open it
// as "Apri..." does. With a club, other stations' tests are listed with their station. A non-modal
// window over the main window; closing it deletes it.

#include "log/diario.h"
#include "log/indice_sedute.h"

#include <QDate>
#include <QLocale>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class Avvisi;
class Frm_squadra;
class Grafico_andamento;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QTreeWidgetItem;

class Frm_storico : public QWidget {
    Q_OBJECT
public:
    enum Colonna : int {
        Data = 0,
        Ora,
        Esercizio,
        Carico,
        Ripetizioni,
        Velocita,
        Perdita,
        Rpe,
        Nota,
        Stazione, // shown when another station's tests are listed
        Colonne
    };
    // Where "Esporta PDF..." writes: the chosen file, empty when cancelled.
    using Scelta_pdf = std::function<QString(QWidget* padre, const QString& proposto)>;

    // The index of `cartella_dati`, brought up to date for the athlete shown.
    Frm_storico(const QString& cartella_dati, const QString& squadra, const QString& atleta,
                Avvisi& avvisi, const QLocale& locale, QWidget* parent = nullptr);
    ~Frm_storico() override;

    void Imposta_atleta(const QString& squadra, const QString& atleta);
    void Aggiorna(); // the files read again for tests saved meanwhile
    // The filters as the controls set them.
    Filtro_diario Filtro() const;
    const std::vector<Riga_diario>& Righe() const { return righe_; }
    QString Squadra() const;
    QString Atleta() const;

    // "Confronta" on the two selected rows; nullptr unless two are selected.
    QWidget* Confronta();
    Frm_squadra* Mostra_squadra();
    // "Esporta PDF...": with the dates filter on, the tests shown; otherwise the day of the
    // selected test (or the latest day).
    void Esporta_pdf();
    void Imposta_scelta_pdf(Scelta_pdf scelta) { scelta_pdf_ = std::move(scelta); }
    void Imposta_oggi(const QDate& oggi) { oggi_ = oggi; }

    QComboBox* cbo_squadra;
    QComboBox* cbo_atleta;
    QComboBox* cbo_esercizio;
    QCheckBox* Chk_date;
    QDateEdit* Txt_dal;
    QDateEdit* Txt_al;
    QTreeWidget* Lst_test;
    QLabel* Lbl_prontezza;
    QLabel* Lbl_scartati; // the files the index could not use, named; hidden when none
    Grafico_andamento* Grafico_trend;
    QPushButton* Cmd_confronta;
    QPushButton* Cmd_squadra;
    QPushButton* Cmd_pdf;
    QPushButton* Cmd_aggiorna;
    QPushButton* Cmd_chiudi;

public Q_SLOTS:
    // The index read again (tests come from the club), the athlete, filters and the tests
    // chosen kept.
    void Ricarica();

Q_SIGNALS:
    // Double click (or Enter) on a test: its sample file, else its summary.
    void Apri_test(const QString& file);

private:
    void Mostra_esito(const Esito_indice& esito);
    void Elenca_squadre(const QString& squadra, const QString& atleta);
    void Elenca_atleti(const QString& atleta);
    void Atleta_scelto();
    void Mostra_righe();
    void Mostra_andamento();
    void Mostra_prontezza();
    void Riga_attivata(QTreeWidgetItem* riga);
    void Selezione_cambiata();
    QString Esercizio_andamento() const;
    // The athlete's folder at this station, where their choices are.
    QString Cartella_atleta() const;
    // The log row a list row shows; null when the list and the rows are not in step.
    const Riga_diario* Riga_di(const QTreeWidgetItem* riga) const;

    std::unique_ptr<Indice_test> indice_;
    Avvisi& avvisi_;
    QLocale locale_;
    std::vector<Riga_test> test_; // the athlete's, newest first
    std::vector<Riga_diario> righe_;
    QPointer<Frm_squadra> squadra_;
    Scelta_pdf scelta_pdf_;
    QDate oggi_;
    bool carica_ = false; // the controls are being filled: no reaction
};

// Shows the log window: the open one (switched to this athlete) brought to the front, or a
// new one kept in `finestra`, centred over `parent`.
Frm_storico* Mostra_frm_storico(QPointer<Frm_storico>& finestra, const QString& cartella_dati,
                                const QString& squadra, const QString& atleta, Avvisi& avvisi,
                                const QLocale& locale, QWidget* parent);
