// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/banco_principale.h"

#include "analysis/frm_analisi.h"
#include "analysis/frm_grafici.h"
#include "setup/frm_intestazione.h"

Banco_principale::Banco_principale(const std::function<void(Sessione&)>& prepara,
                                   const QLocale& locale) {
    s.Cartella_applicazione = cartella.path();
    s.Scheda.Collegamento = Collegamento::Seriale;
    if (prepara) prepara(s);
    m.Imposta_uscita_suono(suono);
    m.Apri_finestre(s, locale, protocollo, motore, avvisi);
    m.Grafici->Imposta_lista(&motore.Lst_valori());
    m.Grafici->Imposta_analisi(&motore.Analisi());
    motore.Aggiungi_vista(*m.Intestazione);
    motore.Aggiungi_vista(*m.Grafici);
    motore.Aggiungi_vista(*m.Inoltro_analisi);
    m.show();
}

Banco_principale::~Banco_principale() {
    motore.Togli_viste();
}
