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

bool isFtpServerName(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c.unicode() <= 0x20 || c.unicode() == 0x7F)
            return false;
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return true;
    // A numeric IPv6 host goes in brackets, so its own colons are not taken
    // for the port's.
    const QString host = text.left(colon);
    const bool plainHost = !host.contains(QLatin1Char(':'))
                           || (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')));
    qlonglong port = 0;
    return !host.isEmpty() && plainHost && readNumber(text.mid(colon + 1), 1, 65535, port);
}

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
    const QCommandLineOption ftp(QStringLiteral("ftp"),
                                 QStringLiteral("Servidor FTP entregue no login (HOST:PORTA)."),
                                 QStringLiteral("HOST:PORTA"));
    const QCommandLineOption ftpRoot(QStringLiteral("ftp-root"),
                                     QStringLiteral("Pasta raiz do servidor FTP (padrão PASTA/ftp)."),
                                     QStringLiteral("PASTA"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra esta ajuda."));
    parser.addOptions({port, data, listen, lifetime, offset, ftp, ftpRoot, help});
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
    if (parser.isSet(ftp)) {
        options.ftpServer = parser.value(ftp);
        if (!isFtpServerName(options.ftpServer)) {
            error = QStringLiteral("servidor FTP inválido: ") + options.ftpServer;
            return std::nullopt;
        }
    }
    const QString root = parser.isSet(ftpRoot) ? parser.value(ftpRoot) : options.dataDir + QStringLiteral("/ftp");
    if (root.trimmed().isEmpty()) {
        error = QStringLiteral("pasta raiz do FTP inválida");
        return std::nullopt;
    }
    options.ftpRoot = QDir(root).absolutePath();
    return options;
}

} // namespace zv::portal
