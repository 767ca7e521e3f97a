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

void Prepara_memoria() {
#if defined(__GLIBC__)
    // A fixed threshold also stops glibc raising it after each large free, which would
    // move the growing arrays back into the heap.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void Restituisci_memoria_libera() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
