// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Port numbers on Linux. The program addresses serial ports by number (Com1, Com2...);
// this is the one rule that turns a number into a device, shown to the operator in
// the port dialog and described for users in docs/porte-seriali.md.
//
// 1. Override: a symbolic link <runtime>/kinetrack/comN (runtime = $XDG_RUNTIME_DIR,
//    or /tmp/kinetrack-<uid> when that is unset) claims number N for the device it
//    points to. The folders must belong to the user and be writable by nobody else
//    (otherwise another local user could make the links and pose as the board): links
//    in a folder that is not are ignored, and the operator is told why. The virtual board makes
//    such a link while it runs; a user can make one by hand (ln -s /dev/ttyS0
//    $XDG_RUNTIME_DIR/kinetrack/com5). A link whose target is gone means "no device" for N: it does
//    not fall back to rule 2.
// 2. Fixed rule, by device name:
//      Com1..Com8   = /dev/ttyUSB0..7   (USB serial adapters)
//      Com9..Com16  = /dev/ttyACM0..7   (USB CDC boards)
//      Com17..Com30 = /dev/ttyS0..13    (built-in serial ports)
//    The numbers follow the names, not the plugging order, so a stored port number
//    keeps meaning the same device while the set of plugged adapters stays the same,
//    and every USB adapter is reachable under 1..16, the numbers the dialog lists.
// Numbers outside 1..30 have no device unless a link claims them.

#include <QString>
#include <optional>

inline constexpr int Numero_porte_max = 30;

// The folder of the override links (not created here).
QString Cartella_porte();
// Why the links' folder (or the runtime folder above it) cannot be trusted: it is not a
// real folder, belongs to another user, or others can write in it. Nothing when it is
// safe, or when it does not exist yet.
std::optional<QString> Verifica_cartella_porte();
// Makes the links' folder (and the /tmp base) with mode 0700 where missing, then checks
// it as above; the reason when it cannot be used.
std::optional<QString> Prepara_cartella_porte();
// The override link path for number N (whether it exists or not).
QString Collegamento_porta(int numero);
// The fixed-rule device name for N, empty outside 1..30; existence is not checked.
QString Dispositivo_fisso(int numero);
// The device that number N means now, or empty when there is none: the override
// link's target when the link exists, otherwise the fixed-rule device if present.
QString Dispositivo_porta(int numero);
// One line for the operator: "com3 = /dev/ttyUSB2", or "com3: nessun dispositivo
// (/dev/ttyUSB2)" when nothing is there.
QString Descrizione_porta(int numero);
