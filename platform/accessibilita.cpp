// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessibilita.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <memory>

namespace {

// A list as a screen reader hears it: the name the list was given or, without one, its
// label's; the entry chosen as its value. (Qt's own, on this system, names a list by the
// entry it shows.)
class Lista_accessibile : public QAccessibleWidget {
public:
    explicit Lista_accessibile(QComboBox* lista)
        : QAccessibleWidget(lista, QAccessible::ComboBox) {}

    QString text(QAccessible::Text tipo) const override {
        const auto* lista = static_cast<const QComboBox*>(widget());
        if (tipo == QAccessible::Value) return lista->currentText();
        QString testo = QAccessibleWidget::text(tipo);
        if (tipo == QAccessible::Name && testo.isEmpty()) testo = lista->currentText();
        return testo;
    }
};

QAccessibleInterface* Fabbrica(const QString& classe, QObject* oggetto) {
    if (classe == QLatin1String("QComboBox"))
        if (auto* lista = qobject_cast<QComboBox*>(oggetto)) return new Lista_accessibile(lista);
    return nullptr;
}

// Two pixels in the focus colour around the widget that has the keyboard, drawn outside it.
class Anello_fuoco : public QFocusFrame {
public:
    using QFocusFrame::QFocusFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        if (widget() == nullptr) return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), Spessore));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(Spessore / 2.0, Spessore / 2.0, -Spessore / 2.0,
                                           -Spessore / 2.0));
    }

public:
    static constexpr int Spessore = 2;
};

} // namespace

void Prepara_accessibilita() {
    static bool fabbrica = false;
    if (!fabbrica) {
        QAccessible::installFactory(Fabbrica);
        fabbrica = true;
    }
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr || app->property("kt_anello_fuoco").toBool()) return;
    app->setProperty("kt_anello_fuoco", true);
    // One ring, moved along with the focus; it goes with the window it is in, and the next
    // focus change makes another.
    auto anello = std::make_shared<QPointer<Anello_fuoco>>();
    QObject::connect(app, &QApplication::focusChanged, app, [anello](QWidget*, QWidget* ora) {
        // Around a window, or in a sub-window, there is no place for it.
        const QWidget* sopra = ora != nullptr ? ora->parentWidget() : nullptr;
        if (sopra == nullptr || ora->isWindow() || sopra->windowType() == Qt::SubWindow) return;
        if (anello->isNull()) *anello = new Anello_fuoco;
        (*anello)->setWidget(ora);
    });
}
