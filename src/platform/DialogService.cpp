#include "platform/DialogService.h"

#include <cstdio>

namespace zv::platform {

namespace {

// With no window layer (a headless run) a box is written to the standard
// error stream and answered with its safe default.
class HeadlessDialogs : public DialogBackend {
public:
    Answer messageBox(const MessageBoxRequest& request) override
    {
        std::fprintf(stderr, "[%s] %s\n", qUtf8Printable(request.title),
                     qUtf8Printable(request.text));
        switch (request.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        case Buttons::YesNoCancel: return Answer::Cancel;
        }
        return Answer::Ok;
    }
    SaveFileAnswer saveFile(const SaveFileRequest&) override { return {true, {}}; }
    void setBusy(bool) override {}
    bool openWithDesktop(const QString&) override { return false; }
};

HeadlessDialogs& headless()
{
    static HeadlessDialogs h;
    return h;
}

DialogBackend*& current()
{
    static DialogBackend* backend = nullptr;
    return backend;
}

DialogBackend& backend()
{
    return current() ? *current() : headless();
}

Answer defaultAnswer(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Answer::Cancel;
    case Buttons::YesNo: return Answer::No;
    }
    return Answer::Ok;
}

} // namespace

Answer Dialogs::messageBox(const MessageBoxRequest& request) { return backend().messageBox(request); }

Answer Dialogs::messageBox(const QString& text, const QString& title, Icon icon, Buttons buttons)
{
    return messageBox(MessageBoxRequest{text, title, icon, buttons, false});
}

SaveFileAnswer Dialogs::saveFile(const SaveFileRequest& request) { return backend().saveFile(request); }
void Dialogs::setBusy(bool busy) { backend().setBusy(busy); }
bool Dialogs::openWithDesktop(const QString& target) { return backend().openWithDesktop(target); }
FolderAnswer Dialogs::chooseFolder(const FolderRequest& request) { return backend().chooseFolder(request); }
void Dialogs::install(DialogBackend* b) { current() = b; }
DialogBackend* Dialogs::installed() { return current(); }

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& b : m_boxes)
        out << b.text;
    return out;
}

void ScriptedDialogs::clear()
{
    m_answers.clear();
    m_files.clear();
    m_boxes.clear();
    m_fileDialogs.clear();
    m_folders.clear();
    m_folderDialogs.clear();
    m_opened.clear();
    m_unanswered = 0;
    m_busyCalls = 0;
}

Answer ScriptedDialogs::messageBox(const MessageBoxRequest& request)
{
    m_boxes << request;
    if (request.buttons == Buttons::Ok)
        return Answer::Ok;
    if (m_answers.empty()) {
        ++m_unanswered;
        return defaultAnswer(request.buttons);
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

SaveFileAnswer ScriptedDialogs::saveFile(const SaveFileRequest& request)
{
    m_fileDialogs << request;
    if (m_files.empty()) {
        ++m_unanswered;
        return {true, {}};
    }
    const SaveFileAnswer a = m_files.front();
    m_files.pop_front();
    return a;
}

void ScriptedDialogs::setBusy(bool busy)
{
    m_busy += busy ? 1 : -1;
    ++m_busyCalls;
}

bool ScriptedDialogs::openWithDesktop(const QString& target)
{
    m_opened << target;
    return m_desktopOpens;
}

FolderAnswer ScriptedDialogs::chooseFolder(const FolderRequest& request)
{
    m_folderDialogs << request;
    if (m_folders.empty()) {
        ++m_unanswered;
        return {true, {}};
    }
    const FolderAnswer a = m_folders.front();
    m_folders.pop_front();
    return a;
}

} // namespace zv::platform
