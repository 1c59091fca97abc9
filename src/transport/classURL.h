#pragma once
#include <QString>

namespace zv::transport {

// The one request operation of the program: an HTTP(S) GET whose whole body
// is answered as text, one Windows-1252 character per byte, whatever the
// HTTP status. The connection is always direct (no proxy, not even one named
// by the environment) and always a fresh download. A request that cannot be
// made answers the empty text (or what arrived before it broke off); nothing
// is ever thrown. Bounded time-outs keep a silent portal from freezing the
// caller: kSegundosConexao to connect, kSegundosSemDados without a byte.
class classURL {
public:
    QString AbreURL(const QString& sUrl) const noexcept;

    static constexpr const char* kAgente = "Zorvelanta Printer";
    static constexpr long kTamanhoLeitura = 2048;
    static constexpr long kSegundosConexao = 30;
    static constexpr long kSegundosSemDados = 60;
};

// The URL as it goes on the wire: Windows-1252 bytes, with the bytes that
// cannot stand on a request line (controls, the space, beyond ASCII)
// percent-encoded; everything else, "//" included, exactly as given.
QByteArray urlParaEnvio(const QString& sUrl);

} // namespace zv::transport
