// SPDX-License-Identifier: GPL-3.0-or-later
// The English catalogue is complete: every text the sources hand to the translation system
// has a finished English translation in one of translations/*_en.ts, and no entry there is
// left unfinished. The texts are gathered from the sources with Qt's lupdate, as the
// translators gather them.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// Folders that hold no program sources.
const QStringList Senza_testi{"tests", "bench"};

// Each message of a .ts file, "context | source [comment]", and whether its translation is
// finished (present, not marked unfinished).
QMap<QString, bool> Leggi_ts(const QString& percorso, QString& errore) {
    QMap<QString, bool> messaggi;
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) errore = percorso + ": " + file.errorString();
    QXmlStreamReader xml(&file);
    QString contesto, sorgente, commento;
    bool finito = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto nome = xml.name();
        if (xml.isStartElement() && nome == u"name")
            contesto = xml.readElementText();
        else if (xml.isStartElement() && nome == u"source")
            sorgente = xml.readElementText().replace("\n", "\\n"), commento.clear();
        else if (xml.isStartElement() && nome == u"comment")
            commento = " [" + xml.readElementText() + "]";
        else if (xml.isStartElement() && nome == u"translation")
            // Plural texts keep their forms in <numerusform> children.
            finito =
                xml.attributes().value(QLatin1String("type")).isEmpty() &&
                !xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty();
        else if (xml.isEndElement() && nome == u"message")
            messaggi[contesto + " | " + sorgente + commento] = finito;
    }
    if (xml.hasError() && errore.isEmpty()) errore = percorso + ": " + xml.errorString();
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
    void ogni_testo_ha_la_sua_traduzione() {
        const QDir radice(KT_SORGENTI);
        const QStringList cartelle = Cartelle_sorgenti(radice);

        QSet<QString> tradotti;
        QStringList incompiuti;
        const QStringList cataloghi =
            QDir(radice.filePath("translations")).entryList({"*_en.ts"}, QDir::Files, QDir::Name);
        QString errore;
        for (const QString& nome : cataloghi) {
            const auto messaggi = Leggi_ts(radice.filePath("translations/" + nome), errore);
            for (auto m = messaggi.cbegin(); m != messaggi.cend(); ++m)
                m.value() ? void(tradotti.insert(m.key()))
                          : void(incompiuti << "unfinished: " + nome + ": " + m.key());
        }

        QTemporaryDir cartella;
        const QString raccolta = cartella.filePath("sorgenti_en.ts");
        QProcess lupdate;
        lupdate.setWorkingDirectory(radice.path());
        lupdate.start(KT_LUPDATE,
                      cartelle + QStringList{"-locations", "none", "-no-obsolete",
                                             "-source-language", "it_IT", "-target-language", "en",
                                             "-ts", raccolta});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        const QStringList sorgenti = Leggi_ts(raccolta, errore).keys();
        QVERIFY2(errore.isEmpty() && !sorgenti.isEmpty(), qPrintable(errore));

        for (const QString& m : sorgenti)
            if (!tradotti.contains(m)) incompiuti << "without an English translation: " + m;
        // One line each, whole: QtTest cuts long failure messages.
        for (const QString& m : incompiuti) qWarning().noquote() << m;
        QVERIFY2(incompiuti.isEmpty(),
                 qPrintable(QString("%1 texts untranslated or unfinished").arg(incompiuti.size())));
    }
};

QTEST_GUILESS_MAIN(Test_catalogo_inglese)
#include "test_catalogo_inglese.moc"
