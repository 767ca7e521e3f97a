// SPDX-License-Identifier: GPL-3.0-or-later
#include "acquisition/frm_cmd.h"

#include "acquisition/salvataggi.h"
#include "acquisition/sorveglianza_flusso.h"
#include "analysis/frm_grafici.h"
#include "datafiles/frm_apri.h"
#include "datafiles/nomi_file.h"
#include "device/protocollo.h"
#include "platform/impostazioni_utente.h"
#include "session/avvisi.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTimer>

// The engine's word on the armed station's sets, handed to the panel.
class Ascolto_serie_auto : public Vista_misura {
public:
    explicit Ascolto_serie_auto(Frm_cmd& cmd) : cmd_(cmd) {}
    void Serie_in_arrivo() override { cmd_.Serie_in_arrivo(); }
    void Acquisizione_iniziata() override {
        if (cmd_.armata_) cmd_.Serie_iniziata();
    }
    void Serie_conclusa(int ripetizioni) override { cmd_.Serie_conclusa(ripetizioni); }

private:
    Frm_cmd& cmd_;
};

namespace {

// Armed, a link silent this long has lost its board: a serial board sends an idle record
// every second, a HID board eight of them in one report.
constexpr int Silenzio_hid_ms = 10000;

// The caption as the operator sees it: "&&" is shown as "&", a single "&" marks the access
// key and is not shown.
QString Testo_mostrato(const QString& didascalia) {
    QString testo;
    for (qsizetype i = 0; i < didascalia.size(); ++i) {
        if (didascalia[i] == QLatin1Char('&') && i + 1 < didascalia.size()) ++i;
        testo += didascalia[i];
    }
    return testo;
}

QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& didascalia,
                      const QString& suggerimento, bool interruttore) {
    auto* b = new QPushButton(didascalia, padre);
    b->setObjectName(QLatin1String(nome));
    b->setToolTip(suggerimento);
    b->setAccessibleName(Testo_mostrato(didascalia));
    b->setCheckable(interruttore);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

// Caption above, state below, for the buttons with three texts.
QString Due_righe(const QString& didascalia, const QString& stato) {
    return didascalia + QLatin1Char('\n') + stato;
}

} // namespace

Frm_cmd::Frm_cmd(Sessione& sessione, Protocollo& protocollo, Motore_misura& motore,
                 Frm_grafici& grafici, Salvataggi& salvataggi, Avvisi& avvisi, QWidget* parent)
    : QWidget(parent), s_(sessione), protocollo_(protocollo), motore_(motore), grafici_(grafici),
      salvataggi_(salvataggi), avvisi_(avvisi), lampeggio_(new QTimer(this)),
      ascolto_(std::make_unique<Ascolto_serie_auto>(*this)),
      sorveglianza_silenzio_(new QTimer(this)), recupero_(new QTimer(this)) {
    setObjectName(QStringLiteral("Frm_cmd"));
    setAccessibleName(tr("Comandi"));
    Button_start = Pulsante(
        this, "Button_start", QString(),
        tr("Start/Stop Acquisizione (%1)").arg(Tasto_avvio.toString(QKeySequence::NativeText)),
        true);
    Button_start->setAccessibleName(tr("ACQUISIZIONE"));
    Button_Memo = Pulsante(this, "Button_Memo", QString(),
                           tr("Memorizzazione/Semplice visualizzazione dei dati (%1)")
                               .arg(Tasto_memo.toString(QKeySequence::NativeText)),
                           true);
    Button_Memo->setAccessibleName(tr("MEMO DATI"));
    Button_Segnale = Pulsante(this, "Button_Segnale", tr("Reset Pos"),
                              tr("Impone valore 0 allo spostamento"), false);
    Button_Reset = Pulsante(this, "Button_Reset", Due_righe(tr("RESET DATI"), tr("RESET")),
                            tr("Reset dei dati acquisiti"), false);
    Button_Reset->setAccessibleName(tr("RESET DATI"));
    Button_Ripetizioni =
        Pulsante(this, "Button_Ripetizioni", tr("RIPETIZIONI"),
                 tr("Visualizza esclusivamente  il grafico delle variabili acquisite in "
                    "funzione delle ripetizioni"),
                 false);
    Button_Tempo = Pulsante(this, "Button_Tempo", tr("TEMPO"),
                            tr("Visualizza esclusivamente  il grafico delle variabili "
                               "acquisite in funzione del tempo"),
                            true);
    Button_Grafici =
        Pulsante(this, "Button_Grafici", tr("GRAFICI T&&R"), // "&" shown, not an access key
                 tr("Visualizza le variabili acquisite sia in funzione delle ripetizioni che "
                    "del tempo"),
                 false);
    Button_Crono = Pulsante(this, "Button_Crono", tr("CRONO"), tr("Mostra il cronometro"), false);
    Button_Calcolatrice = Pulsante(this, "Button_Calcolatrice", tr("CALCOLATRICE"),
                                   tr("Mostra la colcolatrice"), false);
    Button_Serie_auto = Pulsante(this, "Button_Serie_auto", tr("SERIE AUTO"),
                                 tr("Le serie iniziano e finiscono da sole: un avvio arma la "
                                    "postazione, ogni serie è salvata alla sua fine"),
                                 true);
    Button_Serie_auto->setChecked(
        Leggi_impostazione(QStringLiteral("funz"), QStringLiteral("serie_auto")) ==
        QLatin1String("1"));
    connect(Button_Serie_auto, &QPushButton::toggled, this, [](bool acceso) {
        Salva_impostazione(QStringLiteral("funz"), QStringLiteral("serie_auto"),
                           acceso ? QStringLiteral("1") : QStringLiteral("0"));
    });

    {
        const QSignalBlocker blocco(Button_Tempo);
        Button_Tempo->setChecked(grafici_.Tempo_acceso());
    }
    connect(Button_start, &QPushButton::toggled, this, &Frm_cmd::Button_start_ValueChanged);
    connect(Button_Memo, &QPushButton::toggled, this, &Frm_cmd::Button_Memo_ValueChanged);
    connect(Button_Segnale, &QPushButton::clicked, this, [this] { protocollo_.Invia_segnale(); });
    connect(Button_Reset, &QPushButton::clicked, this, &Frm_cmd::Azzera);
    connect(Button_Ripetizioni, &QPushButton::clicked, this, &Frm_cmd::Button_Ripetizioni_Click);
    connect(Button_Grafici, &QPushButton::clicked, this, &Frm_cmd::Button_Grafici_Click);
    connect(Button_Tempo, &QPushButton::clicked, this, &Frm_cmd::Button_Tempo_Click);
    connect(Button_Tempo, &QPushButton::toggled, this,
            [this](bool acceso) { grafici_.Imposta_tempo_acceso(acceso); });
    // The right button, or the menu key, shows the time view.
    Button_Tempo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Button_Tempo, &QWidget::customContextMenuRequested, this, &Frm_cmd::Vista_tempo);
    connect(Button_Crono, &QPushButton::clicked, this, &Frm_cmd::Cronometro_richiesto);
    connect(Button_Calcolatrice, &QPushButton::clicked, this,
            [this] { Avvia_calcolatrice(avvisi_); });
    // Anywhere in the main window, the start button as a click on it.
    connect(new QShortcut(Tasto_avvio, this), &QShortcut::activated, Button_start,
            &QPushButton::click);
    connect(new QShortcut(Tasto_memo, this), &QShortcut::activated, Button_Memo,
            &QPushButton::click);
    connect(&protocollo_, &Protocollo::Avvio_spento, this, &Frm_cmd::Avvio_spento);
    connect(lampeggio_, &QTimer::timeout, this, &Frm_cmd::Lampeggia);
    lampeggio_->setInterval(500);

    motore_.Aggiungi_vista(*ascolto_);
    sorveglianza_silenzio_->setInterval(50);
    connect(sorveglianza_silenzio_, &QTimer::timeout, this, &Frm_cmd::Sorveglia_silenzio);
    recupero_->setInterval(1000);
    connect(recupero_, &QTimer::timeout, this, &Frm_cmd::Mostra_recupero);
    connect(&salvataggi_, &Salvataggi::Salvato, this,
            [this](const QString& nome) { ultimo_salvato_ = nome; });

    Azione_apri = new QAction(tr("Apri..."), this);
    Azione_apri->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Azione_salva_dati = new QAction(tr("Salva dati con nome..."), this);
    Azione_salva_dati->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    Azione_salva_file_intero = new QAction(tr("Salva file intero con nome..."), this);
    Azione_salva_file_intero->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    for (QAction* a : {Azione_apri, Azione_salva_dati, Azione_salva_file_intero}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
    connect(Azione_apri, &QAction::triggered, this, [this] {
        const auto dialogo = Dialogo_apri(window(), s_.Dati_esercizio.Cartella_dati);
        if (dialogo->exec() == QDialog::Accepted && !dialogo->selectedFiles().isEmpty())
            Apri(dialogo->selectedFiles().constFirst());
    });
    connect(Azione_salva_dati, &QAction::triggered, this,
            [this] { salvataggi_.Salva_dati_con_nome(window()); });
    connect(Azione_salva_file_intero, &QAction::triggered, this,
            [this] { salvataggi_.Salva_file_intero_con_nome(window()); });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    Aggiorna_testi();
    riposiziona();
}

Frm_cmd::~Frm_cmd() {
    motore_.Togli_vista(*ascolto_);
}

void Frm_cmd::Apri(const QString& nome) {
    Q_EMIT Serie_in_uscita();
    salvataggi_.Segnala_serie_non_salvata();
    Apri_misura(window(), nome, s_, motore_, avvisi_);
    Q_EMIT Misura_cambiata();
}

void Frm_cmd::riposiziona() {
    const double w = width();
    const int h = height();
    // 200 twips at 96 dots per inch.
    const double spazio = 200.0 / 15.0;
    double sinistra = 0;
    const std::array<QPushButton*, 9> fila{Button_start,   Button_Memo,        Button_Segnale,
                                           Button_Reset,   Button_Ripetizioni, Button_Tempo,
                                           Button_Grafici, Button_Crono,       Button_Calcolatrice};
    for (std::size_t i = 0; i < fila.size(); ++i) {
        const double largo = i == 0 ? w / 9 : i == 8 ? w / 8.7 : w / 10;
        if (fila[i] == Button_Reset) sinistra += spazio;
        const int x = static_cast<int>(sinistra + 0.5);
        fila[i]->setGeometry(x, 0, static_cast<int>(sinistra + largo + 0.5) - x, h);
        sinistra += largo;
    }
    // SERIE AUTO takes what the row leaves at the right.
    const int x = static_cast<int>(sinistra + spazio + 0.5);
    Button_Serie_auto->setGeometry(x, 0, std::max(0, static_cast<int>(w) - x), h);
}

void Frm_cmd::Button_Ripetizioni_Click() {
    grafici_.Mostra_vista(Frm_grafici::Vista::Ripetizioni);
    Q_EMIT Vista_cambiata();
}

void Frm_cmd::Button_Grafici_Click() {
    grafici_.Mostra_vista(Frm_grafici::Vista::Combinata);
    Q_EMIT Vista_cambiata();
}

void Frm_cmd::Vista_tempo() {
    grafici_.Mostra_vista(Frm_grafici::Vista::Tempo);
    Q_EMIT Vista_cambiata();
}

void Frm_cmd::Button_start_ValueChanged(bool acceso) {
    if (acceso) {
        Q_EMIT Serie_in_uscita();
        salvataggi_.Segnala_serie_non_salvata();
        armata_ = Button_Serie_auto->isChecked();
        motore_.Imposta_serie_automatiche(armata_);
        protocollo_.Avvia_acquisizione(); // a failure turns the button off again
        in_corso_ = s_.Acquisizione_in_corso;
        if (!in_corso_) {
            armata_ = false;
            Imposta_start(false);
        }
        if (in_corso_ && !armata_) Q_EMIT Misura_cambiata();
        if (in_corso_) {
            letture_viste_ = motore_.Letture();
            silenzio_.start();
            sorveglianza_silenzio_->start();
        }
        if (armata_) {
            serie_armata_ = 0;
            Q_EMIT Messaggio_serie(
                s_.Memo_attivo
                    ? tr("SERIE AUTO: ogni serie inizia al primo movimento ed è salvata alla "
                         "sua fine")
                    : tr("SERIE AUTO con MEMO DATI spento: le serie sono mostrate, non "
                         "salvate"));
        }
    } else {
        protocollo_.Ferma_acquisizione();
        Fine_acquisizione();
    }
    Aggiorna_testi();
}

void Frm_cmd::Avvio_spento() {
    Imposta_start(false);
    Fine_acquisizione();
    Aggiorna_testi();
}

void Frm_cmd::Fine_acquisizione() {
    if (!in_corso_) return;
    in_corso_ = false;
    sorveglianza_silenzio_->stop();
    if (armata_) {
        // The engine ended the set in progress as one that ended by itself: it is saved.
        armata_ = false;
        recupero_->stop();
        Q_EMIT Recupero_cambiato(-1);
        return;
    }
    if (s_.Memo_attivo) salvataggi_.Salva_automatico();
}

bool Frm_cmd::Serie_registrata_in_corso() const {
    return in_corso_ && s_.Memo_attivo && s_.Serie_in_corso;
}

void Frm_cmd::Serie_in_arrivo() {
    // As at a start: the coach's word on the set before is written, and a set whose save
    // failed is told of before it leaves memory.
    Q_EMIT Serie_in_uscita();
    salvataggi_.Segnala_serie_non_salvata();
}

void Frm_cmd::Serie_iniziata() {
    recupero_->stop();
    Q_EMIT Recupero_cambiato(-1);
    Q_EMIT Misura_cambiata();
}

void Frm_cmd::Serie_conclusa(int ripetizioni) {
    inizio_recupero_.start();
    recupero_segnalato_ = false;
    recupero_->start();
    Mostra_recupero();
    if (ripetizioni <= 0) {
        salvataggi_.Scarta_serie();
        Q_EMIT Messaggio_serie(tr("Serie senza ripetizioni: nessun test salvato"));
        return;
    }
    const int numero = ++serie_armata_;
    if (!s_.Memo_attivo) {
        Q_EMIT Messaggio_serie(tr("Serie %1 (%2 ripetizioni) non salvata: MEMO DATI spento")
                                   .arg(numero)
                                   .arg(ripetizioni));
        return;
    }
    ultimo_salvato_.clear();
    if (salvataggi_.Salva_automatico())
        Q_EMIT Messaggio_serie(
            tr("Serie %1 salvata: %2").arg(numero).arg(QFileInfo(ultimo_salvato_).fileName()));
    else
        Q_EMIT Messaggio_serie(tr("Serie %1 non salvata").arg(numero));
}

void Frm_cmd::Mostra_recupero() {
    const auto secondi = static_cast<int>(inizio_recupero_.elapsed() / 1000);
    Q_EMIT Recupero_cambiato(secondi);
    if (!recupero_segnalato_ && s_.Recupero_s > 0 && secondi >= static_cast<int>(s_.Recupero_s)) {
        recupero_segnalato_ = true;
        Q_EMIT Recupero_concluso();
    }
}

void Frm_cmd::Sorveglia_silenzio() {
    if (motore_.Letture() != letture_viste_) {
        letture_viste_ = motore_.Letture();
        silenzio_.restart();
    }
    const double senza = static_cast<double>(silenzio_.elapsed()) / 1000.0;
    const int limite = s_.Scheda.Collegamento == Collegamento::Hid
                           ? Silenzio_hid_ms
                           : Sorveglianza_flusso::Silenzio_ms;
    if (!armata_ || senza * 1000.0 <= limite) {
        motore_.Silenzio(senza);
        return;
    }
    // The board went silent: the set in progress is saved and the station stops.
    Imposta_start(false);
    Button_start_ValueChanged(false);
    avvisi_.Mostra_senza_attesa(Sorveglianza_flusso::Testo_muta(limite), Avvisi::Icona::Avviso);
}

void Frm_cmd::Azzera() {
    Q_EMIT Serie_in_uscita();
    // What was recorded is kept: during a recorded set the part so far is saved as a set
    // of its own before it is cleared; a set whose save failed stays in its journal.
    if (Serie_registrata_in_corso())
        salvataggi_.Salva_automatico();
    else
        salvataggi_.Segnala_serie_non_salvata();
    motore_.Azzera_misura();
}

void Frm_cmd::Termina() {
    if (Button_start->isChecked()) {
        Imposta_start(false);
        Button_start_ValueChanged(false);
    }
    if (s_.Memo_attivo) Button_Memo_ValueChanged(false);
    salvataggi_.Segnala_serie_non_salvata();
}

void Frm_cmd::Imposta_start(bool acceso) {
    const QSignalBlocker blocco(Button_start);
    Button_start->setChecked(acceso);
}

void Frm_cmd::Button_Memo_ValueChanged(bool acceso) {
    {
        const QSignalBlocker blocco(Button_Memo);
        Button_Memo->setChecked(acceso);
    }
    // Switched off during a recorded set: the part recorded so far is a set of its own,
    // saved now (switched on again, the recording starts afresh).
    if (!acceso && Serie_registrata_in_corso()) salvataggi_.Salva_automatico();
    motore_.Imposta_registrazione(acceso);
    if (acceso) {
        lampeggio_->start();
    } else {
        lampeggio_->stop();
        Cartella_salvataggio(QString(), s_.Cartella_applicazione); // creates "misure_auto"
    }
    acceso_lampeggio_ = acceso;
    Aggiorna_testi();
}

void Frm_cmd::Lampeggia() {
    acceso_lampeggio_ = !acceso_lampeggio_;
    Aggiorna_testi();
}

void Frm_cmd::Aggiorna_testi() {
    Button_start->setText(
        Due_righe(tr("ACQUISIZIONE"), Button_start->isChecked() ? tr("LAVORO") : tr("AVVIA")));
    Button_Memo->setText(
        Due_righe(tr("MEMO DATI"), Button_Memo->isChecked() ? tr("REGISTRA") : tr("OFF")));
    // Recording: the button blinks red, so nobody mistakes a recorded set for a shown one.
    Button_Memo->setStyleSheet(
        !Button_Memo->isChecked() ? QString()
        : acceso_lampeggio_
            ? QStringLiteral(
                  "QPushButton { background: #d01010; color: white; font-weight: bold; }")
            : QStringLiteral(
                  "QPushButton { background: #601010; color: #ffd0d0; font-weight: bold; }"));
}

void Avvia_calcolatrice(Avvisi& avvisi) {
    const QStringList cercate{"gnome-calculator", "kcalc",         "mate-calc",
                              "galculator",       "qalculate-gtk", "xcalc"};
    for (const QString& nome : cercate) {
        const QString programma = QStandardPaths::findExecutable(nome);
        if (!programma.isEmpty() && QProcess::startDetached(programma, {})) return;
    }
    avvisi.Mostra(Frm_cmd::tr("Nessuna calcolatrice trovata: "
                              "installarne una fra %1.")
                      .arg(cercate.join(QStringLiteral(", "))),
                  Avvisi::Icona::Avviso);
}
