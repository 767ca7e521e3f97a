// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pseudo-terminal that stands in for the board's serial adapter. The board writes
// and reads the master side; the program opens the slave device like any serial port.
// The slave stays open here as well, so the line stays up while the program closes and
// reopens its port.

#include <QString>
#include <optional>

class Terminale_virtuale {
public:
    Terminale_virtuale() = default;
    ~Terminale_virtuale() { Chiudi(); }
    Terminale_virtuale(const Terminale_virtuale&) = delete;
    Terminale_virtuale& operator=(const Terminale_virtuale&) = delete;

    // Opens a new pseudo-terminal in raw mode, the master non-blocking; the reason on
    // failure.
    std::optional<QString> Apri();
    // Closes both sides: to the program it looks like an unplugged adapter.
    void Chiudi();

    // A real adapter forgets the exclusive mode a program set on it once the last program
    // holding it is gone, even one killed outright; a pseudo-terminal keeps it while this
    // side stays open, and the next start of the program would find the port busy. Frees
    // a line left exclusive by a program that no longer holds it.
    void Libera_esclusiva_abbandonata();

    int Master() const { return master_; }
    const QString& Percorso_slave() const { return percorso_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString percorso_;
};

// Where port-number links live (the program's own rule): $XDG_RUNTIME_DIR/kinetrack, or
// /tmp/kinetrack-<uid>/kinetrack when the variable is unset.
QString Cartella_collegamenti();
// Creates it (and the /tmp base) with mode 0700 if missing; the reason when it is missing
// and cannot be made, or is not this user's alone.
std::optional<QString> Crea_cartella_collegamenti();

// Claims port number `numero` by linking <folder>/com<numero> to `destinazione`, with this
// process's id in <folder>/com<numero>.pid. A link left behind by a board that is gone
// (its line is gone, or its process is no longer a running kinetrack-board) is replaced;
// a live one, or one made by hand (no process id), is refused.
std::optional<QString> Crea_collegamento_porta(int numero, const QString& destinazione);
// Removes the link of `numero` (and its process id) if it still points to `destinazione`.
void Rimuovi_collegamento_porta(int numero, const QString& destinazione);
