// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/frm_utente.h"

#include "platform/moduli.h"

#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "analysis/progetti_grafici.h"
#include "datafiles/cartelle_programma.h"
#include "datafiles/scelte_analisi.h"
#include "platform/casella_decimale.h"
#include "session/avvisi.h"
#include "session/nomi_velocita.h"
#include "setup/controllo_voci.h"
#include "setup/frm_intestazione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A row of the dialog's grid: its caption (with its access key, for `campo`) and its box.
QLabel* Riga_griglia(QWidget* padre, QGridLayout* righe, int riga, const QString& didascalia,
                     QWidget* campo) {
    auto* etichetta = new QLabel(didascalia, padre);
    etichetta->setBuddy(campo);
    righe->addWidget(etichetta, riga, 0);
    righe->addWidget(campo, riga, 1);
    return etichetta;
}

struct Didascalia {
    const char* testo;
    const char* suggerimento; // the list's tooltip; row 8's is the note's
};
// Captions and tooltips of the rows, spaces included; shown translated.
constexpr std::array<Didascalia, Riga_utente::Numero> Didascalie{{
    {QT_TRANSLATE_NOOP("Frm_utente", "Squadra"), ""},
    {QT_TRANSLATE_NOOP("Frm_utente", "Identificativo Atleta"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire nome e cognome")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Carico             (Kg)"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire carico sollevato dall'atleta")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Identificativo Esercizio"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire identificativo del tipo di esercizio")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Velocità Massima (mm/s)"),
     QT_TRANSLATE_NOOP("Frm_utente",
                       "Inserire valore della massima velocità, rispetto al carico di cui sapra, "
                       "con cui potrà essere svolto l'esercizio ")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Limite Superiore   (%)"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire valore percentuale della Vmax al di sopra del "
                                     "quale si attiverà un allarme")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Limite Inferiore   (%)"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire valore percentuale della Vmax al di sotto del "
                                     "quale si attiverà un allarme")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Ampiezza minima    (mm)"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire valore di spostamento ammissibile per "
                                     "considerare valido l'esercizio")},
    {QT_TRANSLATE_NOOP("Frm_utente", "Nota"),
     QT_TRANSLATE_NOOP("Frm_utente", "Inserire eventuale nota generale")},
}};

QString Testo_riga(std::size_t riga) {
    return Frm_utente::tr(Didascalie[riga].testo);
}

QString Suggerimento_riga(std::size_t riga) {
    const char* testo = Didascalie[riga].suggerimento;
    return *testo == '\0' ? QString() : Frm_utente::tr(testo);
}

// A row's caption without its padding, as messages name the row.
QString Nome_riga(std::size_t riga) {
    return Testo_riga(riga).simplified();
}

// The loss threshold's row, after the others.
constexpr int Riga_perdita_max = Riga_utente::Numero;
QString Nome_perdita_max() {
    return Frm_utente::tr("Perdita max (%)");
}
QString Perdita_max_rifiutata() {
    return Frm_utente::tr("Perdita max (%): inserire un numero da 0 a 100");
}
// How a hands-free set ends and the rest after it, beside the threshold.
constexpr int Riga_fine_serie = Riga_perdita_max + 1;
constexpr double Fine_serie_min = 2;
constexpr double Fine_serie_max = 30;
QString Fine_serie_rifiutata() {
    return Frm_utente::tr("Fine serie dopo (s): inserire un numero da %1 a %2")
        .arg(Fine_serie_min)
        .arg(Fine_serie_max);
}
constexpr int Riga_recupero = Riga_fine_serie + 1;
constexpr double Recupero_max = 3600;
QString Recupero_rifiutato() {
    return Frm_utente::tr("Recupero (s): lasciare vuoto o inserire un numero intero da 1 a %1")
        .arg(Recupero_max);
}
constexpr int Riga_fine_alla_perdita = Riga_recupero + 1;
constexpr int Riga_riferimento = Riga_fine_alla_perdita + 1;
// The load readiness is judged at; none typed: the one the log finds.
constexpr int Riga_carico_riferimento = Riga_riferimento + 1;
constexpr double Carico_riferimento_max = 1000;
QString Carico_riferimento_rifiutato() {
    return Frm_utente::tr("Carico di riferimento (kg): lasciare vuoto o inserire un numero "
                          "da 0 a %1")
        .arg(Carico_riferimento_max);
}
// The mean propulsive velocity at 1RM; none typed: the athlete's own threshold from the
// tests, or the exercise's default.
constexpr int Riga_v1rm = Riga_carico_riferimento + 1;
constexpr double V1rm_min = 0.01;
constexpr double V1rm_max = 5;
QString V1rm_rifiutata() {
    return Frm_utente::tr("V1rm (m/s): lasciare vuoto o inserire un numero da %1 a %2")
        .arg(V1rm_min)
        .arg(V1rm_max);
}

constexpr int Spazio_righe = 10; // 150 twips between the lists
constexpr int Larghezza_liste = 260;

QString Input_box_predefinito(QWidget* padre, const QString& titolo, const QString& domanda) {
    return QInputDialog::getText(padre, titolo, domanda);
}

// Appends entries without changing which one is chosen (none stays none).
void Aggiungi_voci(QComboBox* lista, const QStringList& voci) {
    const QSignalBlocker blocco(lista);
    const int scelta = lista->currentIndex();
    lista->addItems(voci);
    lista->setCurrentIndex(scelta);
}

} // namespace

Frm_utente::Frm_utente(Sessione& sessione, Frm_grafici* grafici, Frm_intestazione* intestazione,
                       Avvisi& avvisi, const QLocale& locale, QWidget* parent)
    : QDialog(parent), s_(sessione), grafici_(grafici), intestazione_(intestazione),
      avvisi_(avvisi), locale_(locale), input_box_(Input_box_predefinito),
      d_(sessione.Dati_esercizio) {
    setObjectName(QStringLiteral("Frm_utente"));
    setWindowTitle(tr("Impostazione dati esercizio"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* colonna = new QVBoxLayout(this);
    auto* righe = new QGridLayout;
    righe->setVerticalSpacing(Spazio_righe);
    // Created row by row, so that Tab follows the rows.
    for (int i = 0; i < Riga_utente::Numero; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const QString testo = Testo_riga(u);
        const QString nome = testo.simplified();
        Lbl_utente[u] = new QLabel(testo, this);
        txt_utente[u] = new QComboBox(this);
        txt_utente[u]->setMinimumWidth(Larghezza_liste);
        txt_utente[u]->setAccessibleName(nome);
        txt_utente[u]->setToolTip(Suggerimento_riga(u));
        Lbl_utente[u]->setBuddy(txt_utente[u]);
        Cmd_add[u] = new QPushButton(tr("Nuovo"), this);
        Cmd_add[u]->setAccessibleName(tr("Nuovo: %1").arg(nome));
        Cmd_elimina[u] = new QPushButton(tr("Elimina"), this);
        Cmd_elimina[u]->setAccessibleName(tr("Elimina: %1").arg(nome));
        righe->addWidget(Lbl_utente[u], i, 0);
        righe->addWidget(txt_utente[u], i, 1);
        righe->addWidget(Cmd_add[u], i, 2);
        righe->addWidget(Cmd_elimina[u], i, 3);
        connect(txt_utente[u], &QComboBox::currentIndexChanged, this,
                [this, i] { Selezione_cambiata(i); });
        connect(Cmd_add[u], &QPushButton::clicked, this, [this, i] { Nuovo(i); });
        connect(Cmd_elimina[u], &QPushButton::clicked, this, [this, i] { Elimina(i); });
    }
    // The note takes the place of row 8's list and buttons.
    constexpr auto nota = static_cast<std::size_t>(Riga_utente::Nota);
    txt_utente[nota]->hide();
    Cmd_add[nota]->hide();
    Cmd_elimina[nota]->hide();
    txt_utente[nota]->setToolTip(QString());
    // The note of the sets to come, if one was given.
    Txt_nota = new QLineEdit(s_.Nota, this);
    Txt_nota->setToolTip(Suggerimento_riga(nota));
    Txt_nota->setAccessibleName(Nome_riga(nota));
    Lbl_utente[nota]->setBuddy(Txt_nota);
    righe->addWidget(Txt_nota, Riga_utente::Nota, 1);

    Txt_perdita_max = new Casella_decimale(this);
    Txt_perdita_max->setLocale(locale_);
    Txt_perdita_max->setDecimals(1);
    // Wider than the threshold may be: a number out of range stays as typed and "&Ok"
    // refuses it, instead of the box putting back the last value unseen.
    Txt_perdita_max->setRange(-1000, 1000);
    Txt_perdita_max->setAccessibleName(Nome_perdita_max());
    Txt_perdita_max->setToolTip(tr("Inserire la perdita percentuale di velocità "
                                   "nella serie oltre la quale si attiverà un allarme"));
    Lbl_perdita_max =
        Riga_griglia(this, righe, Riga_perdita_max, tr("&Perdita max (%)"), Txt_perdita_max);

    Txt_fine_serie = new Casella_decimale(this);
    Txt_fine_serie->setLocale(locale_);
    Txt_fine_serie->setDecimals(1);
    Txt_fine_serie->setRange(-1000, 1000); // as the threshold's: "&Ok" refuses
    Txt_fine_serie->setAccessibleName(tr("Fine serie dopo (s)"));
    Txt_fine_serie->setToolTip(tr("Con SERIE AUTO, secondi di bilanciere fermo dopo l'ultima "
                                  "ripetizione che concludono la serie"));
    Lbl_fine_serie =
        Riga_griglia(this, righe, Riga_fine_serie, tr("&Fine serie dopo (s)"), Txt_fine_serie);

    Txt_recupero = new QLineEdit(this);
    Txt_recupero->setPlaceholderText(tr("nessuno"));
    Txt_recupero->setAccessibleName(tr("Recupero (s)"));
    Txt_recupero->setToolTip(tr("Secondi di recupero tra le serie, alla fine dei quali si "
                                "sente un segnale; vuoto: nessun recupero prefissato"));
    Lbl_recupero = Riga_griglia(this, righe, Riga_recupero, tr("Re&cupero (s)"), Txt_recupero);

    Chk_fine_alla_perdita = new QCheckBox(tr("Fine &serie alla perdita"), this);
    Chk_fine_alla_perdita->setAccessibleName(tr("Fine serie alla perdita"));
    Chk_fine_alla_perdita->setToolTip(tr("Con SERIE AUTO, la prima ripetizione alla perdita "
                                         "max o oltre conclude anche la serie"));
    righe->addWidget(Chk_fine_alla_perdita, Riga_fine_alla_perdita, 1);

    cbo_riferimento = new QComboBox(this);
    // By index: the choice is stored as its position, never as its text.
    for (const Velocita_riferimento r :
         {Velocita_riferimento::Vmedia_tabella, Velocita_riferimento::Vmedia_alzata,
          Velocita_riferimento::Vpropulsiva})
        cbo_riferimento->addItem(Nome_grandezza_velocita(Grandezza_di(r)));
    cbo_riferimento->setAccessibleName(tr("Velocità di riferimento"));
    cbo_riferimento->setToolTip(
        tr("Velocità con cui si giudica la serie: numero grande, colore della "
           "fascia e perdita di velocità"));
    Lbl_riferimento = Riga_griglia(this, righe, Riga_riferimento, tr("&Velocità di riferimento"),
                                   cbo_riferimento);

    Txt_carico_riferimento = new QLineEdit(this);
    Txt_carico_riferimento->setPlaceholderText(tr("automatico"));
    Txt_carico_riferimento->setAccessibleName(tr("Carico di riferimento (kg)"));
    Txt_carico_riferimento->setToolTip(
        tr("Carico a cui si confronta la prima serie del giorno per la prontezza; vuoto: "
           "quello usato più spesso all'inizio delle sedute"));
    Lbl_carico_riferimento =
        Riga_griglia(this, righe, Riga_carico_riferimento, tr("Carico di &riferimento (kg)"),
                     Txt_carico_riferimento);

    Txt_v1rm = new QLineEdit(this);
    Txt_v1rm->setAccessibleName(tr("V1rm (m/s)"));
    Txt_v1rm->setToolTip(
        tr("Velocità media propulsiva al massimale, da cui si stima l'e1RM; vuoto: la MVT "
           "dell'atleta (la ripetizione più lenta dei test ad almeno il 90 % dell'e1RM) "
           "quando c'è, altrimenti il valore tipico dell'esercizio"));
    Lbl_v1rm = Riga_griglia(this, righe, Riga_v1rm, tr("V&1rm (m/s)"), Txt_v1rm);
    // After the rows' own handlers, so that it sees the athletes of a new team.
    for (const int riga : {Riga_utente::Squadra, Riga_utente::Atleta, Riga_utente::Esercizio})
        connect(txt_utente[static_cast<std::size_t>(riga)], &QComboBox::currentIndexChanged, this,
                &Frm_utente::Mostra_scelte_analisi);
    colonna->addLayout(righe);

    auto* pulsanti = new QHBoxLayout;
    Cmd_ok = new QPushButton(tr("&Ok"), this);
    Cmd_annulla = new QPushButton(tr("&Annulla"), this);
    // Enter confirms (keyPressEvent), unless a button has the focus: that one is pressed.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(true);
    Cmd_ok->setDefault(true);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_ok);
    pulsanti->addWidget(Cmd_annulla);
    colonna->addLayout(pulsanti);
    connect(Cmd_ok, &QPushButton::clicked, this, &Frm_utente::Conferma);
    connect(Cmd_annulla, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    Prepara_campi();
    Aggiorna_campi(true);
    Mostra_scelte_analisi();
}

void Frm_utente::keyPressEvent(QKeyEvent* evento) {
    // Lists, the note and the number box leave Enter to the window.
    const bool solo = (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (solo && (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)) {
        if (qobject_cast<QComboBox*>(focusWidget()) == nullptr) {
            Cmd_ok->click();
            return;
        }
        // On to the next box, past the row's buttons.
        for (int i = 0; i < 4; ++i) {
            focusNextChild();
            if (qobject_cast<QPushButton*>(focusWidget()) == nullptr) break;
        }
        return;
    }
    QDialog::keyPressEvent(evento);
}

void Frm_utente::Prepara_campi() {
    Dati_esercizio_t& d = d_;
    if (const std::optional<QString> rifiuto = Leggi_ultimo_atleta(d))
        avvisi_.Mostra(*rifiuto, Avvisi::Icona::Avviso);

    {
        const QSignalBlocker blocco(txt_utente[Riga_utente::Atleta]);
        txt_utente[Riga_utente::Atleta]->clear();
    }
    if (QFileInfo::exists(s_.File_ini)) {
        Liste_utente liste;
        const std::optional<QString> errore = Leggi_liste(s_.File_ini, liste);
        // The entries read before a damage are kept.
        for (std::size_t r = 0; r < liste.size(); ++r)
            if (r != Riga_utente::Atleta) Aggiungi_voci(txt_utente[r], liste[r]);
        if (errore) avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
    }
    Elenca_atleti();

    const QString file = File_atleta(s_.Cartella_applicazione, d.Squadra, d.Atleta);
    if (!d.Atleta.isEmpty() && QFileInfo::exists(file))
        if (const std::optional<QString> errore = Leggi_File_Config(file, d))
            avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
}

void Frm_utente::Aggiorna_campi(bool completa) {
    Aggiornamento_in_corso = true;
    for (std::size_t i = 0; i < txt_utente.size(); ++i) {
        if (i == Riga_utente::Atleta && !completa) continue;
        if (i == Riga_utente::Atleta) {
            // The athletes are listed from the folders, alphabetically: a new athlete's
            // stored index can point at another one by the next opening, his name cannot.
            const int per_nome =
                txt_utente[i]->findText(d_.Atleta, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (!d_.Atleta.isEmpty() && per_nome >= 0) {
                txt_utente[i]->setCurrentIndex(per_nome);
                continue;
            }
        }
        const std::int32_t posizione = d_.Posizioni[i];
        if (posizione < txt_utente[i]->count())
            txt_utente[i]->setCurrentIndex(std::max(-1, posizione));
    }
    Aggiornamento_in_corso = false;
}

void Frm_utente::Elenca_atleti() {
    QComboBox* atleti = txt_utente[Riga_utente::Atleta];
    {
        const QSignalBlocker blocco(atleti);
        atleti->clear();
    }
    const QDir squadra(Cartella_squadra(s_.Cartella_applicazione, d_.Squadra));
    if (!squadra.exists()) return;
    QStringList cartelle =
        squadra.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    cartelle.removeIf(Cartella_programma); // "ini", "misure_auto": the program's, no athlete
    // With no team the application folder itself is listed: its teams are no athletes.
    if (d_.Squadra.isEmpty()) {
        const QComboBox* squadre = txt_utente[Riga_utente::Squadra];
        cartelle.removeIf([squadre](const QString& nome) {
            return squadre->findText(nome, Qt::MatchFixedString) >= 0;
        });
    }
    Aggiungi_voci(atleti, cartelle);
    if (atleti->count() > 0) atleti->setCurrentIndex(0);
}

void Frm_utente::Selezione_cambiata(int riga) {
    if (Aggiornamento_in_corso) return;
    if (riga == Riga_utente::Squadra) {
        d_.Squadra = txt_utente[Riga_utente::Squadra]->currentText();
        Elenca_atleti();
    } else if (riga == Riga_utente::Atleta) {
        const QComboBox* atleti = txt_utente[Riga_utente::Atleta];
        if (atleti->currentIndex() < 0) return;
        const QString file =
            File_atleta(s_.Cartella_applicazione, txt_utente[Riga_utente::Squadra]->currentText(),
                        atleti->currentText());
        if (!QFileInfo::exists(file)) return; // a new athlete keeps the other rows' choices
        if (const std::optional<QString> errore = Leggi_File_Config(file, d_))
            avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
        Aggiorna_campi(false);
    }
}

void Frm_utente::Nuovo(int riga) {
    if (riga < 0 || riga >= Riga_utente::Numero) return;
    QComboBox* lista = txt_utente[static_cast<std::size_t>(riga)];
    QString valore =
        input_box_(this, QStringLiteral("kinetrack"),
                   tr("Nuovo valore - %1:").arg(Nome_riga(static_cast<std::size_t>(riga))));
    if (valore.isEmpty()) return;
    lista->setFocus(); // back on the row's list, whatever becomes of the entry
    if (const std::optional<QString> rifiuto = Voce_rifiutata(valore, riga)) {
        avvisi_.Mostra(*rifiuto, Avvisi::Icona::Avviso);
        return;
    }
    if (Riga_numerica(riga)) {
        valore = Voce_con_punto(valore);
        if (const std::optional<QString> rifiuto = Numero_rifiutato(valore)) {
            avvisi_.Mostra(Nome_riga(static_cast<std::size_t>(riga)) + QStringLiteral(": ") +
                               *rifiuto,
                           Avvisi::Icona::Avviso);
            return;
        }
    }
    if (lista->findText(valore, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return;
    Aggiungi_voci(lista, {valore});
    lista->setCurrentIndex(lista->count() - 1);
}

void Frm_utente::Elimina(int riga) {
    if (riga < 0 || riga >= Riga_utente::Numero) return;
    QComboBox* lista = txt_utente[static_cast<std::size_t>(riga)];
    const int scelta = lista->currentIndex();
    if (scelta >= 0) {
        {
            const QSignalBlocker blocco(lista);
            lista->removeItem(scelta);
            lista->setCurrentIndex(-1);
        }
        if (scelta < lista->count()) lista->setCurrentIndex(scelta); // the one that followed
        // With none chosen afterwards no change was told.
        else if (riga == Riga_utente::Atleta || riga == Riga_utente::Esercizio)
            Mostra_scelte_analisi();
    } else if (lista->count() > 0) {
        lista->setCurrentIndex(0);
    }
}

void Frm_utente::Mostra_scelte_analisi() {
    const QString atleta = txt_utente[Riga_utente::Atleta]->currentText();
    const QString cartella =
        atleta.isEmpty() ? QString()
                         : Cartella_squadra(s_.Cartella_applicazione,
                                            txt_utente[Riga_utente::Squadra]->currentText()) +
                               QLatin1Char('/') + atleta;
    const QString esercizio = txt_utente[Riga_utente::Esercizio]->currentText();
    // A file refused or damaged is named once; "&Ok" keeps it as a copy before it rewrites it.
    if (!difetti_mostrati_.contains(cartella))
        if (const std::optional<QString> difetto = Difetto_scelte_analisi(cartella)) {
            difetti_mostrati_.insert(cartella);
            avvisi_.Mostra(*difetto, Avvisi::Icona::Avviso);
        }
    const Scelte_esercizio scelte = Leggi_scelte_analisi(cartella, esercizio);
    Txt_perdita_max->setValue(static_cast<double>(scelte.Perdita_max));
    cbo_riferimento->setCurrentIndex(static_cast<int>(scelte.Riferimento));
    Txt_carico_riferimento->setText(
        scelte.Carico_riferimento > 0
            ? locale_.toString(static_cast<double>(scelte.Carico_riferimento), 'g', 6)
            : QString());
    Txt_fine_serie->setValue(static_cast<double>(scelte.Fine_serie_s));
    Txt_recupero->setText(scelte.Recupero_s > 0
                              ? locale_.toString(static_cast<double>(scelte.Recupero_s), 'f', 0)
                              : QString());
    Chk_fine_alla_perdita->setChecked(scelte.Fine_alla_perdita);
    Txt_v1rm->setText(scelte.V1rm_propria
                          ? locale_.toString(static_cast<double>(scelte.V1rm), 'g', 6)
                          : QString());
    Txt_v1rm->setPlaceholderText(
        tr("MVT dell'atleta o %1")
            .arg(locale_.toString(static_cast<double>(V1rm_predefinita(esercizio)), 'f', 2)));
}

std::optional<float> Frm_utente::V1rm_digitata() const {
    const QString testo = Txt_v1rm->text().trimmed();
    if (testo.isEmpty()) return 0.0f;
    const std::optional<double> valore = Numero_digitato(testo);
    if (!valore || *valore < V1rm_min || *valore > V1rm_max) return std::nullopt;
    return static_cast<float>(*valore);
}

std::optional<float> Frm_utente::Carico_riferimento_digitato() const {
    const QString testo = Txt_carico_riferimento->text().trimmed();
    if (testo.isEmpty()) return 0.0f;
    const std::optional<double> valore = Numero_digitato(testo);
    if (!valore || *valore < 0 || *valore > Carico_riferimento_max) return std::nullopt;
    return static_cast<float>(*valore);
}

std::optional<float> Frm_utente::Perdita_max_digitata() const {
    const std::optional<double> valore = Numero_digitato(Txt_perdita_max->text());
    if (!valore || *valore < 0 || *valore > 100) return std::nullopt;
    return static_cast<float>(*valore);
}

std::optional<float> Frm_utente::Fine_serie_digitata() const {
    const std::optional<double> valore = Numero_digitato(Txt_fine_serie->text());
    if (!valore || *valore < Fine_serie_min || *valore > Fine_serie_max) return std::nullopt;
    return static_cast<float>(*valore);
}

std::optional<float> Frm_utente::Recupero_digitato() const {
    const QString testo = Txt_recupero->text().trimmed();
    if (testo.isEmpty()) return 0.0f;
    const std::optional<double> valore = Numero_digitato(testo);
    if (!valore || *valore < 1 || *valore > Recupero_max || *valore != std::floor(*valore))
        return std::nullopt;
    return static_cast<float>(*valore);
}

Liste_utente Frm_utente::Liste() const {
    Liste_utente liste;
    for (std::size_t r = 0; r < liste.size(); ++r)
        for (int j = 0; j < txt_utente[r]->count(); ++j)
            liste[r].append(txt_utente[r]->itemText(j));
    return liste;
}

std::optional<QString> Frm_utente::Numeri_rifiutati() {
    for (std::size_t r = 0; r < txt_utente.size(); ++r) {
        if (!Riga_numerica(static_cast<int>(r)) || txt_utente[r]->currentIndex() < 0) continue;
        if (const std::optional<QString> rifiuto = Numero_rifiutato(txt_utente[r]->currentText())) {
            txt_utente[r]->setFocus();
            return Nome_riga(r) + QStringLiteral(": ") + *rifiuto;
        }
    }
    const QComboBox* sup = txt_utente[Riga_utente::Limite_sup];
    QComboBox* inf = txt_utente[Riga_utente::Limite_inf];
    if (sup->currentIndex() >= 0 && inf->currentIndex() >= 0 &&
        !(Numero_di_voce(inf->currentText()) < Numero_di_voce(sup->currentText()))) {
        inf->setFocus();
        return tr("%1: %2 deve essere minore di %3, il %4.")
            .arg(Nome_riga(Riga_utente::Limite_inf), inf->currentText().trimmed(),
                 sup->currentText().trimmed(), Nome_riga(Riga_utente::Limite_sup));
    }
    return std::nullopt;
}

void Frm_utente::Conferma() {
    // A refused value stops "&Ok" before anything is filled or written.
    if (const std::optional<QString> rifiuto = Numeri_rifiutati()) {
        avvisi_.Mostra(*rifiuto, Avvisi::Icona::Avviso);
        return;
    }
    // The boxes under the rows in their order: the first refused is named and gets the focus.
    const std::optional<float> perdita_max = Perdita_max_digitata();
    const std::optional<float> fine_serie = Fine_serie_digitata();
    const std::optional<float> recupero = Recupero_digitato();
    const std::optional<float> carico_riferimento = Carico_riferimento_digitato();
    const std::optional<float> v1rm = V1rm_digitata();
    const auto Rifiuta = [this](const QString& motivo, QWidget* casella) {
        avvisi_.Mostra(motivo, Avvisi::Icona::Avviso);
        casella->setFocus();
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(casella)) spin->selectAll();
        if (auto* riga = qobject_cast<QLineEdit*>(casella)) riga->selectAll();
    };
    if (!perdita_max) return Rifiuta(Perdita_max_rifiutata(), Txt_perdita_max);
    if (!fine_serie) return Rifiuta(Fine_serie_rifiutata(), Txt_fine_serie);
    if (!recupero) return Rifiuta(Recupero_rifiutato(), Txt_recupero);
    if (!carico_riferimento) return Rifiuta(Carico_riferimento_rifiutato(), Txt_carico_riferimento);
    if (!v1rm) return Rifiuta(V1rm_rifiutata(), Txt_v1rm);
    Applica_mostrato(*perdita_max, *fine_serie, *recupero);
    Dati_esercizio_t& d = s_.Dati_esercizio;
    const Velocita_riferimento riferimento = s_.Riferimento;

    // The record is in force from here on, so the strip shows it even when a file fails;
    // the dialog then stays open.
    const auto Fallito = [this, &d](const QString& errore) {
        if (intestazione_) intestazione_->Aggiorna_intestazione(d, locale_);
        avvisi_.Mostra(errore, Avvisi::Icona::Avviso);
    };
    const std::optional<QString> cartelle = Crea_cartelle_atleta(s_.Cartella_applicazione, d);
    d_ = d;
    if (cartelle) return Fallito(*cartelle);

    // The athlete's other analysis choices stay; without an athlete there is no folder of
    // his to keep them in. A failure costs only this choice.
    if (!d.Atleta.isEmpty()) {
        Scelte_esercizio scelte = Leggi_scelte_analisi(d.Cartella_dati, d.Esercizio);
        scelte.Perdita_max = *perdita_max;
        scelte.Riferimento = riferimento;
        scelte.Carico_riferimento = *carico_riferimento;
        scelte.Fine_serie_s = *fine_serie;
        scelte.Recupero_s = *recupero;
        scelte.Fine_alla_perdita = s_.Fine_alla_perdita;
        scelte.V1rm = *v1rm > 0 ? *v1rm : V1rm_predefinita(d.Esercizio);
        if (const std::optional<QString> errore =
                Salva_scelte_analisi(d.Cartella_dati, d.Esercizio, scelte))
            avvisi_.Mostra(*errore, Avvisi::Icona::Avviso);
    }

    // The time graph's velocity axis spans -1.2 Vmax to 1.2 Vmax (a half to the even).
    const double m = std::nearbyint(1.2 * static_cast<double>(d.Vmax));
    if (grafici_ && m > 0) {
        const auto Applica = [m](Frm_edit_grafici& editor) {
            return editor.Update_graph(0, Tempo::Asse_velocita, -m, m) ? QString() : editor.Stato();
        };
        QString errore;
        if (Frm_edit_grafici* aperto = grafici_->Editor()) {
            errore = Applica(*aperto);
        } else {
            Frm_edit_grafici editor(*grafici_);
            errore = Applica(editor);
        }
        if (!errore.isEmpty()) avvisi_.Mostra(errore, Avvisi::Icona::Avviso);
    }

    if (const std::optional<QString> errore = Salva_ultimo_atleta(d)) return Fallito(*errore);
    QString nome_file;
    if (const std::optional<QString> errore = Salva_File_Config(nome_file, s_, Liste()))
        return Fallito(*errore);
    if (intestazione_) intestazione_->Aggiorna_intestazione(d, locale_);
    close();
    Q_EMIT Confermato();
}

void Frm_utente::Applica_mostrato(float perdita_max, float fine_serie_s, float recupero_s) {
    Scelte_utente testi;
    Indici_utente indici;
    for (std::size_t i = 0; i < txt_utente.size(); ++i) {
        indici[i] = txt_utente[i]->currentIndex();
        testi[i] = indici[i] >= 0 ? txt_utente[i]->currentText() : QString();
    }
    Riempi_dati_esercizio(d_, testi, indici);
    s_.Dati_esercizio = d_;
    s_.Soglia_perdita = perdita_max;
    s_.Riferimento = static_cast<Velocita_riferimento>(cbo_riferimento->currentIndex());
    s_.Nota = Txt_nota->text().trimmed();
    s_.Fine_serie_s = fine_serie_s;
    s_.Recupero_s = recupero_s;
    s_.Fine_alla_perdita = Chk_fine_alla_perdita->isChecked();
}

void Carica_impostazione(Sessione& sessione, Avvisi& avvisi, const QLocale& locale) {
    Frm_utente finestra(sessione, nullptr, nullptr, avvisi, locale);
    finestra.Applica_mostrato(finestra.Perdita_max_digitata().value_or(sessione.Soglia_perdita),
                              finestra.Fine_serie_digitata().value_or(sessione.Fine_serie_s),
                              finestra.Recupero_digitato().value_or(sessione.Recupero_s));
    // The athlete's folder as "&Ok" sets it, when it is there (a folder is made by "&Ok"
    // only); else the sets go where they go with no athlete.
    Dati_esercizio_t& d = sessione.Dati_esercizio;
    const QString cartella =
        Cartella_squadra(sessione.Cartella_applicazione, d.Squadra) + QLatin1Char('/') + d.Atleta;
    d.Cartella_dati = !d.Atleta.isEmpty() && QFileInfo(cartella).isDir() ? cartella : QString();
}

Frm_utente* Mostra_frm_utente(QPointer<Frm_utente>& finestra, Sessione& sessione,
                              Frm_grafici* grafici, Frm_intestazione* intestazione, Avvisi& avvisi,
                              const QLocale& locale, QWidget* parent) {
    if (!finestra) {
        finestra = new Frm_utente(sessione, grafici, intestazione, avvisi, locale, parent);
        Centra_su(finestra, parent);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
    return finestra;
}
