// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/lingua.h"

#include "platform/impostazioni_utente.h"
#include "platform/traduzioni_qt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace {

const QString Sezione = QStringLiteral("Interfaccia");
const QString Chiave = QStringLiteral("Lingua");
// Built from translations/*_en.ts and embedded in the program.
const QString Catalogo_inglese = QStringLiteral(":/traduzioni/kinetrack_en.qm");

QString In_uso = QString::fromLatin1(Lingua_predefinita);

QLocale Locale_di(const QString& codice) {
    return codice == QLatin1String("en") ? QLocale(QLocale::English, QLocale::UnitedStates)
                                         : QLocale(QLocale::Italian, QLocale::Italy);
}

} // namespace

QStringList Lingue_interfaccia() {
    return {QStringLiteral("it"), QStringLiteral("en")};
}

QString Messaggio_lingua_sconosciuta(const QString& codice) {
    return QCoreApplication::translate("Lingua", "lingua sconosciuta: \"%1\" (lingue: %2)")
        .arg(codice, Lingue_interfaccia().join(QStringLiteral(", ")));
}

bool Applica_lingua(const QString& codice, QString* errore) {
    if (!Lingue_interfaccia().contains(codice)) {
        if (errore) *errore = Messaggio_lingua_sconosciuta(codice);
        return false;
    }
    QCoreApplication* applicazione = QCoreApplication::instance();
    if (applicazione == nullptr) {
        if (errore) *errore = QStringLiteral("no application object");
        return false;
    }
    static QPointer<QTranslator> installato;
    if (installato) {
        QCoreApplication::removeTranslator(installato);
        delete installato;
    }
    if (codice == QLatin1String("en")) {
        auto catalogo = std::make_unique<QTranslator>(applicazione);
        // Embedded at build time: failing to load it is a broken build, not a user's error.
        if (!catalogo->load(Catalogo_inglese))
            qWarning("kinetrack: the English catalogue is missing from the program");
        else {
            QCoreApplication::installTranslator(catalogo.get());
            installato = catalogo.release();
        }
    }
    // Without Qt's translations installed its texts stay English: nothing to refuse.
    Carica_traduzioni_qt(Locale_di(codice));
    In_uso = codice;
    return true;
}

QString Lingua_in_uso() {
    return In_uso;
}

QString Lingua_salvata() {
    const QString codice = Leggi_impostazione(Sezione, Chiave).trimmed().toLower();
    return Lingue_interfaccia().contains(codice) ? codice : QString::fromLatin1(Lingua_predefinita);
}

bool Salva_lingua(const QString& codice) {
    return Lingue_interfaccia().contains(codice) && Salva_impostazione(Sezione, Chiave, codice);
}

QString Traduci_in(const QString& codice, const char* contesto, const char* testo) {
    if (codice == QLatin1String("en")) {
        QTranslator catalogo;
        if (catalogo.load(Catalogo_inglese)) {
            const QString tradotto = catalogo.translate(contesto, testo);
            if (!tradotto.isEmpty()) return tradotto;
        }
    }
    return QString::fromUtf8(testo);
}

std::optional<QString> Applica_lingua_riga(QStringList& argomenti) {
    Applica_lingua(Lingua_salvata());
    std::optional<QString> errore;
    for (qsizetype i = 0; i < argomenti.size();) {
        const QString a = argomenti[i];
        const bool con_uguale = a.startsWith(QLatin1String("--lang="));
        if (a != QLatin1String("--lang") && !con_uguale) {
            ++i;
            continue;
        }
        argomenti.removeAt(i);
        if (!con_uguale && i >= argomenti.size()) {
            errore = QCoreApplication::translate("Lingua", "manca il valore di %1").arg(a);
            continue;
        }
        const QString codice = con_uguale ? a.section(QLatin1Char('='), 1) : argomenti.takeAt(i);
        if (!errore && !Applica_lingua(codice)) errore = Messaggio_lingua_sconosciuta(codice);
    }
    return errore;
}
