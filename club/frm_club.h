// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Club...": the club's server this station sends its tests to and reads the other stations'
// tests from: server, port, database, user, encryption and the station's name, stored in the
// settings; the password goes only to PostgreSQL's password file. "Prova" connects and says
// what happened; "Nessun club" switches the club off. And the small window that asks for the
// password again when the server refused it.

#include "club/parametri_club.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

class Frm_club : public QDialog {
    Q_OBJECT
public:
    // The result of exec() when "Nessun club" closed the window (Accepted: a club was stored).
    static constexpr int Nessun_club = 2;

    // Filled with the stored club, or with the defaults (port 5432, the host's name).
    explicit Frm_club(QWidget* parent = nullptr);

    // The club as the fields say it; nothing, with the reason, when a field is missing.
    std::optional<Parametri_club> Parametri(QString* errore = nullptr) const;
    void Mostra_parametri(const Parametri_club& p);

    // Connects on a thread of its own and tells the outcome in Lbl_esito.
    void Prova();
    // Stores the club (and the password, when one was typed) and closes; when something could
    // not be stored, says so and stays open.
    void Conferma();
    // Stores that there is no club and closes with Nessun_club.
    void Spegni();

    QLineEdit* Txt_server;
    QSpinBox* Txt_porta;
    QLineEdit* Txt_database;
    QLineEdit* Txt_utente;
    QComboBox* cbo_tls; // its items' data: libpq's sslmode
    QLineEdit* Txt_stazione;
    QLineEdit* Txt_password;
    QLabel* Lbl_esito;
    QPushButton* Cmd_prova;
    QPushButton* Cmd_nessun_club;
    QPushButton* Cmd_ok;
    QPushButton* Cmd_annulla;

Q_SIGNALS:
    // A "Prova" ended (its text is in Lbl_esito).
    void Prova_conclusa(bool collegato);

private:
    // The typed password into the password file; false, said in Lbl_esito, when it failed.
    bool Scrivi_password(const Parametri_club& p);
    void Mostra_esito(const QString& testo, bool errore);
};

// Asks for the club's password again after the server refused it, and writes it into the
// password file. Accepted once written; the reason stays shown when it could not be.
class Frm_password_club : public QDialog {
    Q_OBJECT
public:
    Frm_password_club(const Parametri_club& p, QWidget* parent = nullptr);
    void Conferma();

    QLineEdit* Txt_password;
    QLabel* Lbl_errore;

private:
    Parametri_club p_;
};
