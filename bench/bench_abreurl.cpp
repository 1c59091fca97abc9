// AbreURL of a 10 MB answer from a loopback server against the curl command
// line fetching the same URL to /dev/null. Prints both times and the ratio.
#include "transport/classURL.h"

#include <httplib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int kTamanho = 10 * 1024 * 1024;
constexpr int kRodadas = 10;

template <class F>
double melhorTempo(F&& f)
{
    double melhor = 1e300;
    for (int i = 0; i < kRodadas; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        melhor = std::min(melhor, t.nsecsElapsed() / 1e6);
    }
    return melhor;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::string corpo(kTamanho, '\0');
    for (int i = 0; i < kTamanho; ++i)
        corpo[size_t(i)] = char("Zorvelanta Printer\r\n0123456789<!#>@%"[i % 37]);

    httplib::Server servidor;
    // Served from the one buffer, without a copy per request, so the figures
    // measure the two clients rather than the server.
    servidor.Get("/printer/grande.asp", [&](const httplib::Request&, httplib::Response& r) {
        r.set_content_provider(corpo.size(), "text/html",
                               [&](size_t offset, size_t length, httplib::DataSink& sink) {
                                   sink.write(corpo.data() + offset, std::min<size_t>(length, 1 << 16));
                                   return true;
                               });
    });
    const int porta = servidor.bind_to_any_port("127.0.0.1");
    std::thread worker([&] { servidor.listen_after_bind(); });
    while (!servidor.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const QString url = QStringLiteral("http://127.0.0.1:%1/printer/grande.asp").arg(porta);

    zv::transport::classURL requisicao;
    qsizetype recebido = 0;
    const double abre = melhorTempo([&] { recebido = requisicao.AbreURL(url).size(); });
    int saida = -1;
    const double linha = melhorTempo([&] {
        saida = QProcess::execute(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"),
                                                          QStringLiteral("/dev/null"), url});
    });

    servidor.stop();
    worker.join();
    if (recebido != kTamanho || saida != 0) {
        std::fprintf(stderr, "falha: AbreURL recebeu %lld bytes, curl terminou com %d\n",
                     static_cast<long long>(recebido), saida);
        return 1;
    }
    std::printf("AbreURL, 10 MB de 127.0.0.1 (melhor de %d): %8.1f ms\n", kRodadas, abre);
    std::printf("curl -s -o /dev/null, mesma URL:           %8.1f ms\n", linha);
    std::printf("razao AbreURL / curl: %.2f (meta: ate 1,5)\n", abre / linha);
    return 0;
}
