#pragma once
#include "platform/DialogService.h"

namespace zv::ui {

// The dialog service as a person meets it: Qt message boxes, the save-file
// dialog, the wait cursor and the desktop's default programs.
class WidgetDialogs : public platform::DialogBackend {
public:
    platform::Answer messageBox(const platform::MessageBoxRequest& request) override;
    platform::SaveFileAnswer saveFile(const platform::SaveFileRequest& request) override;
    void setBusy(bool busy) override;
    bool openWithDesktop(const QString& target) override;
    platform::FolderAnswer chooseFolder(const platform::FolderRequest& request) override;
};

} // namespace zv::ui
