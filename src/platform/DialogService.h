#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

namespace zv::platform {

// Everything that must ask or tell the person at the desktop goes through
// this one service: message boxes, the save-file dialog, the hourglass and
// the desktop's "open with the default program". The window layer installs
// the real backend; tests install ScriptedDialogs and answer in advance, so
// no test ever waits for a person.

enum class Icon { None, Exclamation, Critical, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    bool rightAligned = false; // right-aligned, right-to-left reading order
    bool secondIsDefault = false; // the second button (No, Cancel) has the focus
};

struct SaveFileRequest {
    QString title;
    QString filter;   // "Description|*.ext"
    QString fileName; // initial name
};

struct SaveFileAnswer {
    bool cancelled = false;
    QString fileName;
};

struct FolderRequest {
    QString title;
    QString folder; // where the dialog opens
};

struct FolderAnswer {
    bool cancelled = false;
    QString folder;
};

class DialogBackend {
public:
    virtual ~DialogBackend() = default;
    virtual Answer messageBox(const MessageBoxRequest& request) = 0;
    virtual SaveFileAnswer saveFile(const SaveFileRequest& request) = 0;
    virtual void setBusy(bool busy) = 0;
    // A local path or a web address; true when the desktop took it.
    virtual bool openWithDesktop(const QString& target) = 0;
    // A backend without a folder dialog answers as if the person cancelled.
    virtual FolderAnswer chooseFolder(const FolderRequest&) { return {true, {}}; }
};

class Dialogs {
public:
    static Answer messageBox(const MessageBoxRequest& request);
    static Answer messageBox(const QString& text, const QString& title, Icon icon,
                             Buttons buttons = Buttons::Ok);
    static SaveFileAnswer saveFile(const SaveFileRequest& request);
    static void setBusy(bool busy);
    static bool openWithDesktop(const QString& target);
    static FolderAnswer chooseFolder(const FolderRequest& request);

    // The backend stays owned by the caller; nullptr restores the headless one.
    static void install(DialogBackend* backend);
    static DialogBackend* installed();
};

// The hourglass for as long as the object lives.
class BusyCursor {
public:
    BusyCursor() { Dialogs::setBusy(true); }
    ~BusyCursor() { Dialogs::setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Answers given in advance, in order, and a record of everything shown.
// A box with only an OK button needs no queued answer. A question with no
// queued answer is answered No (or Cancel) and counted in unanswered().
class ScriptedDialogs : public DialogBackend {
public:
    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    void answerNext(Answer answer) { m_answers.push_back(answer); }
    void chooseFileNext(const QString& fileName) { m_files.push_back({false, fileName}); }
    void cancelFileNext() { m_files.push_back({true, {}}); }
    void chooseFolderNext(const QString& folder) { m_folders.push_back({false, folder}); }
    void cancelFolderNext() { m_folders.push_back({true, {}}); }

    const QList<MessageBoxRequest>& boxes() const { return m_boxes; }
    QStringList texts() const;
    const QList<SaveFileRequest>& fileDialogs() const { return m_fileDialogs; }
    const QList<FolderRequest>& folderDialogs() const { return m_folderDialogs; }
    const QStringList& opened() const { return m_opened; }
    int unanswered() const { return m_unanswered; }
    int busyDepth() const { return m_busy; }
    int busyCalls() const { return m_busyCalls; }
    void clear();
    void setDesktopOpens(bool opens) { m_desktopOpens = opens; }

    Answer messageBox(const MessageBoxRequest& request) override;
    SaveFileAnswer saveFile(const SaveFileRequest& request) override;
    void setBusy(bool busy) override;
    bool openWithDesktop(const QString& target) override;
    // A folder dialog with no queued answer is cancelled and counted in unanswered().
    FolderAnswer chooseFolder(const FolderRequest& request) override;

private:
    std::deque<Answer> m_answers;
    std::deque<SaveFileAnswer> m_files;
    QList<MessageBoxRequest> m_boxes;
    QList<SaveFileRequest> m_fileDialogs;
    std::deque<FolderAnswer> m_folders;
    QList<FolderRequest> m_folderDialogs;
    QStringList m_opened;
    int m_unanswered = 0;
    int m_busy = 0;
    int m_busyCalls = 0;
    bool m_desktopOpens = true;
};

} // namespace zv::platform
