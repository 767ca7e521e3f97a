// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data folder belongs to the user alone: its folders are made 0700 and its files 0600,
// and nothing is ever written through a symbolic link found there (a link would take the
// write to a file elsewhere, or make one appear where nobody looks). What an older version
// left open to other users is closed at start.

#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

// Why `cartella` cannot hold what only this user may reach: it is not a real folder (a
// link, perhaps put there by someone else), it belongs to another user, or other users can
// write in it. Nothing when it is safe or does not exist yet. Links are not followed.
std::optional<QString> Cartella_non_propria(const QString& cartella);

// True when something stands at `nome`, of whatever kind: a link to nothing counts, which
// QFile::exists() does not see.
bool Voce_presente(const QString& nome);

// The reason not to write at `nome` when it is a symbolic link (pointing anywhere, or
// nowhere).
std::optional<QString> Collegamento_rifiutato(const QString& nome);

// Makes `cartella` and the folders on the way, each one made with mode 0700. A folder
// already there is taken as it is. The reason in Italian otherwise.
std::optional<QString> Crea_cartella_privata(const QString& cartella);

// Takes away the group's and the others' permissions from every folder and file of this
// user under `cartella` (and from `cartella` itself). Links are neither followed nor
// changed; other users' entries are left alone. Ends early once `fine` is set.
struct Esito_riservatezza {
    std::int64_t voci = 0;     // entries seen
    std::int64_t corrette = 0; // entries that were open to others and now are not
    std::int64_t fallite = 0;  // entries that could not be changed
};
Esito_riservatezza Rendi_privata(const QString& cartella, const std::atomic<bool>* fine = nullptr);

// Rendi_privata() on a thread of its own: twenty thousand tests take a good part of a
// second, more on a cold disk, and the start does not wait for them. Files written
// meanwhile are private already. Stopped and awaited when the object goes.
class Riservatezza_in_fondo {
public:
    explicit Riservatezza_in_fondo(const QString& cartella);
    ~Riservatezza_in_fondo();
    Riservatezza_in_fondo(const Riservatezza_in_fondo&) = delete;
    Riservatezza_in_fondo& operator=(const Riservatezza_in_fondo&) = delete;

private:
    std::atomic<bool> fine_{false};
    std::thread thread_;
};
