// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_limitato.h"

#include "platform/errori_sistema.h"
#include "platform/file_intero.h"
#include "platform/file_privati.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

QString Troppo_grande(qint64 dimensione) {
    return QCoreApplication::translate("File_limitato",
                                       "è più grande di %1 MB (%2 byte) e non viene letto")
        .arg(Dimensione_massima_impostazioni / (1024 * 1024))
        .arg(dimensione);
}

} // namespace

std::optional<QString> Dimensione_rifiutata(const QString& nome) {
    const QFileInfo info(nome);
    if (!info.isFile() || info.size() <= Dimensione_massima_impostazioni) return std::nullopt;
    return Troppo_grande(info.size());
}

std::optional<QString> Leggi_file_limitato(const QString& nome, QByteArray& contenuto) {
    if (auto rifiuto = Dimensione_rifiutata(nome)) return rifiuto;
    QFile file(nome);
    if (QFileInfo(nome).isDir()) return Testo_errore_sistema(EISDIR);
    if (!file.open(QIODevice::ReadOnly)) return Testo_errore_file(file);
    // One byte more than allowed tells a file that grew after the look at its size.
    contenuto = file.read(Dimensione_massima_impostazioni + 1);
    if (file.error() != QFileDevice::NoError) return Testo_errore_file(file);
    if (contenuto.size() > Dimensione_massima_impostazioni) {
        contenuto.clear();
        return Troppo_grande(QFileInfo(nome).size());
    }
    return std::nullopt;
}

bool Testo_ini_danneggiato(QByteArrayView testo) {
    for (const char c : testo)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') ||
            c == 0x7F)
            return true;
    if (testo.startsWith("\xEF\xBB\xBF")) testo = testo.sliced(3); // a byte-order mark
    while (!testo.isEmpty()) {
        const qsizetype fine = testo.indexOf('\n');
        const QByteArrayView riga = (fine < 0 ? testo : testo.first(fine)).trimmed();
        testo = fine < 0 ? QByteArrayView() : testo.sliced(fine + 1);
        if (riga.isEmpty() || riga.startsWith(';') || riga.startsWith('#')) continue;
        if (riga.startsWith('[') ? !riga.contains(']') : riga.indexOf('=') <= 0) return true;
    }
    return false;
}

QString Nome_copia(const QString& nome) {
    return nome + QStringLiteral(".bak");
}

std::optional<QString> Conserva_copia(const QString& nome) {
    QFile origine(nome);
    // A link is no file of ours to keep: its writer refuses it next, with the reason.
    if (!QFileInfo(nome).isFile() || Collegamento_rifiutato(nome)) return std::nullopt;
    if (!origine.open(QIODevice::ReadOnly)) return Testo_errore_file(origine);
    File_intero copia(Nome_copia(nome));
    if (auto errore = copia.Apri()) return errore;
    // By pieces: a refused file may be of any size.
    QByteArray pezzo;
    while (!origine.atEnd()) {
        pezzo = origine.read(64 * 1024);
        if (origine.error() != QFileDevice::NoError) return Testo_errore_file(origine);
        if (pezzo.isEmpty() || !copia.Scrivi(pezzo)) break;
    }
    return copia.Conferma();
}
