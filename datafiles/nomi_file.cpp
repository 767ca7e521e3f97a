// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/nomi_file.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace {

const QString Estensione = QStringLiteral(".csv");

QString Due_cifre(int valore) {
    return QStringLiteral("%1").arg(valore, 2, 10, QLatin1Char('0'));
}

// "h" + separator + "mm" + separator + "s" (or "hh" ... "ss" when `due_cifre`).
QString Testo_ora(const QTime& ora, const QString& separatore, bool due_cifre) {
    const auto cifre = [due_cifre](int v) { return due_cifre ? Due_cifre(v) : QString::number(v); };
    return cifre(ora.hour()) + separatore + Due_cifre(ora.minute()) + separatore +
           cifre(ora.second());
}

} // namespace

QString Separatore_ora(const QLocale& locale) {
    // The text between the hour field and the minute field, quotes removed.
    const QString formato = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = 0;
    while (i < formato.size() && formato[i] != QLatin1Char('h') && formato[i] != QLatin1Char('H'))
        ++i;
    while (i < formato.size() && (formato[i] == QLatin1Char('h') || formato[i] == QLatin1Char('H')))
        ++i;
    QString separatore;
    bool tra_apici = false;
    for (; i < formato.size(); ++i) {
        const QChar c = formato[i];
        if (c == QLatin1Char('\'')) {
            tra_apici = !tra_apici;
            continue;
        }
        if (!tra_apici && c == QLatin1Char('m')) break;
        separatore += c;
    }
    return (i < formato.size() && !separatore.isEmpty()) ? separatore : QStringLiteral(":");
}

QString Nome_file_campioni(const QDateTime& adesso, const QLocale& locale) {
    const QDate data = adesso.date();
    return QString::number(data.year()) + QStringLiteral("  ") +
           locale.monthName(data.month(), QLocale::ShortFormat) + QLatin1Char(' ') +
           Due_cifre(data.day()) + QStringLiteral("  ") +
           Testo_ora(adesso.time(), Separatore_nomi_file, false) + QStringLiteral(".csv");
}

QDateTime Ora_nome_file_campioni(const QString& nome, const QLocale& locale) {
    // "yyyy  mmm dd  h.mm.s.csv", perhaps with " (n)" before ".csv".
    static const QRegularExpression forma(
        QStringLiteral(
            "^(\\d{4})  (.+) (\\d{2})  (\\d{1,2})\\.(\\d{2})\\.(\\d{1,2})( \\(\\d+\\))?\\.csv$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = forma.match(nome);
    if (!m.hasMatch()) return {};
    for (const QLocale& l : {locale, QLocale(QLocale::English), QLocale(QLocale::Italian)})
        for (int mese = 1; mese <= 12; ++mese)
            if (l.monthName(mese, QLocale::ShortFormat)
                    .compare(m.captured(2), Qt::CaseInsensitive) == 0) {
                const QDateTime ora(
                    QDate(m.captured(1).toInt(), mese, m.captured(3).toInt()),
                    QTime(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()));
                return ora.isValid() ? ora : QDateTime();
            }
    return {};
}

bool Prima_nel_tempo(const QDateTime& a, const QString& nome_a, const QDateTime& b,
                     const QString& nome_b) {
    if (a.isValid() != b.isValid()) return a.isValid();
    if (a.isValid() && a != b) return a < b;
    // By name: runs of digits by their value, the rest as text, case aside.
    qsizetype i = 0, j = 0;
    while (i < nome_a.size() && j < nome_b.size()) {
        if (nome_a[i].isDigit() && nome_b[j].isDigit()) {
            qsizetype fine_i = i, fine_j = j;
            while (fine_i < nome_a.size() && nome_a[fine_i].isDigit()) ++fine_i;
            while (fine_j < nome_b.size() && nome_b[fine_j].isDigit()) ++fine_j;
            const QStringView x = QStringView(nome_a).sliced(i, fine_i - i);
            const QStringView y = QStringView(nome_b).sliced(j, fine_j - j);
            // Leading zeros aside: the longer number is the larger, else digit by digit.
            qsizetype px = 0, py = 0;
            while (px + 1 < x.size() && x[px] == QLatin1Char('0')) ++px;
            while (py + 1 < y.size() && y[py] == QLatin1Char('0')) ++py;
            const QStringView vx = x.sliced(px), vy = y.sliced(py);
            if (vx.size() != vy.size()) return vx.size() < vy.size();
            if (const int c = vx.compare(vy); c != 0) return c < 0;
            i = fine_i;
            j = fine_j;
            continue;
        }
        const QChar x = nome_a[i].toCaseFolded(), y = nome_b[j].toCaseFolded();
        if (x != y) return x < y;
        ++i;
        ++j;
    }
    if ((nome_a.size() - i) != (nome_b.size() - j)) return nome_a.size() - i < nome_b.size() - j;
    return nome_a < nome_b;
}

QString Nome_file_ripetizioni(const QString& esercizio, const QDateTime& adesso) {
    const QDate data = adesso.date();
    return esercizio + QLatin1Char('_') + Due_cifre(data.year() % 100) + Due_cifre(data.month()) +
           Due_cifre(data.day()) + QLatin1Char('_') +
           Testo_ora(adesso.time(), Separatore_nomi_file, true);
}

QString Con_estensione_csv(const QString& nome) {
    if (nome.isEmpty() || nome.endsWith(Estensione, Qt::CaseInsensitive)) return nome;
    return nome + Estensione;
}

bool Nome_di_file_campioni(const QString& nome) {
    return !nome.endsWith(Suffisso_ripetizioni + Estensione, Qt::CaseInsensitive) &&
           !nome.endsWith(Suffisso_analisi + Estensione, Qt::CaseInsensitive);
}

QString File_campioni_accanto(const QString& nome) {
    if (!nome.endsWith(Estensione, Qt::CaseInsensitive)) return {};
    QString base = nome.chopped(Estensione.size());
    bool tolto = false;
    for (const QString& suffisso : {Suffisso_analisi, Suffisso_ripetizioni})
        if (base.endsWith(suffisso, Qt::CaseInsensitive)) {
            base.chop(suffisso.size());
            tolto = true;
        }
    return tolto ? base + Estensione : QString();
}

QString Timbro_data_ora(const QDateTime& adesso, const QLocale& locale) {
    const QDate data = adesso.date();
    return Due_cifre(data.day()) + QLatin1Char(' ') + Due_cifre(data.month()) + QLatin1Char(' ') +
           QString::number(data.year()) + QLatin1Char(';') +
           Testo_ora(adesso.time(), Separatore_ora(locale), false) + QLatin1Char(';');
}

QString Cartella_salvataggio(const QString& cartella_dati, const QString& cartella_applicazione) {
    if (!cartella_dati.isEmpty()) return cartella_dati;
    QString base = cartella_applicazione;
    if (base.isEmpty())
        base = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                            : QDir::currentPath();
    const QString cartella = base + QStringLiteral("/misure_auto");
    Crea_cartella_privata(cartella); // a failure shows up when the file is opened
    return cartella;
}

QString Base_file_serie(const QString& cartella_dati, const QString& cartella_applicazione,
                        const QDateTime& adesso, const QLocale& locale) {
    return Cartella_salvataggio(cartella_dati, cartella_applicazione) + QLatin1Char('/') +
           Nome_file_campioni(adesso, locale).chopped(Estensione.size());
}
