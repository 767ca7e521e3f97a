// SPDX-License-Identifier: GPL-3.0-or-later
// The English catalogue is complete: every text the sources hand to the translation system
// has a finished English translation in one of translations/*_en.ts, and no entry there is
// left unfinished. The texts are gathered from the sources with Qt's lupdate, as the
// translators gather them.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Folders that hold no program sources.
const QStringList Senza_testi{"tests", "bench"};

// Each message of a .ts file: "context | source [comment]", and whether its translation is
// finished (present, not marked unfinished).
struct Messaggio {
    QString chiave;
    bool finito = false;
};

QList<Messaggio> Leggi_ts(const QString& percorso, QString& errore) {
    QList<Messaggio> messaggi;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        errore = percorso + ": " + file.errorString();
        return messaggi;
    }
    QXmlStreamReader xml(&file);
    QString contesto;
    Messaggio m;
    QString sorgente, commento;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto nome = xml.name();
            if (nome == u"name")
                contesto = xml.readElementText();
            else if (nome == u"message")
                sorgente.clear(), commento.clear(), m = Messaggio{};
            else if (nome == u"source")
                sorgente = xml.readElementText();
            else if (nome == u"comment")
                commento = xml.readElementText();
            else if (nome == u"translation") {
                const auto tipo = xml.attributes().value(QLatin1String("type"));
                // Plural texts keep their forms in <numerusform> children.
                const QString testo =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                m.finito = tipo.isEmpty() && !testo.isEmpty();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            m.chiave = contesto + " | " + QString(sorgente).replace("\n", "\\n") +
                       (commento.isEmpty() ? QString() : " [" + commento + "]");
            messaggi << m;
        }
    }
    if (xml.hasError()) errore = percorso + ": " + xml.errorString();
    return messaggi;
}

// The program's source folders: every top folder built by CMake, but the tests' and the
// benchmarks'.
QStringList Cartelle_sorgenti(const QDir& radice) {
    QStringList cartelle;
    for (const QString& c : radice.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (!Senza_testi.contains(c) && QFile::exists(radice.filePath(c + "/CMakeLists.txt")))
            cartelle << c;
    return cartelle;
}

} // namespace

class Test_catalogo_inglese : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_source_text_has_a_finished_translation() {
        const QDir radice(KT_SORGENTI);
        const QStringList cartelle = Cartelle_sorgenti(radice);
        QVERIFY(cartelle.contains("mainwindow") && cartelle.contains("stream"));

        QSet<QString> tradotti;
        QStringList incompiuti;
        const QStringList cataloghi =
            QDir(radice.filePath("translations")).entryList({"*_en.ts"}, QDir::Files, QDir::Name);
        QVERIFY2(!cataloghi.isEmpty(), "no translations/*_en.ts");
        for (const QString& nome : cataloghi) {
            QString errore;
            for (const Messaggio& m : Leggi_ts(radice.filePath("translations/" + nome), errore)) {
                if (m.finito)
                    tradotti.insert(m.chiave);
                else
                    incompiuti << nome + ": " + m.chiave;
            }
            QVERIFY2(errore.isEmpty(), qPrintable(errore));
        }

        QTemporaryDir cartella;
        QVERIFY(cartella.isValid());
        const QString raccolta = cartella.filePath("sorgenti_en.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(radice.path());
        lupdate.start(KT_LUPDATE,
                      cartelle + QStringList{"-locations", "none", "-no-obsolete",
                                             "-source-language", "it_IT", "-target-language", "en",
                                             "-ts", raccolta});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QString errore;
        const QList<Messaggio> sorgenti = Leggi_ts(raccolta, errore);
        QVERIFY2(errore.isEmpty(), qPrintable(errore));
        QVERIFY(!sorgenti.isEmpty());

        QStringList mancanti;
        for (const Messaggio& m : sorgenti)
            if (!tradotti.contains(m.chiave)) mancanti << m.chiave;
        // One line each, whole: QtTest cuts long failure messages.
        for (const QString& m : mancanti)
            qWarning().noquote() << "without an English translation:" << m;
        for (const QString& m : incompiuti) qWarning().noquote() << "unfinished:" << m;
        QVERIFY2(mancanti.isEmpty() && incompiuti.isEmpty(),
                 qPrintable(QString("%1 texts without an English translation, %2 unfinished")
                                .arg(mancanti.size())
                                .arg(incompiuti.size())));
    }
};

QTEST_GUILESS_MAIN(Test_catalogo_inglese)
#include "test_catalogo_inglese.moc"
