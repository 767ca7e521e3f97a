// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafiles/lettura_ini.h"

#include "datafiles/codifica_1252.h"

#include <QStringDecoder>

namespace {

// UTF-16 and UTF-8 by their byte-order mark, else UTF-8 when the bytes are UTF-8 (QSettings
// writes it), else windows-1252 (an editor's "ANSI" on an Italian or English Windows).
QString Testo_di(QByteArrayView byte) {
    const auto Inizia = [&byte](const char* bom, qsizetype n) {
        return byte.size() >= n && byte.first(n) == QByteArrayView(bom, n);
    };
    if (Inizia("\xFF\xFE", 2)) return QStringDecoder(QStringConverter::Utf16LE)(byte.sliced(2));
    if (Inizia("\xFE\xFF", 2)) return QStringDecoder(QStringConverter::Utf16BE)(byte.sliced(2));
    if (Inizia("\xEF\xBB\xBF", 3)) byte = byte.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString testo = utf8(byte);
    if (utf8.hasError()) return Testo_da_1252(byte);
    return testo;
}

// The value of a hexadecimal digit; -1 for any other character.
int Cifra_esadecimale(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Appends `v` with its backslash escapes undone, as QSettings writes them; an escape it
// never writes keeps its backslash (a hand-written "C:\dati" stays as typed).
void Togli_escape(QStringView v, QString& fuori) {
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v[i];
        if (c != u'\\' || i + 1 == v.size()) {
            fuori += c;
            continue;
        }
        const QChar e = v[++i];
        switch (e.unicode()) {
        case u'a':
            fuori += u'\a';
            break;
        case u'b':
            fuori += u'\b';
            break;
        case u'f':
            fuori += u'\f';
            break;
        case u'n':
            fuori += u'\n';
            break;
        case u'r':
            fuori += u'\r';
            break;
        case u't':
            fuori += u'\t';
            break;
        case u'v':
            fuori += u'\v';
            break;
        case u'"':
        case u'\'':
        case u'?':
        case u'\\':
            fuori += e;
            break;
        case u'x': {
            char32_t codice = 0;
            qsizetype j = i + 1;
            for (; j < v.size() && Cifra_esadecimale(v[j]) >= 0 && codice <= 0x10FFFF; ++j)
                codice = codice * 16 + char32_t(Cifra_esadecimale(v[j]));
            if (j == i + 1 || codice > 0x10FFFF) {
                fuori += u'\\';
                fuori += e;
                break;
            }
            fuori += QString::fromUcs4(&codice, 1);
            i = j - 1;
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                char32_t codice = 0;
                qsizetype j = i;
                for (; j < v.size() && v[j] >= u'0' && v[j] <= u'7' && codice <= 0xFFFF; ++j)
                    codice = codice * 8 + char32_t(v[j].unicode() - u'0');
                fuori += QString::fromUcs4(&codice, 1);
                i = j - 1;
            } else {
                fuori += u'\\';
                fuori += e;
            }
        }
    }
}

// A value after "=": quoted, or plain up to the end of the line. Nothing when a quote is
// not closed or text follows it.
std::optional<QString> Valore(QStringView v) {
    v = v.trimmed();
    QString fuori;
    if (v.startsWith(u'"')) {
        qsizetype fine = 1;
        while (fine < v.size() && v[fine] != u'"') fine += v[fine] == u'\\' ? 2 : 1;
        if (fine >= v.size()) return std::nullopt;
        const QStringView dopo = v.sliced(fine + 1).trimmed();
        if (!dopo.isEmpty() && !dopo.startsWith(u';') && !dopo.startsWith(u'#'))
            return std::nullopt;
        Togli_escape(v.sliced(1, fine - 1), fuori);
    } else {
        Togli_escape(v, fuori);
    }
    // QSettings marks its own types with a leading "@" and doubles that of a text.
    if (fuori.startsWith(QLatin1String("@@"))) fuori.remove(0, 1);
    return fuori;
}

} // namespace

std::variant<Valori_ini, Gruppo_assente, Ini_danneggiato> Leggi_gruppo_ini(QByteArrayView byte,
                                                                           QStringView gruppo) {
    const QString testo = Testo_di(byte);
    // A file zeroed by a crash, or not text at all.
    if (const qsizetype zero = testo.indexOf(QChar(0)); zero >= 0)
        return Ini_danneggiato{1 + int(QStringView(testo).first(zero).count(u'\n'))};
    Valori_ini valori;
    bool trovato = false, dentro = false;
    int numero = 0;
    for (QStringView riga : QStringView(testo).split(u'\n')) {
        ++numero;
        riga = riga.trimmed(); // the CR of CR LF too
        if (riga.isEmpty() || riga.startsWith(u';') || riga.startsWith(u'#')) continue;
        if (riga.startsWith(u'[')) {
            const qsizetype chiusa = riga.indexOf(u']');
            if (chiusa < 0) return Ini_danneggiato{numero};
            dentro = riga.sliced(1, chiusa - 1).trimmed().compare(gruppo, Qt::CaseInsensitive) == 0;
            trovato = trovato || dentro;
            continue;
        }
        const qsizetype uguale = riga.indexOf(u'=');
        if (uguale <= 0) return Ini_danneggiato{numero};
        const QStringView chiave = riga.first(uguale).trimmed();
        auto valore = Valore(riga.sliced(uguale + 1));
        if (chiave.isEmpty() || !valore) return Ini_danneggiato{numero};
        if (dentro) valori.insert(chiave.toString().toLower(), *std::move(valore));
    }
    if (!trovato) return Gruppo_assente{};
    return valori;
}
