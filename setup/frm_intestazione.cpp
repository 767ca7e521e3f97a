// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/frm_intestazione.h"

#include "session/formato.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

// Lengths of the layout, converted from twips (15 per pixel).
constexpr int Spazio_dopo_pulsante = 20; // 300 twips
constexpr int Margine_superiore = 3;     // 50 twips
constexpr double Altezza_relativa = 0.12;

QLabel* Nuova_etichetta(QWidget* padre, const QString& testo) {
    auto* etichetta = new QLabel(testo, padre);
    QFont carattere = etichetta->font();
    carattere.setPointSize(12);
    carattere.setBold(true);
    etichetta->setFont(carattere);
    etichetta->setTextFormat(Qt::PlainText); // athletes' names are not markup
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etichetta;
}

} // namespace

Frm_intestazione::Frm_intestazione(QWidget* parent)
    : QWidget(parent), Button_Configura(new QPushButton(tr("CONFIGURA"), this)),
      Lbl_intestazione(Nuova_etichetta(this, QString())),
      Lbl_intestazione1(Nuova_etichetta(this, QString())),
      Lbl_spostamento(Nuova_etichetta(this, QString())) {
    setWindowTitle(tr("INTESTAZIONE"));
    Azzera_spostamento();
    connect(Button_Configura, &QPushButton::clicked, this, &Frm_intestazione::Configura_richiesta);
}

void Frm_intestazione::Aggiorna_intestazione(const Dati_esercizio_t& dati, const QLocale& locale) {
    locale_ = locale;
    decimali_mostrati_ = -1; // the next displacement is written in this locale
    const auto N = [&locale](float valore) { return Testo_numero(valore, locale); };
    Lbl_intestazione->setText(tr("Atleta: %1    Carico (Kg): %2    Esercizio: %3")
                                  .arg(dati.Atleta, N(dati.Carico), dati.Esercizio));
    Lbl_intestazione1->setText(
        tr("Velocità Max (mm/s): %1    Limite Sup. (%): %2    Limite Inf. (%): %3")
            .arg(N(dati.Vmax), N(dati.Limite_sup), N(dati.Limite_inf)));
    // The band's line may have grown into the displacement's place.
    Disponi_etichette();
}

void Frm_intestazione::Azzera_spostamento() {
    decimali_mostrati_ = -1; // the next record is written whatever it holds
    Lbl_spostamento->setText(Testo_spostamento(Formatta(0.0, 0, locale_)));
}

QString Frm_intestazione::Testo_spostamento(const QString& centimetri) {
    return tr("Spost(cm)=  %1").arg(centimetri);
}

void Frm_intestazione::riposiziona(int W, int H) {
    setGeometry(0, 0, W, static_cast<int>(std::lround(Altezza_relativa * H)));
    Disponi_etichette();
}

void Frm_intestazione::Disponi_etichette() {
    const int w = width();
    const int h = height();
    const int larghezza_pulsante = w / 9;
    Button_Configura->setGeometry(0, 0, larghezza_pulsante, h);
    const int sinistra = larghezza_pulsante + Spazio_dopo_pulsante;
    const int riga = h / 2;
    Lbl_intestazione->setGeometry(sinistra, Margine_superiore, w - larghezza_pulsante, riga);
    // The displacement stands two thirds along, or after the band's line where that is
    // longer (a narrow screen), and has the rest of the strip.
    const int larghezza_seconda =
        std::max((w - larghezza_pulsante) * 2 / 3,
                 Lbl_intestazione1->sizeHint().width() + Spazio_dopo_pulsante);
    Lbl_intestazione1->setGeometry(sinistra, Margine_superiore + riga, larghezza_seconda, riga);
    const int sinistra_spostamento = sinistra + larghezza_seconda;
    Lbl_spostamento->setGeometry(sinistra_spostamento, Margine_superiore + riga,
                                 std::max(w / 8, w - sinistra_spostamento), riga);
}

void Frm_intestazione::Spostamento(double centimetri, int decimali) {
    if (!std::isfinite(centimetri)) centimetri = 0;
    // The text changes only when the value rounded to `decimali` does. Away from a
    // rounding tie, rounding the binary value gives the same digits as the text, so
    // the comparison is cheap; near a tie the text is always rebuilt.
    const double scalato = centimetri * std::pow(10.0, decimali);
    const double frazione = std::fabs(scalato - std::trunc(scalato));
    if (std::fabs(scalato) < 1e8 && std::fabs(frazione - 0.5) > 1e-6) {
        const long long arrotondato = std::llround(scalato);
        if (decimali == decimali_mostrati_ && arrotondato == spostamento_mostrato_) return;
        spostamento_mostrato_ = arrotondato;
        decimali_mostrati_ = decimali;
    } else {
        decimali_mostrati_ = -1;
    }
    Lbl_spostamento->setText(Testo_spostamento(Formatta(centimetri, decimali, locale_)));
}
