// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lock on a file that belongs to the process holding it: the system takes it back when
// the process ends, however it ends (killed, crashed), so it is never left behind. Other
// processes, and other locks of this one, cannot take the same file meanwhile. Used for
// the journal of the set being recorded and for the data folder of the running program.

#include <QString>

class Blocco_file {
public:
    enum class Esito {
        Preso,    // the lock is this one's
        Occupato, // another holder has it
        Errore    // the file could not be opened or locked (Errore() says why)
    };

    Blocco_file() = default;
    ~Blocco_file() { Rilascia(); }
    Blocco_file(const Blocco_file&) = delete;
    Blocco_file& operator=(const Blocco_file&) = delete;

    // Takes the lock on `file` without waiting; `crea`: the file is made (0600) when
    // missing. A lock held already is let go first.
    Esito Prendi(const QString& file, bool crea);
    void Rilascia();
    bool Preso() const { return fd_ >= 0; }
    const QString& Errore() const { return errore_; }

private:
    int fd_ = -1;
    QString errore_;
};
