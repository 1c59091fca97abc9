#include "transport/PortalAddress.h"

#include <QRegularExpression>
#include <QUrl>

namespace zv::transport {

namespace {

bool usable(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty()
        && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && text.endsWith(QLatin1Char('/'));
}

bool isAddress(const QString& host)
{
    static const QRegularExpression ipv4(QStringLiteral("^[0-9.]+$"));
    return host.contains(QLatin1Char(':')) || ipv4.match(host).hasMatch();
}

} // namespace

QString portalBaseUrl()
{
    const QString fromEnvironment = qEnvironmentVariable(kPortalVariable).trimmed();
    return usable(fromEnvironment) ? fromEnvironment : kDefaultPortal;
}

QString wwwForm(const QString& baseUrl)
{
    QUrl url(baseUrl);
    const QString host = url.host();
    if (host.startsWith(QLatin1String("www.")) || !host.contains(QLatin1Char('.'))
        || isAddress(host))
        return baseUrl;
    url.setHost(QStringLiteral("www.") + host);
    return url.toString();
}

QString portalWwwUrl()
{
    return wwwForm(portalBaseUrl());
}

} // namespace zv::transport
