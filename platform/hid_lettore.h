// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads input reports on a thread of its own (hidapi's read blocks) and hands each one,
// as a whole 65-byte report (report number 0, then 64 data bytes), to the
// user-interface thread by queued signal.

#include "platform/hid_libreria.h"

#include <QByteArray>
#include <QObject>
#include <atomic>
#include <thread>

class Lettore_hid : public QObject {
    Q_OBJECT
public:
    explicit Lettore_hid(QObject* parent = nullptr) : QObject(parent) {}
    ~Lettore_hid() override { Ferma(); }

    static constexpr int Byte_report = 65;
    // How long one read waits, so a stop request is seen promptly.
    static constexpr int Attesa_ms = 50;

    // Starts reading `connessione` (which must outlive the reader until Ferma).
    void Avvia(Connessione_hid& connessione);
    // Asks the thread to stop and joins it. No signal is delivered after it returns
    // except those already queued.
    void Ferma();
    bool Attivo() const { return thread_.joinable(); }

Q_SIGNALS:
    void Report_letto(const QByteArray& report);
    // The device failed or vanished; the thread has ended.
    void Lettura_fallita();

private:
    std::thread thread_;
    std::atomic<bool> fermare_{false};
};
