// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless replay: a capture of the board's stream goes through the measurement
// engine exactly as the live program would receive it, with recording on from the start;
// then the repetition table is printed and the sample and summary files are written.

#include "datafiles/record_seduta.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"
#include "stream/motore_misura.h"
#include "stream/vista_misura.h"
#include "wire/flusso_scheda.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <optional>
#include <vector>

struct Opzioni_replay {
    Collegamento collegamento = Collegamento::Seriale;
    int tipo_scheda = 0;       // the byte the board answers its type query with
    float ampiezza_minima = 0; // mm
    float vmax = 0;            // mm/s
    float limite_sup = 0;      // %
    float limite_inf = 0;      // %
    QString atleta, esercizio;
    float carico = 0; // kg
    QLocale locale = QLocale::system();
    QString file_campioni, file_sommario, file_analisi; // empty: not written
    QDateTime ora; // stamped in the files; invalid: the time now
    QString ingresso;
    QString giornale; // --journal: a set's journal, with its own settings, instead
    // --record: a test's record, whose settings (link, board, band, athlete...) are used;
    // its left-out repetitions are left out once the capture is replayed.
    QString file_record;
    std::optional<Record_test> record;
    bool analisi = true; // the repetitions' lift analysis (benchmarks switch it off)
    bool aiuto = false;  // --help: the usage, nothing else
};

// Reads the command line (without the program's name). On a fault returns its message;
// with --help or -h stops there, `aiuto` set.
std::optional<QString> Leggi_opzioni(const QStringList& argomenti, Opzioni_replay& opzioni);
QString Uso_replay();

// How many of a capture's `byte` bytes are whole records (serial) or reports (HID), in
// `interi`: a capture cut inside one (a board unplugged mid-stream) is replayed up to
// there. A message for a capture with nothing to replay (empty, or not one whole).
std::optional<QString> Controlla_cattura(Collegamento collegamento, qsizetype byte,
                                         qsizetype& interi);

// Keeps the band colour of every listed repetition.
class Vista_colori : public Vista_misura {
public:
    void Ripetizione_chiusa(int, const Ripetizione&, float, Colore colore) override {
        colori.push_back(colore);
    }
    void Misura_azzerata() override { colori.clear(); }
    std::vector<Colore> colori;
};

class Riproduzione {
public:
    explicit Riproduzione(const Opzioni_replay& opzioni);
    Riproduzione(const Riproduzione&) = delete;
    Riproduzione& operator=(const Riproduzione&) = delete;

    // Feeds a whole capture: serial bytes in one receive event, HID reports one by one.
    void Esegui(const QByteArray& cattura);
    // Processes a set's journal with the settings it holds (they replace the options');
    // `a_ogni_parte` runs wherever the program saved or would have saved the set (at the
    // end, and at a reset or recording switched off in the middle). The reason when the
    // records cannot be read.
    std::optional<QString> Esegui_giornale(const QString& file,
                                           const std::function<void()>& a_ogni_parte);
    // Writes the files asked for; the first failure's message. From the second part of
    // a journal on, the names get " (2)", " (3)"... before their extension.
    std::optional<QString> Salva_file(int parte = 1);
    // The header line and one line per listed repetition with its band colour word, the
    // words in the operator's language, the numbers as the files write them.
    void Stampa_tabella(QTextStream& uscita) const;

    const Sessione& Stato() const { return sessione_; }
    const Lista_valori& Lista() const { return motore_.Lst_valori(); }
    const std::vector<Colore>& Colori() const { return vista_.colori; }
    const std::vector<Analisi_ripetizione>& Analisi() const { return motore_.Analisi(); }
    // What the capture held that the board cannot send (the engine's own check).
    const Disturbo_flusso& Disturbi() const { return motore_.Disturbi(); }

private:
    Opzioni_replay opzioni_;
    Sessione sessione_;
    Vista_colori vista_;
    Motore_misura motore_;
};

// "giallo", "verde" or "rosso", in the operator's language.
QString Nome_colore(Colore colore);

// The whole tool: options, capture, replay, table, files. Returns the exit code.
int Esegui_replay(const QStringList& argomenti, QTextStream& uscita, QTextStream& errori);
