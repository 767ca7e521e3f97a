// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Squadra": the team at a glance, one row per athlete: the last test's date, the latest
// e1RM of each exercise, the latest readiness and the tests of the last 7 and 28 days.
// Double-clicking a row asks for that athlete's log.

#include <QDate>
#include <QLocale>
#include <QWidget>

class Indice_test;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

class Frm_squadra : public QWidget {
    Q_OBJECT
public:
    enum Colonna : int { Atleta = 0, Ultimo_test, E1rm, Prontezza, Test_7, Test_28, Colonne };

    // Brings the index of `squadra` up to date and shows it; `oggi` is the last of the days
    // counted.
    Frm_squadra(Indice_test& indice, const QString& squadra, const QDate& oggi,
                const QLocale& locale, QWidget* parent = nullptr);

    void Mostra_squadra(const QString& squadra);

public Q_SLOTS:
    // The index read again (tests come from the club), the team and athlete chosen kept.
    void Ricarica();

public:
    QComboBox* cbo_squadra;
    QTreeWidget* Lst_squadra;

Q_SIGNALS:
    void Atleta_scelto(const QString& squadra, const QString& atleta);

private:
    void Riga_attivata(QTreeWidgetItem* riga);

    Indice_test& indice_;
    QDate oggi_;
    QLocale locale_;
};
