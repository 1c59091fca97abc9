#include "core/ErrorLog.h"

#include "core/Folders.h"
#include "core/ModFuncs.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/DialogService.h"
#include "platform/ErrorNumbers.h"
#include "platform/Regional.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::core {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString label(const QString& name)
{
    return QLatin1Char('*') + name.rightJustified(13, QLatin1Char(' ')) + QLatin1Char('|');
}

QString booleanWord(bool value)
{
    return value ? QStringLiteral("Verdadeiro") : QStringLiteral("Falso");
}

QString executableBaseName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("ZuVA") : QFileInfo(path).completeBaseName();
}

} // namespace

QString ErrorLog::record(const QString& descricao, qint32 numero, const QString& objeto,
                         const QString& procedimento, const QDateTime& when)
{
    using platform::Regional;
    const QStringList lines = {
        QString(),
        QString(),
        QStringLiteral("*Begin Error"),
        label(QStringLiteral("Descricao")) + descricao,
        label(QStringLiteral("ErroN")) + QString::number(numero),
        label(QStringLiteral("AppEXENome")) + executableBaseName(),
        label(QStringLiteral("Modulo")) + objeto,
        label(QStringLiteral("Procedure")) + procedimento.left(200),
        label(QStringLiteral("Data")) + Regional::shortDate(when.date()),
        label(QStringLiteral("Hora")) + Regional::longTime(when.time()),
        QStringLiteral("*End Error"),
    };
    return lines.join(kCrLf) + kCrLf;
}

QString ErrorLog::shortLine(const QString& objeto, const QDateTime& when)
{
    return when.toString(QStringLiteral("ddMMyyHHmmss")) + QLatin1Char(' ') + objeto + kCrLf;
}

bool ErrorLog::append(const QString& path, qint32 numero, const QString& objeto,
                      const QString& procedimento, const QDateTime& when)
{
    QFile file(path);
    const qint64 before = file.exists() ? file.size() : 0;
    if (before > kShortLineLimit)
        return false;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    if (QFileInfo(path).fileName().toUpper() != QLatin1String("ERRO.LOG"))
        return false;
    const QString text = before <= kFullRecordLimit
        ? record(platform::errorDescription(numero), numero, objeto, procedimento, when)
        : shortLine(objeto, when);
    const QByteArray bytes = platform::toCp1252(text);
    return file.write(bytes) == bytes.size();
}

QString ErrorLog::boxText(qint32 numero, const QString& objeto, const QString& procedimento)
{
    return QStringList{
        QStringLiteral("ERRO"),
        QStringLiteral("Se este erro persistir informe o Administrador do sistema!"),
        QStringLiteral("NoMessage: ") + booleanWord(NoMessage),
        QStringLiteral("IsExe: ") + booleanWord(IsExe()),
        objeto + QStringLiteral(" - ") + procedimento,
        QString::number(numero) + QStringLiteral(" - ") + platform::errorDescription(numero),
    }.join(kCrLf);
}

void TrataErro(qint32 numero, const QString& objeto, const QString& procedimento)
{
    try {
        if (!NoMessage) {
            platform::MessageBoxRequest box;
            box.text = ErrorLog::boxText(numero, objeto, procedimento);
            box.title = ErrorLog::kBoxTitle;
            box.icon = platform::Icon::Critical;
            box.buttons = platform::Buttons::Ok;
            box.rightAligned = true;
            platform::Dialogs::messageBox(box);
        }
        if (IsExe()) {
            QDir().mkpath(Folders::report());
            ErrorLog::append(Folders::errorLog(), numero, objeto, procedimento,
                             platform::Clock::now());
        }
    } catch (...) {
        // The error routine itself never fails towards its caller.
    }
}

} // namespace zv::core
