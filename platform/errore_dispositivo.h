#pragma once
// How the platform layers report a failure: they throw Errore_dispositivo (the serial
// port its subclass Errore_porta) carrying the text shown to the operator. The layers
// above catch it at their own boundary.

#include <QString>
#include <stdexcept>

class Errore_dispositivo : public std::runtime_error {
public:
    explicit Errore_dispositivo(const QString& testo)
        : std::runtime_error(testo.toStdString()), testo_(testo) {}
    const QString& testo() const { return testo_; }

private:
    QString testo_;
};
