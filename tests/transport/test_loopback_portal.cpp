// The test portal must record a target exactly as it was sent, since tests
// of the transport assert byte-exact URLs through it.
#include "support/LoopbackPortal.h"
#include "support/TempHome.h"
#include "transport/PortalAddress.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

namespace {

// One raw HTTP/1.0 exchange, so nothing between the test and the server
// can tidy the request line.
std::string rawExchange(quint16 port, const std::string& request)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        ::send(fd, request.data(), request.size(), 0);
        char chunk[4096];
        for (ssize_t n; (n = ::recv(fd, chunk, sizeof chunk, 0)) > 0;)
            reply.append(chunk, size_t(n));
    }
    ::close(fd);
    return reply;
}

std::string get(quint16 port, const std::string& target)
{
    return rawExchange(port, "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\nX-Probe: um\r\n\r\n");
}

} // namespace

TEST(LoopbackPortal, RecordsRawTargetsAndAnswersByPagePath)
{
    zv::test::TempHome home;
    zv::test::LoopbackPortal portal;
    EXPECT_EQ(zv::transport::portalBaseUrl(), portal.baseUrl());
    EXPECT_TRUE(portal.baseUrl().startsWith(QStringLiteral("http://127.0.0.1:")));

    portal.setAnswer(QStringLiteral("printer/a.asp"), QByteArray("single\r\n\xE7"));
    portal.setAnswer(QStringLiteral("/printer/a.asp"), QByteArray("double"), 500);
    portal.setHandler(QStringLiteral("printer/eco.asp"),
                      [](const QString& target) { return target.toLatin1(); });

    struct Case {
        std::string target;
        std::string statusLine;
        std::string body;
    };
    const Case cases[] = {
        {"/printer/a.asp?s=1&l=2", "HTTP/1.1 200", "single\r\n\xE7"},
        {"//printer/a.asp?x=1", "HTTP/1.1 500", "double"},
        {"/printer/eco.asp?p=a|b\"c{d}^~'()*!$,;:@", "HTTP/1.1 200",
         "/printer/eco.asp?p=a|b\"c{d}^~'()*!$,;:@"},
        {"/printer/eco.asp?p=%26%23%2B%25%20%E7", "HTTP/1.1 200",
         "/printer/eco.asp?p=%26%23%2B%25%20%E7"},
        {"/printer/nada.asp", "HTTP/1.1 404", "404 Not Found"},
    };
    QStringList expected;
    for (const Case& c : cases) {
        const std::string reply = get(portal.port(), c.target);
        EXPECT_EQ(reply.rfind(c.statusLine, 0), 0u) << c.target << "\n" << reply;
        EXPECT_NE(reply.find(c.body), std::string::npos) << c.target << "\n" << reply;
        expected << QString::fromLatin1(c.target.c_str());
    }
    EXPECT_EQ(portal.targets(), expected);
    ASSERT_EQ(portal.requestHeaders().size(), expected.size());
    EXPECT_EQ(portal.requestHeaders().front().value(QStringLiteral("X-Probe")), QStringLiteral("um"));

    portal.clear();
    EXPECT_TRUE(portal.targets().isEmpty());
    EXPECT_NE(get(portal.port(), "/printer/a.asp").rfind("HTTP/1.1 404", 0), std::string::npos);
}

TEST(LoopbackPortal, RestoresThePortalVariable)
{
    zv::test::TempHome home;
    qputenv(zv::transport::kPortalVariable, "http://antes.example/");
    {
        zv::test::LoopbackPortal portal;
        EXPECT_EQ(qEnvironmentVariable(zv::transport::kPortalVariable), portal.baseUrl());
    }
    EXPECT_EQ(qEnvironmentVariable(zv::transport::kPortalVariable), QStringLiteral("http://antes.example/"));
    qunsetenv(zv::transport::kPortalVariable);
}
