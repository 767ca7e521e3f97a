// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process's memory as the system sees it, and giving freed memory back to it.

// Resident memory of the whole process, in bytes (0 where the system does not say).
long Memoria_residente();

// Hands the memory the allocator keeps free back to the system. Freed small blocks stay
// in the C library's heap, so after a long set is dropped the process would otherwise
// stay as large as it was. Costs a walk of the heap: call it after a large release only.
void Restituisci_memoria_libera();

// Sets the allocator up for long recordings, once at start: blocks from 128 KB up (the
// arrays a long set keeps growing) get pages of their own, grow in place and go back to
// the system whole when freed, instead of leaving holes in the heap that stay resident.
void Prepara_memoria();
