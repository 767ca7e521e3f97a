#include "comandi/pdf_storico.h"

#include "comandi/strumento.h"

int Scrivi_pdf_storico(const QString& file, const std::vector<Riga_diario>& righe,
                       QTextStream& errori) {
    Q_UNUSED(file);
    Q_UNUSED(righe);
    return Fallisci(QStringLiteral("kinetrack-storico"),
                    QStringLiteral("--pdf non è ancora disponibile: il diario si stampa per ora "
                                   "solo come testo"),
                    errori, 2);
}
