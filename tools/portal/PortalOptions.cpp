#include "portal/PortalOptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <arpa/inet.h>

namespace zv::portal {

QString defaultDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/ZorvelantaPrinter-demo-portal");
}

namespace {

// A numeric IPv4 or IPv6 address (names are not resolved: the portal is
// meant for one machine unless its operator says which interface).
bool isAddress(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    unsigned char buffer[16];
    return inet_pton(AF_INET, bytes.constData(), buffer) == 1
           || inet_pton(AF_INET6, bytes.constData(), buffer) == 1;
}

bool readNumber(const QString& text, qlonglong lowest, qlonglong highest, qlonglong& out)
{
    bool ok = false;
    out = text.toLongLong(&ok);
    return ok && out >= lowest && out <= highest;
}

} // namespace

std::optional<PortalOptions> parseOptions(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Portal de demonstração: atende, só neste computador, as páginas que o daemon usa."));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Porta (0 = uma livre)."),
                                  QStringLiteral("N"), QStringLiteral("8765"));
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Pasta dos dados."),
                                  QStringLiteral("PASTA"), defaultDataDir());
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Endereço de escuta (padrão 127.0.0.1)."),
                                    QStringLiteral("ENDERECO"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption lifetime(QStringLiteral("session-lifetime"),
                                      QStringLiteral("Segundos que uma sessão sem uso continua válida."),
                                      QStringLiteral("S"), QStringLiteral("604800"));
    const QCommandLineOption offset(QStringLiteral("date-offset"),
                                    QStringLiteral("Dias somados à data que o portal informa."),
                                    QStringLiteral("DIAS"), QStringLiteral("0"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra esta ajuda."));
    parser.addOptions({port, data, listen, lifetime, offset, help});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    PortalOptions options;
    if (parser.isSet(help)) {
        options.showHelp = true;
        options.helpText = parser.helpText();
        return options;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("argumento inesperado: ") + parser.positionalArguments().first();
        return std::nullopt;
    }
    qlonglong number = 0;
    if (!readNumber(parser.value(port), 0, 65535, number)) {
        error = QStringLiteral("porta inválida: ") + parser.value(port);
        return std::nullopt;
    }
    options.port = int(number);
    if (!readNumber(parser.value(lifetime), 1, qlonglong(1) << 40, number)) {
        error = QStringLiteral("tempo de sessão inválido: ") + parser.value(lifetime);
        return std::nullopt;
    }
    options.sessionLifetime = number;
    if (!readNumber(parser.value(offset), -36500, 36500, number)) {
        error = QStringLiteral("deslocamento de data inválido: ") + parser.value(offset);
        return std::nullopt;
    }
    options.dateOffsetDays = int(number);
    options.address = parser.value(listen);
    if (!isAddress(options.address)) {
        error = QStringLiteral("endereço de escuta inválido: ") + options.address;
        return std::nullopt;
    }
    options.dataDir = QDir(parser.value(data)).absolutePath();
    return options;
}

} // namespace zv::portal
