// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file replaced as a whole or not at all. It is written under a temporary name in its
// own folder, forced to the disk, and only then renamed over its name; the folder is
// synced after the rename. Whatever fails on the way (no permission, a full disk, a
// folder that is gone, a program that ends half-way), the file of that name stays as it
// was, whole, and no temporary file is left behind. Failures come back as their reason
// in Italian ("spazio su disco esaurito", "permesso negato"). The file is the user's alone
// (0600); a symbolic link at its name is refused, never written through.

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <optional>

class File_intero {
public:
    explicit File_intero(const QString& nome);
    // Without Conferma() nothing of what was written stays.
    ~File_intero() = default;
    File_intero(const File_intero&) = delete;
    File_intero& operator=(const File_intero&) = delete;

    // Creates the temporary file beside the final name; the reason otherwise.
    [[nodiscard]] std::optional<QString> Apri();
    // Appends, straight to the system; false once anything has failed.
    bool Scrivi(const char* dati, qint64 quanti);
    bool Scrivi(const QByteArray& dati) { return Scrivi(dati.constData(), dati.size()); }
    // Syncs, renames over the final name, syncs the folder. The reason of the first
    // failure since Apri(), if any: then the temporary file is gone and the final name
    // untouched.
    [[nodiscard]] std::optional<QString> Conferma();
    // The first failure so far.
    const std::optional<QString>& Errore() const { return errore_; }

private:
    void Segna(int numero);

    // Written bytes the disk is asked to take, this many at a time.
    static constexpr qint64 Avvio_scrittura = 8 * 1024 * 1024;

    QString nome_;
    QSaveFile file_;
    qint64 scritti_ = 0, avviati_ = 0;
    std::optional<QString> errore_;
};

// The whole contents of `nome`; the reason in Italian when it cannot be read.
[[nodiscard]] std::optional<QString> Leggi_file(const QString& nome, QByteArray& contenuto);

// Replaces `nome` with `contenuto` as above.
[[nodiscard]] std::optional<QString> Scrivi_file_intero(const QString& nome,
                                                        const QByteArray& contenuto);
