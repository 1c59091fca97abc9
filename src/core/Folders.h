#pragma once
#include <QString>

namespace zv::core {

// The per-user folder layout. Folder names the program spells in two ways
// (ZorvelantaPrinter/zorvelantaprinter, PROC/proc, Back/back, Spool/spool)
// are one folder on the office's desktops, whose file system ignores case;
// here each has one canonical spelling, the one below, so that they stay
// one folder on a file system that does not.
namespace Folders {

QString appData();          // APPDATA (no trailing separator)
QString base();             // PastaBase: APPDATA/ZorvelantaPrinter/ (trailing separator)
QString daemon();           // PastaDaemon: APPDATA/ZorvelantaPrinter (no trailing separator)
QString spool();            // APPDATA/ZorvelantaPrinter/Spool
QString spoolProc();        // APPDATA/ZorvelantaPrinter/Spool/Proc
QString proc();             // APPDATA/ZorvelantaPrinter/PROC
QString back();             // APPDATA/ZorvelantaPrinter/Back
QString temp();             // APPDATA/ZorvelantaPrinter/temp
QString report();           // APPDATA/ZorvelantaPrinter/report
QString queue();            // APPDATA/ZorvelantaPrinter/queqe
QString queueFiles();       // APPDATA/ZorvelantaPrinter/queqe/files
QString errorLog();         // APPDATA/ZorvelantaPrinter/report/ERRO.LOG

inline const QString kRoot = QStringLiteral("ZorvelantaPrinter");
inline const QString kSpool = QStringLiteral("Spool");
inline const QString kSpoolProc = QStringLiteral("Proc");
inline const QString kProc = QStringLiteral("PROC");
inline const QString kBack = QStringLiteral("Back");
inline const QString kTemp = QStringLiteral("temp");
inline const QString kReport = QStringLiteral("report");
inline const QString kQueue = QStringLiteral("queqe");
inline const QString kQueueFiles = QStringLiteral("files");

} // namespace Folders
} // namespace zv::core
