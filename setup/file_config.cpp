// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/file_config.h"

#include "datafiles/codifica_1252.h"
#include "platform/errori_sistema.h"
#include "platform/file_intero.h"
#include "platform/file_limitato.h"
#include "platform/file_privati.h"
#include "platform/impostazioni_utente.h"
#include "session/formato.h"
#include "setup/controllo_voci.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>

namespace {

// The context of this file's messages.
struct File_config {
    Q_DECLARE_TR_FUNCTIONS(File_config)
};

constexpr char Fine_riga[] = "\r\n";
const QString Sezione = QStringLiteral("funz");

QString Nativo(const QString& percorso) {
    return QDir::toNativeSeparators(percorso);
}

// Texts that may hold "%1" (a name typed by the operator) go in with the numbers, in one
// arg(), so that none of them is taken for a place of the next one.
QString Incompleto(const QString& file, int righe) {
    return File_config::tr("Il file %1 è incompleto: finisce dopo la riga %2.")
        .arg(Nativo(file), QString::number(righe));
}

// The lines of a file's contents, without their ends (CR LF, or LF from a hand edit).
class Righe {
public:
    explicit Righe(QByteArray contenuto) : contenuto_(std::move(contenuto)) {}
    std::optional<QString> Prossima() {
        if (inizio_ >= contenuto_.size()) return std::nullopt;
        qsizetype fine = contenuto_.indexOf('\n', inizio_);
        if (fine < 0) fine = contenuto_.size();
        qsizetype n = fine - inizio_;
        if (n > 0 && contenuto_.at(fine - 1) == '\r') --n;
        const QString riga = Testo_da_1252(QByteArrayView(contenuto_).sliced(inizio_, n));
        inizio_ = fine + 1;
        ++lette_;
        return riga;
    }
    int Lette() const { return lette_; }

private:
    QByteArray contenuto_;
    qsizetype inizio_ = 0;
    int lette_ = 0;
};

// The next line as a whole number; on failure `errore` gets the message.
std::optional<std::int32_t> Leggi_intero(Righe& righe, const QString& file, QString& errore) {
    const std::optional<QString> riga = righe.Prossima();
    if (!riga) {
        errore = Incompleto(file, righe.Lette());
        return std::nullopt;
    }
    bool ok = false;
    const double valore = std::nearbyint(Numero_da_testo_c(*riga, &ok));
    if (!ok || !std::isfinite(valore) || std::fabs(valore) > 2147483647.0) {
        errore = File_config::tr("Il file %1 è danneggiato: alla riga %2 \"%3\" non è un numero.")
                     .arg(Nativo(file), QString::number(righe.Lette()), riga->trimmed());
        return std::nullopt;
    }
    return static_cast<std::int32_t>(valore);
}

// A file too large to be one of these is not read.
std::optional<QString> Leggi_tutto(const QString& nome, QByteArray& contenuto) {
    if (const std::optional<QString> motivo = Leggi_file_limitato(nome, contenuto))
        return File_config::tr("Impossibile leggere %1: %2").arg(Nativo(nome), *motivo);
    return std::nullopt;
}

// Keeps `nome` as "<nome>.bak" before it is replaced.
std::optional<QString> Conserva(const QString& nome) {
    if (const std::optional<QString> motivo = Conserva_copia(nome))
        return File_config::tr("Impossibile conservare la copia %1, e %2 non è stato "
                               "riscritto: %3")
            .arg(Nativo(Nome_copia(nome)), Nativo(nome), *motivo);
    return std::nullopt;
}

// Replaces the file as a whole: a failure half-way leaves the old one in place. Never
// written in place, not even in a folder that takes no new file: a cut file is worse than
// an old one.
std::optional<QString> Scrivi_file(const QString& nome, const QByteArray& contenuto) {
    if (const std::optional<QString> motivo = Scrivi_file_intero(nome, contenuto))
        return File_config::tr("Impossibile scrivere %1: %2").arg(Nativo(nome), *motivo);
    return std::nullopt;
}

// brax.ini is rewritten only when its lists changed, and the one it replaces is kept first as
// brax.ini.bak: a file read damaged, or refused as too large, stays there, whole, after the
// "&Ok" that repairs it.
std::optional<QString> Scrivi_liste(const QString& nome, const QByteArray& contenuto) {
    if (QFileInfo::exists(nome) && !Collegamento_rifiutato(nome)) { // a link: refused below
        QByteArray prima;
        if (!Dimensione_rifiutata(nome)) {
            if (const std::optional<QString> motivo = Leggi_file_limitato(nome, prima))
                return File_config::tr("Impossibile leggere %1 per conservarne una copia prima "
                                       "di riscriverlo: %2")
                    .arg(Nativo(nome), *motivo);
            if (prima == contenuto) return std::nullopt;
        }
        if (auto errore = Conserva(nome)) return errore;
    }
    return Scrivi_file(nome, contenuto);
}

std::optional<QString> Crea_cartella(const QString& cartella) {
    if (const std::optional<QString> motivo = Crea_cartella_privata(cartella))
        return File_config::tr("Impossibile creare la cartella %1: %2")
            .arg(Nativo(cartella), *motivo);
    return std::nullopt;
}

QByteArray Riga_testo(const QString& testo) {
    return Testo_in_1252(testo) + Fine_riga;
}

// A stored position, rounded to a whole number.
std::int32_t Indice_memorizzato(const QString& testo) {
    const double valore = std::nearbyint(static_cast<double>(Numero_di_voce(testo)));
    if (std::fabs(valore) > 2147483647.0) return 0;
    return static_cast<std::int32_t>(valore);
}

} // namespace

QString Cartella_squadra(const QString& cartella_applicazione, const QString& squadra) {
    return cartella_applicazione + QLatin1Char('/') + squadra;
}

QString File_atleta(const QString& cartella_applicazione, const QString& squadra,
                    const QString& atleta) {
    return Cartella_squadra(cartella_applicazione, squadra) + QLatin1Char('/') + atleta +
           QLatin1Char('/') + atleta + QStringLiteral(".cfg");
}

float Numero_di_voce(const QString& testo) {
    return Numero_in_voce(testo).value_or(0.0f);
}

std::optional<float> Numero_in_voce(const QString& testo) {
    std::string numero;
    qsizetype i = 0;
    const qsizetype n = testo.size();
    const auto Salta = [&] {
        while (i < n && (testo[i] == QLatin1Char(' ') || testo[i] == QLatin1Char('\t') ||
                         testo[i] == QLatin1Char('\n')))
            ++i;
    };
    const auto Cifre = [&] {
        bool trovate = false;
        for (Salta(); i < n && testo[i].isDigit() && testo[i].unicode() < 0x80; Salta()) {
            numero += static_cast<char>(testo[i].unicode());
            trovate = true;
            ++i;
        }
        return trovate;
    };
    Salta();
    if (i < n && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+'))) {
        if (testo[i] == QLatin1Char('-')) numero += '-';
        ++i;
    }
    bool cifre = Cifre();
    if (i < n && testo[i] == QLatin1Char('.')) {
        numero += '.';
        ++i;
        cifre = Cifre() || cifre;
    }
    if (!cifre) return std::nullopt;
    if (i < n && (testo[i] == QLatin1Char('e') || testo[i] == QLatin1Char('E'))) {
        const std::size_t senza_esponente = numero.size();
        numero += 'e';
        ++i;
        Salta();
        if (i < n && (testo[i] == QLatin1Char('-') || testo[i] == QLatin1Char('+'))) {
            if (testo[i] == QLatin1Char('-')) numero += '-';
            ++i;
        }
        if (!Cifre()) numero.resize(senza_esponente);
    }
    double valore = 0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valore);
    if (r.ec != std::errc() || std::fabs(valore) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(valore);
}

QByteArray Numero_stampato(qint64 numero) {
    return (numero < 0 ? QByteArray() : QByteArray(" ")) + QByteArray::number(numero) + ' ';
}

std::optional<QString> Leggi_File_Config(const QString& nome_file, Dati_esercizio_t& dati) {
    QByteArray contenuto;
    if (auto errore = Leggi_tutto(nome_file, contenuto)) return errore;
    Righe righe(std::move(contenuto));
    if (righe.Prossima() != QStringLiteral("brax_cfg"))
        return File_config::tr("File non compatibile!") + QLatin1Char('\n') + Nativo(nome_file);
    QString errore;
    for (auto& posizione : dati.Posizioni) {
        const std::optional<std::int32_t> valore = Leggi_intero(righe, nome_file, errore);
        if (!valore) return errore;
        posizione = *valore;
    }
    if (!righe.Prossima()) return Incompleto(nome_file, righe.Lette());
    // The folder written in the file may be any folder (of another system, of another
    // user, one a hand edit put there): the athlete's folder is the one the file is in,
    // which his team's and his own names make inside the data folder.
    dati.Cartella_dati = QFileInfo(nome_file).absolutePath();
    return std::nullopt;
}

std::optional<QString> Salva_File_Config(QString& nome_file, const Sessione& sessione,
                                         const Liste_utente& liste) {
    if (auto errore = Crea_cartella(sessione.Cartella_ini)) return errore;
    QByteArray ini = Numero_stampato(Riga_utente::Numero - 1) + Fine_riga;
    for (int r = 0; r < Riga_utente::Numero; ++r) {
        if (r == Riga_utente::Atleta) continue;
        const QStringList& voci = liste[static_cast<std::size_t>(r)];
        ini += Numero_stampato(voci.size() - 1) + Fine_riga;
        for (const QString& voce : voci) ini += Riga_testo(voce);
    }
    if (auto errore = Scrivi_liste(sessione.File_ini, ini)) return errore;

    const Dati_esercizio_t& d = sessione.Dati_esercizio;
    if (nome_file.isEmpty()) {
        if (d.Atleta.isEmpty()) return std::nullopt;
        nome_file = d.Cartella_dati + QLatin1Char('/') + d.Atleta + QStringLiteral(".cfg");
    }
    QByteArray cfg = QByteArray("brax_cfg") + Fine_riga;
    for (const std::int32_t posizione : d.Posizioni) cfg += Numero_stampato(posizione) + Fine_riga;
    cfg += Riga_testo(d.Cartella_dati);
    // An athlete file that cannot be read as one (damaged, cut, too large) is kept first.
    Dati_esercizio_t letti;
    if (QFileInfo::exists(nome_file) && Leggi_File_Config(nome_file, letti))
        if (auto errore = Conserva(nome_file)) return errore;
    return Scrivi_file(nome_file, cfg);
}

void Riempi_dati_esercizio(Dati_esercizio_t& dati, const Scelte_utente& testi,
                           const Indici_utente& indici) {
    using namespace Riga_utente;
    dati.Squadra = testi[Squadra];
    dati.Atleta = testi[Atleta];
    dati.Esercizio = testi[Esercizio];
    dati.Carico = Numero_di_voce(testi[Carico]);
    dati.Vmax = Numero_di_voce(testi[Vmax]);
    dati.Limite_sup = Numero_di_voce(testi[Limite_sup]);
    dati.Limite_inf = Numero_di_voce(testi[Limite_inf]);
    dati.Ampiezza_minima = Numero_di_voce(testi[Ampiezza_minima]);
    for (std::size_t i = 0; i < indici.size(); ++i) dati.Posizioni[i] = indici[i];
}

std::optional<QString> Crea_cartelle_atleta(const QString& cartella_applicazione,
                                            Dati_esercizio_t& dati) {
    dati.Cartella_dati = Cartella_squadra(cartella_applicazione, dati.Squadra);
    if (auto errore = Crea_cartella(dati.Cartella_dati)) return errore;
    const QString cartella_atleta = dati.Cartella_dati + QLatin1Char('/') + dati.Atleta;
    if (auto errore = Crea_cartella(cartella_atleta)) return errore;
    dati.Cartella_dati = cartella_atleta;
    return std::nullopt;
}

std::optional<QString> Leggi_ultimo_atleta(Dati_esercizio_t& dati) {
    dati.Posizioni[1] =
        Indice_memorizzato(Leggi_impostazione(Sezione, QStringLiteral("pos_utente"), "0"));
    dati.Posizioni[0] =
        Indice_memorizzato(Leggi_impostazione(Sezione, QStringLiteral("pos_squadra"), "0"));
    // The names become folders: checked as typed ones are, so that a store edited by hand
    // (or by someone else) cannot lead outside the data folder.
    QStringList rifiutati;
    // `come_rifiutato` says which name it is, from the name and the reason.
    const auto Nome = [&](const char* chiave, const QString& come_rifiutato) {
        const QString nome = Leggi_impostazione(Sezione, QString::fromLatin1(chiave));
        const std::optional<QString> rifiuto = Nome_cartella_rifiutato(nome);
        if (!rifiuto) return nome;
        rifiutati << come_rifiutato.arg(nome, *rifiuto);
        return QString();
    };
    dati.Atleta = Nome("nome_utente", File_config::tr("l'atleta \"%1\": %2"));
    dati.Squadra = Nome("squadra", File_config::tr("la squadra \"%1\": %2"));
    QStringList messaggi;
    if (const std::optional<QString> difetto = Difetto_impostazioni())
        messaggi << File_config::tr("Il file delle impostazioni %1 %2. Alla conferma con Ok "
                                    "sarà riscritto; quello di ora resterà in %3.")
                        .arg(Nativo(File_impostazioni()), *difetto,
                             Nativo(Nome_copia(File_impostazioni())));
    if (!rifiutati.isEmpty())
        messaggi << File_config::tr("Le impostazioni in %1 indicano come ultimi scelti nomi che "
                                    "non possono essere usati, e sono stati lasciati vuoti:\n%2")
                        .arg(Nativo(File_impostazioni()), rifiutati.join(QLatin1Char('\n')));
    if (messaggi.isEmpty()) return std::nullopt;
    return messaggi.join(QLatin1Char('\n'));
}

std::optional<QString> Salva_ultimo_atleta(const Dati_esercizio_t& dati) {
    const bool salvato = Salva_impostazione(Sezione, QStringLiteral("nome_utente"), dati.Atleta) &&
                         Salva_impostazione(Sezione, QStringLiteral("pos_utente"),
                                            QString::number(dati.Posizioni[1])) &&
                         Salva_impostazione(Sezione, QStringLiteral("squadra"), dati.Squadra) &&
                         Salva_impostazione(Sezione, QStringLiteral("pos_squadra"),
                                            QString::number(dati.Posizioni[0]));
    if (salvato) return std::nullopt;
    return File_config::tr("Impossibile salvare l'ultimo atleta in %1.")
        .arg(Nativo(File_impostazioni()));
}
