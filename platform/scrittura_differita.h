// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file appended to from the user-interface thread without ever waiting for the disk:
// Accoda() only copies into memory; a thread of its own writes what was queued at least
// every `Intervallo_scrittura` and forces it to the disk (fdatasync) at least every
// `Intervallo_sincronia`. What was written survives the program being killed; what was
// synced survives a power cut. The first failure of the disk is kept for the caller, and so
// is how much of the file is on the disk: a file removed while open (its folder deleted)
// holds nothing any more, and counts as a failure too.

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class Scrittura_differita {
public:
    static constexpr std::chrono::milliseconds Intervallo_scrittura{250};
    static constexpr std::chrono::milliseconds Intervallo_sincronia{2000};
    // A disk that stops taking data (a hung stick, a network folder gone) must not make
    // the queue grow for ever: past this many bytes waiting, nothing more is queued and
    // the file keeps what came before (never a hole). Minutes of the fastest stream.
    static constexpr std::size_t Coda_massima = 16u << 20;

    Scrittura_differita() = default;
    ~Scrittura_differita();
    Scrittura_differita(const Scrittura_differita&) = delete;
    Scrittura_differita& operator=(const Scrittura_differita&) = delete;

    // Creates `nome` (which must not exist yet: nothing is ever overwritten), writes
    // `inizio` and syncs it and its folder, then starts the writing thread. The failure's
    // text otherwise.
    [[nodiscard]] std::optional<QString> Apri(const QString& nome, const QByteArray& inizio);
    bool Aperta() const { return fd_ >= 0; }
    const QString& Nome() const { return nome_; }

    // Queues bytes; they reach the file within Intervallo_scrittura. Past Coda_massima
    // waiting, they and all after them are dropped, with an error.
    void Accoda(const char* dati, std::size_t quanti);
    void Accoda(const QByteArray& dati) { Accoda(dati.constData(), std::size_t(dati.size())); }

    // Writes and syncs everything queued, stops the thread and closes the file. The first
    // failure met since Apri(), if any.
    std::optional<QString> Chiudi();
    // The first failure so far (the file may be missing data from then on).
    std::optional<QString> Errore() const;
    // Bytes the file holds (`inizio` included): whatever was queued after a failure is
    // not there, and a file removed from its folder holds none.
    std::uint64_t Scritti() const { return scritti_.load(); }

private:
    void Ciclo();
    // Writes `dati` whole; false on failure (kept in errore_).
    bool Scrivi(const std::vector<char>& dati);
    void Segna_errore(int numero);

    QString nome_;
    int fd_ = -1;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable sveglia_;
    std::vector<char> in_coda_;
    bool fine_ = false;
    bool scartati_ = false; // the queue overflowed: nothing more is queued
    std::optional<QString> errore_;
    std::atomic<std::uint64_t> scritti_{0};
};
