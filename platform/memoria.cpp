// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/memoria.h"

#include <cstdio>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

long Memoria_residente() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    long totale = 0, residente = 0;
    const bool letto = std::fscanf(f, "%ld %ld", &totale, &residente) == 2;
    std::fclose(f);
    return letto ? residente * sysconf(_SC_PAGESIZE) : 0;
}

void Restituisci_memoria_libera() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
