// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGINT, SIGTERM and SIGHUP (Ctrl+C, `kill`, a closed terminal, the end of the session)
// turned into a Qt signal on the user-interface thread, so that the program ends by its
// normal path: the main window closes and saves what is being recorded, the virtual
// board removes its port link. One per process.

#include <QObject>

class QSocketNotifier;

class Segnali_fine : public QObject {
    Q_OBJECT
public:
    explicit Segnali_fine(QObject* parent = nullptr);
    ~Segnali_fine() override;
    // False when the signals could not be taken over (they then end the process as usual).
    bool Attivo() const { return notifica_ != nullptr; }

Q_SIGNALS:
    void Fine_richiesta();

private:
    QSocketNotifier* notifica_ = nullptr;
};
