#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>

namespace zv::portal {

// The first line of every answer the client accepts.
inline const QString kSistema = QStringLiteral("Zorvelanta Printer");

// What a page hands back: the status and the body as it goes on the wire.
struct Reply {
    int status = 200;
    QByteArray body;
    std::string contentType = "text/html; charset=windows-1252";
};

// Refusal codes, line 0 of a refused request; line 1 is the sentence for
// the user.
enum class Refusal {
    BadRequest = 0,      // a value missing or malformed, an unknown page
    Unknown = 1,         // no such office or session
    NotAccepted = 2,     // wrong login or password, a session past its time
    Blocked = 3,         // the user may no longer use the portal
};

// Lines joined by CR LF (no line break after the last), in Windows-1252.
Reply lines(const QStringList& lines);
// A body already made of the portal's delimiters, in Windows-1252.
Reply text(const QString& body);
Reply refusal(Refusal code, const QString& sentence, int status = 200);
// A file's bytes, untouched.
Reply bytes(const QByteArray& content, std::string contentType = "application/octet-stream");
Reply empty();

} // namespace zv::portal
