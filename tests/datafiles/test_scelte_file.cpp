// Files the operator chooses in the dialogs. Saved under a chosen name, a summary or a
// sample file ends in ".csv" whatever name was accepted or typed, so that the profile and
// "Apri..." find it.
#include "acquisition/salvataggi.h"
#include "datafiles/profilo_velocita.h"
#include "session/avvisi.h"
#include "session/sessione.h"
#include "stream/lista_valori.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class Avvisi_registrati : public Avvisi {
public:
    struct Avviso {
        QString testo;
        Icona icona;
    };
    void Mostra(const QString& testo, Icona icona, const QString&) override {
        elenco.push_back({testo, icona});
    }
    QList<Avviso> elenco;
};

const QDateTime Istante(QDate(2026, 12, 8), QTime(16, 59, 41));

} // namespace

class Test_scelte_file : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dialog's own extension is not added to a name with a dot in it, as the
    // proposed summary name has.
    void saved_names_end_in_csv_data() {
        QTest::addColumn<bool>("riepilogo"); // "Salva dati con nome...", else the sample file
        QTest::addColumn<QString>("scelto"); // empty: the name proposed
        QTest::addColumn<QString>("scritto");
        QTest::newRow("summary, proposed") << true << ""
                                           << "Squat_261208_16.59.41.csv";
        QTest::newRow("summary, other extension") << true << "prova.txt"
                                                  << "prova.txt.csv";
        QTest::newRow("summary, upper case") << true << "Prova.CSV"
                                             << "Prova.CSV";
        QTest::newRow("samples, proposed") << false << ""
                                           << "2026  Dec 08  16.59.41.csv";
        QTest::newRow("samples, typed") << false << "serie 82.5 kg"
                                        << "serie 82.5 kg.csv";
    }
    void saved_names_end_in_csv() {
        QFETCH(bool, riepilogo);
        QFETCH(QString, scelto);
        QFETCH(QString, scritto);
        QTemporaryDir cartella;
        Sessione s;
        s.Campioni.resize(4);
        s.Dati_esercizio.Atleta = "Rossi";
        s.Dati_esercizio.Esercizio = "Squat";
        s.Dati_esercizio.Carico = 80;
        s.Dati_esercizio.Cartella_dati = cartella.path();
        Ripetizione r;
        r.Vmedia_conc = 700;
        Lista_valori lista;
        lista.Aggiungi(Lista_valori::Formatta_riga(r, 1, QLocale::c()));
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
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{scritto});
        QCOMPARE(salvati.size(), 1);
        QCOMPARE(salvati[0][0].toString(), cartella.filePath(scritto));
        // The profile reads it as a test.
        if (riepilogo) QCOMPARE(int(Leggi_test_atleta(cartella.path()).test.size()), 1);
    }
};

QTEST_MAIN(Test_scelte_file)
#include "test_scelte_file.moc"
