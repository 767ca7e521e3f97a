// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the whole program does for the keyboard and for screen readers, set once at start-up:
// a focus ring that shows where the keyboard is, and lists (combo boxes) told by their name
// (their own, or their label's) and their value, never by their value alone.

// Safe to call more than once: what is in place stays, once.
void Prepara_accessibilita();
