// How long the demo portal takes to answer a consultation over the most
// documents an answer can carry (32767): seeds a temporary data folder,
// serves it on a free loopback port and times whole HTTP requests.
#include "portal/DemoOffice.h"
#include "portal/PortalServer.h"
#include "portal/PortalStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kDocuments = 32767;
constexpr int kRounds = 5;

size_t collect(char* data, size_t size, size_t count, void* sink)
{
    static_cast<std::string*>(sink)->append(data, size * count);
    return size * count;
}

std::string get(int port, const std::string& target)
{
    std::string body;
    CURL* curl = curl_easy_init();
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + target;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    return body;
}

std::string lineOf(const std::string& body, int index)
{
    size_t start = 0;
    for (int i = 0; i < index && start != std::string::npos; ++i) {
        start = body.find("\r\n", start);
        start = start == std::string::npos ? start : start + 2;
    }
    if (start == std::string::npos)
        return std::string();
    return body.substr(start, body.find("\r\n", start) - start);
}

void timeConsultation(int port, const std::string& session, const char* label, const std::string& filters)
{
    std::vector<double> ms;
    std::string body;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        body = get(port, "//printer/consulta_b.asp?" + session + filters);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s %6s documentos  %8.1f KB  mín %7.1f ms  mediana %7.1f ms  máx %7.1f ms  %s\n", label,
                lineOf(body, 2).c_str(), double(body.size()) / 1024.0, ms.front(), ms[ms.size() / 2],
                ms.back(), ms.back() < 1000.0 ? "(abaixo de 1 s)" : "(ACIMA de 1 s)");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    zv::portal::PortalStore store(folder.path() + QStringLiteral("/portal.sqlite"));
    zv::portal::PortalContext context{store, folder.path()};

    QElapsedTimer seeding;
    seeding.start();
    zv::portal::seedDemo(context, kDocuments);
    std::printf("semeadura de %d documentos (com os PDFs): %.1f s\n", kDocuments,
                double(seeding.elapsed()) / 1000.0);

    zv::portal::PortalServer server(context);
    const int port = server.bind("127.0.0.1", 0);
    if (port < 0) {
        std::fprintf(stderr, "não foi possível escutar em 127.0.0.1\n");
        return 1;
    }
    std::thread serving([&server] { server.run(); });

    const std::string login = get(port, "/printer/printer_login_b.asp?log=FINANCEIRO&psw=demo&dom=DEMO");
    const std::string session = "s=" + lineOf(login, 1) + "&l=101";
    timeConsultation(port, session, "todos, por publicação", "&t=0&o=0");
    timeConsultation(port, session, "todos, por usuário", "&t=0&o=5");
    timeConsultation(port, session, "pagamentos por vencimento", "&t=1&o=3");
    timeConsultation(port, session, "cliente, vencimento, não lidos", "&e=1001&t=1&d=v&i=20000101&f=20991231&o=3&m=2");

    server.stop();
    serving.join();
    return 0;
}
