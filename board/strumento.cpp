#include "board/strumento.h"

#include <QCoreApplication>

int Avvia_strumento(int argc, char** argv, Esegui_strumento esegui) {
    QCoreApplication app(argc, argv);
    QTextStream uscita(stdout);
    QTextStream errori(stderr);
    QStringList argomenti = QCoreApplication::arguments();
    argomenti.removeFirst();
    return esegui(argomenti, uscita, errori);
}

std::optional<int> Esito_opzioni(const QString& nome, const std::optional<QString>& errore,
                                 bool aiuto, const QString& uso, QTextStream& uscita,
                                 QTextStream& errori) {
    if (errore) {
        errori << nome << ": " << *errore << '\n' << uso;
        errori.flush();
        return 2;
    }
    if (aiuto) {
        uscita << uso;
        uscita.flush();
        return 0;
    }
    return std::nullopt;
}

int Fallisci(const QString& nome, const QString& testo, QTextStream& errori, int codice) {
    errori << nome << ": " << testo << '\n';
    errori.flush();
    return codice;
}
