#pragma once
#include <QDateTime>
#include <QString>

namespace zv::core {

// ERRO.LOG: a Windows-1252 text file with CR LF lines, only ever appended
// to. Up to kFullRecordLimit bytes before a write each failure gets a full
// record, up to kShortLineLimit a one-line note, and beyond that nothing.
class ErrorLog {
public:
    static constexpr qint64 kFullRecordLimit = 409600;
    static constexpr qint64 kShortLineLimit = 809600;

    static QString record(const QString& descricao, qint32 numero, const QString& objeto,
                          const QString& procedimento, const QDateTime& when);
    static QString shortLine(const QString& objeto, const QDateTime& when);

    // Appends what a file of the given length deserves; false when nothing was written.
    static bool append(const QString& path, qint32 numero, const QString& objeto,
                       const QString& procedimento, const QDateTime& when);

    // The six lines of the error box.
    static QString boxText(qint32 numero, const QString& objeto, const QString& procedimento);
    static inline const QString kBoxTitle = QStringLiteral("Mensagem de ERRO do sistema!");
};

} // namespace zv::core
