// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock file a serial port is taken with. Before opening a port, QSerialPort makes a
// lock file LCK..<device> (the UUCP way, shared with minicom, screen and the like) in the
// first lock folder it may use; a port whose lock file is another program's, or was left by
// a program of another user that ended without removing it, cannot be opened. Qt then says
// only "Permission error while locking the device": these name the file and what to do.

#include <QString>
#include <QStringList>

// The folders QSerialPort looks in, in its order.
const QStringList& Cartelle_blocco_porte();

// The lock file QSerialPort uses for `dispositivo` ("/dev/ttyUSB0" gives
// "/var/lock/LCK..ttyUSB0"): in the first folder that can be read and either holds the
// file already or takes a new one. Empty when no folder will do.
QString File_blocco_porta(const QString& dispositivo);

// For the operator: who holds the lock file (program, process, user, whether it still
// runs) and what to do about it; also when there is no folder for it at all.
QString Spiega_blocco_porta(const QString& file_blocco);
