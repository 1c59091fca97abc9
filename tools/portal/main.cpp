// zv-portal: the demo portal on loopback. Seeds a demo office on its first
// start in an empty data folder, prints the address it answers at and
// serves until SIGINT or SIGTERM.
#include "portal/DemoOffice.h"
#include "portal/PortalOptions.h"
#include "portal/PortalServer.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <thread>

namespace {

void say(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void complain(const QString& text)
{
    std::fputs((QStringLiteral("zv-portal: ") + text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

// The terminating signals are taken by one thread that stops the server:
// nothing but sigwait runs in signal context.
sigset_t stopSignals()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

int serve(const zv::portal::PortalOptions& options)
{
    using namespace zv::portal;
    if (!QDir().mkpath(options.dataDir)) {
        complain(QStringLiteral("não foi possível criar a pasta de dados ") + options.dataDir);
        return 1;
    }
    if (!QDir().mkpath(options.ftpRoot)) {
        complain(QStringLiteral("não foi possível criar a pasta raiz do FTP ") + options.ftpRoot);
        return 1;
    }
    PortalStore store(options.dataDir + QStringLiteral("/portal.sqlite"));
    PortalContext context{store,          options.dataDir,   options.sessionLifetime,
                          options.dateOffsetDays, options.ftpServer, options.ftpRoot};
    if (store.isEmpty()) {
        seedDemo(context);
        say(QStringLiteral("zv-portal: escritório de demonstração criado em ") + options.dataDir);
    } else if (seedDemoContactsIfMissing(context)) {
        say(QStringLiteral("zv-portal: contatos de e-mail de demonstração criados"));
    }

    PortalServer server(context);
    const int port = server.bind(options.address.toStdString(), options.port);
    if (port < 0) {
        complain(QStringLiteral("não foi possível escutar em %1:%2").arg(options.address).arg(options.port));
        return 1;
    }
    const QString host = options.address.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + options.address + QLatin1Char(']')
                             : options.address;
    say(QStringLiteral("zv-portal: ouvindo em http://%1:%2/ (dados em %3)").arg(host).arg(port).arg(options.dataDir));

    const sigset_t signals = stopSignals();
    std::thread watcher([&server, signals] {
        int received = 0;
        sigwait(&signals, &received);
        server.stop();
    });
    const bool served = server.run();
    // Wakes the watcher when the server ended on its own.
    pthread_kill(watcher.native_handle(), SIGTERM);
    watcher.join();
    return served ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    QCoreApplication application(argc, argv);
    QString error;
    const auto options = zv::portal::parseOptions(QCoreApplication::arguments(), error);
    if (!options) {
        complain(error);
        return 2;
    }
    if (options->showHelp) {
        say(options->helpText);
        return 0;
    }
    try {
        return serve(*options);
    } catch (const std::exception& failure) {
        complain(QString::fromUtf8(failure.what()));
        return 1;
    }
}
