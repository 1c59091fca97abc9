#include "core/ModFuncs.h"

#include "platform/SpecialFolders.h"

namespace zv::core {

namespace {
bool g_isExe = true;
} // namespace

QString PastaEspecial(bool flag)
{
    QString folder = flag ? platform::sendToFolder() : platform::applicationDataFolder();
    while (folder.size() > 1 && folder.endsWith(platform::kSeparator))
        folder.chop(1);
    return folder;
}

bool IsExe() { return g_isExe; }
void setIsExe(bool value) { g_isExe = value; }

} // namespace zv::core
