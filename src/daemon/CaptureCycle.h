#pragma once
#include <QDateTime>
#include <QHash>
#include <QString>

namespace zv::daemon {

// Takes the print jobs out of the spool folder, one per cycle, and hands
// each to the capture program ZvP under a time-stamped name in Spool/Proc.
class CaptureCycle {
public:
    CaptureCycle() = default;

    void setSpoolFolder(const QString& vCaminho) { m_spool = vCaminho; }
    const QString& spoolFolder() const { return m_spool; }
    // Where ZvP is looked for; the program's own folder unless a test says otherwise.
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }
    QString captureProgram() const;

    // The exit check; true when the daemon must end.
    static bool Sair();
    // The capture step. Each statement that fails is reported under "Monitora".
    void Monitora();
    // Starts ZvP with the processing path as its one argument; a start that
    // fails shows the failure's number and description.
    void ExecutaCaptura(const QString& processingPath) const;

    // spool/Proc/f + ddMMyyyyhhmmss + position + ".pdf"
    static QString processingName(const QString& spool, const QDateTime& when, int position = 1);

private:
    struct Observation {
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Observation&) const = default;
    };

    // The printer may still be writing a job: one is taken only when it was
    // seen unchanged a cycle ago, or was last written more than a cycle ago.
    bool settled(const QString& name, const Observation& now) const;

    QString m_spool;
    QString m_programFolder;
    QHash<QString, Observation> m_seen;
};

} // namespace zv::daemon
