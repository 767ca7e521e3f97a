// kinetrack-storico: the training log of the athletes' saved tests.

#include "comandi/storico.h"
#include "comandi/strumento.h"

int main(int argc, char** argv) {
    return Avvia_strumento(argc, argv, Esegui_storico);
}
