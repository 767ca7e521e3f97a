// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a test: the automatic save when a recording stops (sample file first, then the
// summary, both under names built from the date and time) and the two save-as operations
// with their dialogs. A test is saved with the athlete, team, load and exercise it was
// recorded with (Sessione::Serie), into that athlete's folder, whatever the setup says
// now. Failures reach the operator with the system's reason; the recording stays in
// memory whatever happens, so it can be saved again elsewhere.

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class Avvisi;
class Giornale_serie;
class Sorveglianza_giornale;
class Lista_valori;
class QWidget;
struct Sessione;
struct Analisi_ripetizione;

// What a save dialog is asked to show.
struct Richiesta_file {
    QString titolo;
    QString cartella;      // where it opens
    QString nome_proposto; // no folder
    QString filtro;
    QString estensione; // added when the operator types none
};

// The file dialog: the chosen path, with the extension added when it lacks it; empty when
// cancelled. A file of that name is replaced only if the operator says so; otherwise the
// dialog opens again.
QString Scegli_file_salvataggio(QWidget* padre, const Richiesta_file& richiesta);

class Salvataggi : public QObject {
    Q_OBJECT
public:
    using Scelta_file = std::function<QString(QWidget* padre, const Richiesta_file&)>;

    Salvataggi(Sessione& sessione, const Lista_valori& lista, Avvisi& avvisi, const QLocale& locale,
               QObject* parent = nullptr);

    // Tests answer the dialog and fix the clock themselves.
    void Imposta_scelta_file(Scelta_file scelta) { scelta_ = std::move(scelta); }
    void Imposta_orologio(std::function<QDateTime()> orologio) { orologio_ = std::move(orologio); }

    // The repetitions' analysis: once set, every summary gets its analysis file beside it.
    void Imposta_analisi(const std::vector<Analisi_ripetizione>& analisi) { analisi_ = &analisi; }
    // The journal of the acquisitions: told when the set in memory is saved, named when a
    // save fails.
    void Imposta_giornale(Giornale_serie* giornale);
    // Watches the journal during a set (the engine tells it after the journal): its first
    // failure is told at once, without waiting, and every message about the set says
    // what the journal holds of it.
    Sorveglianza_giornale& Controllo_giornale() { return *controllo_giornale_; }

    // At the stop of a recording: the sample file, the summary and the analysis, in the
    // set's athlete folder (or "misure_auto"). A set that recorded nothing writes nothing
    // (and says so through Serie_senza_dati). True unless a file failed; a failure is told
    // with where the set is still kept.
    bool Salva_automatico();
    // A set whose save failed is about to leave memory (a new set, a file opened, a reset,
    // the program closing): the operator is told what of it stays in its journal, and what
    // is lost. True when there was one.
    bool Segnala_serie_non_salvata();
    // A set not to be kept (one that ended by itself with no repetition: the bar lifted from
    // the rack and put back): its journal goes.
    void Scarta_serie();
    // The coach changed the note, the RPE or what is left out of the set in memory: its
    // records and analysis files written so far are written again. False (and told) when
    // one could not be.
    bool Aggiorna_file_serie();
    // "Salva dati con nome...": the summary under a chosen name. A failure gives
    // "ERR 0182 : " and the reason; a cancelled dialog nothing.
    void Salva_dati_con_nome(QWidget* padre);
    // "Salva file intero con nome...": the sample file under a chosen name.
    void Salva_file_intero_con_nome(QWidget* padre);

Q_SIGNALS:
    // A file was written whole.
    void Salvato(const QString& nome_file);
    // A recording stopped with no data: nothing was written.
    void Serie_senza_dati();
    // The automatic save wrote the set's record: the coach's word on it can follow.
    void Serie_registrata();
    // A saved test is in the data folder's index of tests (or, failing that, in its files,
    // where the next view finds it): the log and the readiness can show it. `file` is one
    // of its files.
    void Test_indicizzato(const QString& file);

private:
    // The test of `file` goes into the index of tests before the save returns.
    void Indicizza(const QString& file);
    // A record or analysis file of the set in memory, to keep up to date.
    void Ricorda_file(const QString& record, const QString& analisi);
    // Where the save dialogs open: the set's athlete folder, else the current one.
    QString Cartella_dialogo() const;
    bool Scrivi_campioni(QString& nome, const QDateTime& adesso);
    std::optional<QString> Scrivi_ripetizioni(QString& nome, const QDateTime& adesso);
    // The journal's first failure, told without stopping the set.
    void Segnala_giornale_guasto();
    // What the journal holds of a set no file holds: whole, a first part, nothing.
    enum class Copertura { Intera, Parziale, Nessuna };
    Copertura Copertura_giornale() const;
    QString Secondi(double secondi) const;

    Sessione& s_;
    const Lista_valori& lista_;
    const std::vector<Analisi_ripetizione>* analisi_ = nullptr;
    Giornale_serie* giornale_ = nullptr;
    Avvisi& avvisi_;
    QLocale locale_;
    Scelta_file scelta_;
    std::function<QDateTime()> orologio_;
    Sorveglianza_giornale* controllo_giornale_;
    bool non_salvata_ = false; // the automatic save failed and no save-as has kept it since
};
