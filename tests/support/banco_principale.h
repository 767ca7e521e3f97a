// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the program opens it, over a temporary application folder: the serial
// link, the engine, the protocol, a message sink that keeps every message, a speaker that
// keeps every cue, and the window's views listening to the engine.
#include "device/protocollo.h"
#include "mainwindow/frm_main.h"
#include "platform/suono_finto.h"
#include "session/sessione.h"
#include "stream/motore_misura.h"
#include "tests/support/avvisi_prova.h"

#include <QLocale>
#include <QTemporaryDir>
#include <functional>

struct Banco_principale {
    QTemporaryDir cartella;
    Sessione s;
    Motore_misura motore{s, QLocale::c()};
    Avvisi_registrati avvisi;
    Protocollo protocollo{s, motore, avvisi};
    Suono_finto suono;
    Frm_main m;

    // `prepara` sees the session before the windows open (the application folder is set
    // already); `locale` is the windows' own.
    explicit Banco_principale(const std::function<void(Sessione&)>& prepara = {},
                              const QLocale& locale = QLocale::c());
    ~Banco_principale();
    Banco_principale(const Banco_principale&) = delete;
    Banco_principale& operator=(const Banco_principale&) = delete;
};
