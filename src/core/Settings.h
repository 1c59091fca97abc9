#pragma once
#include <QString>

namespace zv::core {

// The system name: the settings application, the title of every message
// box and the first line of every successful portal answer.
inline const QString kSistema = QStringLiteral("Zorvelanta Printer");

// The program's settings, always under the application kSistema.
namespace Settings {
QString read(const QString& section, const QString& key, const QString& defaultValue = {});
void write(const QString& section, const QString& key, const QString& value);
} // namespace Settings

namespace Secao {
inline const QString Config = QStringLiteral("Config");
inline const QString Autenticacao = QStringLiteral("Autenticacao");
inline const QString Consulta = QStringLiteral("Consulta");
inline const QString mEnvio = QStringLiteral("mEnvio");
} // namespace Secao

} // namespace zv::core
