// SPDX-License-Identifier: GPL-3.0-or-later
// Files the operator chooses in the dialogs. Saved under a chosen name, a summary or a
// sample file ends in ".csv" whatever name was accepted or typed, so that the profile and
// "Apri..." find it. "Apri..." lists the sample files; a summary or an analysis file
// chosen all the same is told as such and opens the sample file saved beside it.
#include "acquisition/salvataggi.h"
#include "datafiles/frm_apri.h"
#include "datafiles/lettura_sommario.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"
#include "stream/motore_misura.h"
#include "tests/support/avvisi_prova.h"
#include "tests/support/riferimento_prova.h"
#include "tests/support/tabella_prova.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QDateTime Istante(QDate(2026, 12, 8), QTime(16, 59, 41));

// What a stop at 16:59:41 leaves, and a summary saved later under a chosen name.
const QString Campioni = QStringLiteral("2026  Dec 08  16.59.41.csv");
const QString Ripetizioni = QStringLiteral("2026  Dec 08  16.59.41 ripetizioni.csv");
const QString Analisi = QStringLiteral("2026  Dec 08  16.59.41 ripetizioni analisi.csv");
const QString Scelto = QStringLiteral("Squat_261208_17.02.10.csv");
const QString Scelto_analisi = QStringLiteral("Squat_261208_17.02.10 analisi.csv");
// A summary whose sample file is gone.
const QString Orfano = QStringLiteral("2026  Dec 08  18.00.0 ripetizioni.csv");

} // namespace

class Test_scelte_file : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() {
        Scrivi(dir.filePath(Campioni), Riferimento("scelte_file/campioni.csv"));
        for (const QString& f : {Ripetizioni, Scelto, Orfano})
            Scrivi(dir.filePath(f), Riferimento("scelte_file/ripetizioni.csv"));
        for (const QString& f : {Analisi, Scelto_analisi})
            Scrivi(dir.filePath(f), Riferimento("scelte_file/analisi.csv"));
        Scrivi(dir.filePath("Rossi.cfg"), "brax_cfg\r\n");
        QVERIFY(QDir(dir.path()).mkdir("vecchie"));
    }

    // The dialog's own extension is not added to a name with a dot in it, as the
    // proposed summary name has. The sample file's test record goes beside it; the log and
    // the profile read a summary as a test. Rows: s the summary ("Salva dati con nome..."), else
    // the sample file | the name chosen (none: the name proposed) | the name written.
    void saved_names_end_in_csv_data() {
        Righe_prova({"s||Squat_261208_16.59.41.csv", "s|prova.txt|prova.txt.csv",
                     "s|Prova.CSV|Prova.CSV", "c||2026  Dec 08  16.59.41.csv",
                     "c|serie 82.5 kg|serie 82.5 kg.csv"});
    }
    void saved_names_end_in_csv() {
        QFETCH(QStringList, r);
        const bool riepilogo = r[0] == "s";
        const QString &scelto = r[1], &scritto = r[2];
        QTemporaryDir cartella;
        Sessione s;
        s.Campioni.resize(4);
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Esercizio = "Squat";
        s.Dati_esercizio.Carico = 80;
        s.Dati_esercizio.Cartella_dati = cartella.path();
        s.Fissa_serie(); // the set in memory was recorded with this setup
        Ripetizione ripetizione;
        ripetizione.Vmedia_conc = 700;
        Lista_valori lista;
        lista.Aggiungi(Lista_valori::Formatta_riga(ripetizione, 1, QLocale::c()));
        Avvisi_registrati avvisi;
        Salvataggi salva(s, lista, avvisi, QLocale::c());
        salva.Imposta_orologio([] { return Istante; });
        salva.Imposta_scelta_file([&](QWidget*, const Richiesta_file& richiesta) {
            return richiesta.cartella + '/' + (scelto.isEmpty() ? richiesta.nome_proposto : scelto);
        });
        QSignalSpy salvati(&salva, &Salvataggi::Salvato);
        if (riepilogo)
            salva.Salva_dati_con_nome(nullptr);
        else
            salva.Salva_file_intero_con_nome(nullptr);
        QCOMPARE(avvisi.elenco.size(), 0);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files, QDir::Name | QDir::Reversed),
                 (riepilogo ? QStringList{scritto}
                            : QStringList{scritto, QString(scritto).replace(".csv", " test.ini")}));
        QCOMPARE(salvati.size(), 1);
        QCOMPARE(salvati[0][0].toString(), cartella.filePath(scritto));
        QVERIFY(!riepilogo || Leggi_sommario(cartella.filePath(scritto)).esito ==
                                  Lettura_sommario::Esito::Sommario);
    }

    // A test's record that cannot be written when the coach's judgement changes is told,
    // naming it. (The judgement reaching the record: the main window's test.)
    void unwritable_record_told() {
        QTemporaryDir cartella;
        Sessione s;
        s.Serie.File_record = {cartella.filePath("manca/t test.ini")};
        Lista_valori lista;
        Avvisi_registrati avvisi;
        Salvataggi salva(s, lista, avvisi, QLocale::c());
        QVERIFY(!salva.Aggiorna_file_serie());
        QVERIFY(avvisi.elenco.size() == 1 && avvisi.elenco[0].testo.contains("manca"));
    }

    // Saving onto a file that is there asks first, about the name that will be written
    // (the dialog adds no extension to a name with a dot): "No" opens the dialog again on
    // that name, "Sì" replaces it. A new name asks nothing.
    void replacing_a_file_asks() {
        QTemporaryDir cartella;
        const QString esistente = cartella.filePath("Squat_261208_17.02.10.csv");
        Scrivi(esistente, "prima");
        QStringList domande;
        QList<QMessageBox::StandardButton> risposte{QMessageBox::No, QMessageBox::Yes};
        int dialoghi = 0;
        // Answers whatever window waits for the operator.
        QTimer operatore;
        operatore.setInterval(10);
        connect(&operatore, &QTimer::timeout, this, [&] {
            QWidget* finestra = QApplication::activeModalWidget();
            if (!finestra || !finestra->isVisible()) return;
            if (auto* dialogo = qobject_cast<QFileDialog*>(finestra)) {
                ++dialoghi;
                QMetaObject::invokeMethod(dialogo, "accept");
            } else if (auto* domanda = qobject_cast<QMessageBox*>(finestra)) {
                domande << domanda->text();
                domanda->button(risposte.isEmpty() ? QMessageBox::No : risposte.takeFirst())
                    ->click();
            }
        });
        operatore.start();
        const Richiesta_file richiesta{"Salva dati  con nome", cartella.path(),
                                       "Squat_261208_17.02.10", "*.csv", "csv"};
        QCOMPARE(Scegli_file_salvataggio(nullptr, richiesta), esistente);
        QVERIFY(dialoghi == 2 && domande.size() == 2);
        QVERIFY2(domande[0].contains(QDir::toNativeSeparators(esistente)), qPrintable(domande[0]));

        Richiesta_file nuovo = richiesta;
        nuovo.nome_proposto = "nuovo";
        QCOMPARE(Scegli_file_salvataggio(nullptr, nuovo), cartella.filePath("nuovo.csv"));
        QCOMPARE(domande.size(), 2);
        QCOMPARE(Contenuto(esistente), QByteArray("prima"));
    }

    // Folders, and the files whose names may be sample files: a summary saved under a
    // chosen name cannot be told by its name, and is told when chosen. Folders first, then
    // by time: the name's, else the file's.
    void open_dialog_lists_sample_files() {
        const QStringList altri{"2026  Nov 30  23.00.00.csv", "2026  Dec 08  9.05.5.csv",
                                "2026  Dec 08  9.05.48.csv"};
        for (const QString& f : altri) Scrivi(dir.filePath(f), "Kine01;\r\n");
        QFile scelto(dir.filePath(Scelto));
        QVERIFY(scelto.open(QIODevice::ReadWrite));
        QVERIFY(scelto.setFileTime(QDateTime(QDate(2026, 12, 8), QTime(17, 2, 10)),
                                   QFileDevice::FileModificationTime));
        scelto.close();
        const auto dialogo = Dialogo_apri(nullptr, dir.path());
        QAbstractProxyModel* filtro = dialogo->proxyModel();
        QVERIFY(filtro);
        auto* modello = qobject_cast<QFileSystemModel*>(filtro->sourceModel());
        QVERIFY(modello);
        QSignalSpy caricata(modello, &QFileSystemModel::directoryLoaded);
        const auto Elencati = [&] {
            const QModelIndex radice = filtro->mapFromSource(modello->index(dir.path()));
            QStringList nomi;
            for (int r = 0; r < filtro->rowCount(radice); ++r)
                nomi << filtro->index(r, 0, radice).data().toString();
            return nomi;
        };
        QTRY_VERIFY(caricata.size() > 0);
        QTRY_COMPARE(Elencati(),
                     QStringList({"vecchie", altri[0], altri[1], altri[2], Campioni, Scelto}));
        for (const QString& f : altri) QVERIFY(QFile::remove(dir.filePath(f)));
    }

    // A summary or analysis file chosen in "Apri...": told as such, naming it, and the sample
    // file beside it opened and named (the one row read and the two records a sample file
    // leaves out); without one beside it (the analysis under a chosen name has its summary
    // beside it, no sample file), a warning.
    void summary_or_analysis_chosen() {
        const std::tuple<QString, const char*, bool> casi[] = {{Ripetizioni, "riepilogo", true},
                                                               {Analisi, "analisi", true},
                                                               {Scelto, "riepilogo", false},
                                                               {Scelto_analisi, "analisi", false},
                                                               {Orfano, "riepilogo", false}};
        for (const auto& [scelto, tipo, aperto] : casi) {
            Sessione s;
            s.Memo_attivo = true;
            Motore_misura motore(s, QLocale(QLocale::Italian));
            Avvisi_registrati avvisi;
            Apri_misura(nullptr, dir.filePath(scelto), s, motore, avvisi);
            QCOMPARE(avvisi.elenco.size(), 1);
            const QString testo = avvisi.elenco[0].testo;
            QVERIFY2(testo.startsWith('"' + scelto + "\" \u00E8 un file di " + tipo) &&
                         testo.contains('"' + Campioni + '"') == aperto,
                     qPrintable(testo));
            QCOMPARE(avvisi.elenco[0].icona,
                     aperto ? Avvisi::Icona::Nessuna : Avvisi::Icona::Avviso);
            QCOMPARE(s.Numero_campioni, aperto ? 3 : 0);
        }
    }
};

QTEST_MAIN(Test_scelte_file)
#include "test_scelte_file.moc"
