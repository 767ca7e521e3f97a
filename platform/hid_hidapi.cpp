// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hid_hidapi.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <mutex>

namespace {
QString Testo_errore(hid_device* dispositivo, const char* predefinito) {
    const wchar_t* testo = hid_error(dispositivo);
    return testo ? QString::fromWCharArray(testo) : QString::fromLatin1(predefinito);
}

// hidapi keeps a per-device error text that both hid_read_timeout and hid_write
// replace, so the two must not run at the same time. The reader waits in short slices
// with the lock held, which keeps a command write waiting at most one slice.
class Connessione_hidapi : public Connessione_hid {
public:
    explicit Connessione_hidapi(hid_device* d) : d_(d) {}
    ~Connessione_hidapi() override { hid_close(d_); }
    Connessione_hidapi(const Connessione_hidapi&) = delete;
    Connessione_hidapi& operator=(const Connessione_hidapi&) = delete;

    static constexpr int Fetta_ms = 10;

    void Scrivi(const std::uint8_t* report, std::size_t lunghezza) override {
        std::lock_guard blocco(mutex_);
        if (hid_write(d_, report, lunghezza) < 0)
            throw Errore_piattaforma(Testo_errore(d_, "HID write failed"));
    }
    int Leggi(std::uint8_t* dati, std::size_t capienza, int attesa_ms) override {
        for (int atteso = 0;; atteso += Fetta_ms) {
            int letti = 0;
            {
                std::lock_guard blocco(mutex_);
                letti = hid_read_timeout(d_, dati, capienza, std::min(Fetta_ms, attesa_ms));
            }
            if (letti != 0 || atteso + Fetta_ms >= attesa_ms) return letti;
        }
    }

private:
    hid_device* d_;
    std::mutex mutex_;
};
} // namespace

Libreria_hidapi::Libreria_hidapi() : pronta_(hid_init() == 0) {}

Libreria_hidapi::~Libreria_hidapi() {
    if (pronta_) hid_exit();
}

std::vector<Dispositivo_hid> Libreria_hidapi::Elenca() {
    std::vector<Dispositivo_hid> elenco;
    if (!pronta_) return elenco;
    hid_device_info* lista = hid_enumerate(0, 0);
    for (auto* d = lista; d; d = d->next)
        elenco.push_back({d->vendor_id, d->product_id, QByteArray(d->path)});
    hid_free_enumeration(lista);
    return elenco;
}

std::unique_ptr<Connessione_hid> Libreria_hidapi::Apri(const QByteArray& percorso) {
    if (!pronta_) throw Errore_piattaforma(QStringLiteral("hidapi could not start"));
    hid_device* d = hid_open_path(percorso.constData());
    if (!d) throw Errore_piattaforma(Testo_errore(nullptr, "cannot open the HID device"));
    return std::make_unique<Connessione_hidapi>(d);
}
