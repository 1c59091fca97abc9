#pragma once
#include <QString>

namespace zv::daemon {

// Points the virtual PDF printer at the spool folder and empties the
// working folders at every start.
class SpoolConfiguration {
public:
    static inline const QString kOutputFileKey =
        QStringLiteral("HKEY_CURRENT_USER\\Software\\ZorvelantaPrinter\\OutputFile");

    // Creates APPDATA/ZorvelantaPrinter and its Spool folder, then writes the
    // printer's output pattern. Answers the spool folder (vCaminho). Each
    // statement that fails is reported under procedure "suRegistros".
    static QString suRegistros();

    // Writes one registry value when it differs from what is stored (or
    // nothing is stored). Never reports anything.
    static void ConfRegistro(const QString& key, const QString& value, const QString& type);

    // Empties (or creates) PROC, temp and Spool/Proc; sub-folders stay.
    static void LimpaProc();
};

} // namespace zv::daemon
