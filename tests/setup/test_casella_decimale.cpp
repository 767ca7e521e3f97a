// SPDX-License-Identifier: GPL-3.0-or-later
// Number entry takes "," and "." alike as the decimal separator under Italian and English
// settings, in the reusable field and in the graph editor's axis range.
#include "analysis/frm_edit_grafici.h"
#include "analysis/frm_grafici.h"
#include "platform/casella_decimale.h"
#include "session/sessione.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Types `testo` over the field's contents, as an operator does.
void Digita(QDoubleSpinBox* campo, const QString& testo) {
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Delete);
    QTest::keyClicks(campo, testo);
}

} // namespace

class Test_casella_decimale : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typed_numbers_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("mostrato"); // while typing: the regional separator
        QTest::addColumn<double>("valore");    // the field held 7
        const QLocale it(QLocale::Italian), en(QLocale::English);
        QTest::newRow("it point") << it << "12.5"
                                  << "12,5" << 12.5;
        QTest::newRow("it comma") << it << "12,5"
                                  << "12,5" << 12.5;
        QTest::newRow("en comma") << en << "-12,25"
                                  << "-12.25" << -12.25;
        QTest::newRow("it thousands are not a group") << it << "1.000"
                                                      << "1,00" << 1.0;
        QTest::newRow("two separators") << en << "1.2.3"
                                        << "1.23" << 1.23; // the second one
        QTest::newRow("too many decimals") << it << "1,234"
                                           << "1,23" << 1.23;
        QTest::newRow("letters") << en << "abc"
                                 << "" << 7.0;
    }
    void typed_numbers() {
        QFETCH(QLocale, locale);
        QFETCH(QString, testo);
        QFETCH(QString, mostrato);
        QFETCH(double, valore);
        Casella_decimale campo;
        campo.setLocale(locale);
        campo.setRange(-1000, 1000);
        campo.setDecimals(2);
        campo.setValue(7);
        Digita(&campo, testo);
        QCOMPARE(campo.text(), mostrato);
        campo.interpretText();
        QCOMPARE(campo.value(), valore);
    }

    // Under Italian settings "12.5" typed as the axis minimum is 12.5, not 125.
    void graph_editor_axis_range() {
        QTemporaryDir cartella;
        Sessione s;
        s.Cartella_applicazione = cartella.path();
        Frm_grafici grafici(s, QLocale(QLocale::Italian));
        grafici.Apri_editor(0);
        Frm_edit_grafici& editor = *grafici.Editor();
        Digita(editor.AxisMin, "12.5");
        Digita(editor.AxisMax, "99,5");
        QCOMPARE(editor.AxisMin->value(), 12.5);
        QCOMPARE(editor.AxisMax->value(), 99.5);
    }
};

QTEST_MAIN(Test_casella_decimale)
#include "test_casella_decimale.moc"
