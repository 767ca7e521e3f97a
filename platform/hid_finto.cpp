// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hid_finto.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace {
class Connessione_finta : public Connessione_hid {
public:
    explicit Connessione_finta(std::shared_ptr<Libreria_hid_finta::Stato> s) : s_(std::move(s)) {}
    void Scrivi(const std::uint8_t* report, std::size_t lunghezza) override {
        std::lock_guard blocco(s_->mutex);
        if (!s_->presente) throw Errore_piattaforma(QStringLiteral("device not connected"));
        const QByteArray scritto(reinterpret_cast<const char*>(report),
                                 static_cast<qsizetype>(lunghezza));
        s_->scritti.append(scritto);
        if (s_->risponditore) {
            const QByteArray risposta = s_->risponditore(scritto);
            if (!risposta.isEmpty()) {
                s_->in_arrivo.push_back(risposta);
                s_->arrivato.notify_all();
            }
        }
    }
    int Leggi(std::uint8_t* dati, std::size_t capienza, int attesa_ms) override {
        std::unique_lock blocco(s_->mutex);
        s_->arrivato.wait_for(blocco, std::chrono::milliseconds(attesa_ms),
                              [this] { return !s_->presente || !s_->in_arrivo.empty(); });
        if (!s_->presente) return -1;
        if (s_->in_arrivo.empty()) return 0;
        const QByteArray r = s_->in_arrivo.front();
        s_->in_arrivo.pop_front();
        const auto n = std::min(capienza, static_cast<std::size_t>(r.size()));
        std::memcpy(dati, r.constData(), n);
        return static_cast<int>(n);
    }

private:
    std::shared_ptr<Libreria_hid_finta::Stato> s_;
};
} // namespace

void Libreria_hid_finta::Collega(const Dispositivo_hid& d) {
    dispositivi_.push_back(d);
    auto& stato = stati_[d.percorso];
    if (stato) {
        std::lock_guard blocco(stato->mutex);
        stato->presente = true;
    }
}

void Libreria_hid_finta::Scollega(const Dispositivo_hid& d) {
    std::erase(dispositivi_, d);
    const auto s = stati_.find(d.percorso);
    if (s == stati_.end() || !s->second) return;
    {
        std::lock_guard blocco(s->second->mutex);
        s->second->presente = false;
    }
    s->second->arrivato.notify_all();
    s->second.reset(); // a new plug gets a fresh device
}

void Libreria_hid_finta::Invia_report(const QByteArray& percorso, const QByteArray& dati) {
    const auto s = stati_.find(percorso);
    if (s == stati_.end() || !s->second) return;
    {
        std::lock_guard blocco(s->second->mutex);
        s->second->in_arrivo.push_back(dati);
    }
    s->second->arrivato.notify_all();
}

QList<QByteArray> Libreria_hid_finta::Prendi_scritti(const QByteArray& percorso) {
    const auto s = stati_.find(percorso);
    if (s == stati_.end() || !s->second) return {};
    std::lock_guard blocco(s->second->mutex);
    return std::exchange(s->second->scritti, {});
}

std::vector<Dispositivo_hid> Libreria_hid_finta::Elenca() {
    return dispositivi_;
}

std::unique_ptr<Connessione_hid> Libreria_hid_finta::Apri(const QByteArray& percorso) {
    const bool presente = std::any_of(dispositivi_.begin(), dispositivi_.end(),
                                      [&](const auto& d) { return d.percorso == percorso; });
    if (rifiuta_ || !presente)
        throw Errore_piattaforma(rifiuta_ ? QStringLiteral("Permission denied")
                                          : QStringLiteral("No such device"));
    auto& stato = stati_[percorso];
    if (!stato) stato = std::make_shared<Stato>();
    stato->risponditore = Risponditore;
    ++aperture_;
    return std::make_unique<Connessione_finta>(stato);
}
