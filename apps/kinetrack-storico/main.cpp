// SPDX-License-Identifier: GPL-3.0-or-later
// kinetrack-storico: the training log of the athletes' saved tests.

#include "cli/pdf_storico.h"

int main(int argc, char** argv) {
    return Avvia_storico(argc, argv);
}
