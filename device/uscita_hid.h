#pragma once
// The HID link as the command routing sees it: one output report per command.
// The HID window implements it over hidapi; tests record what is sent.

#include <QString>

class Uscita_hid {
public:
    virtual ~Uscita_hid() = default;
    // Writes the report 0, then the command's characters (at most 8), zero-filled to
    // 9 bytes. A failure of the HID library is raised as std::runtime_error whose
    // what() is the text shown to the operator.
    virtual void HID_invia_stringa(const QString& testo) = 0;
};
