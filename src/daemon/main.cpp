#include "core/Globals.h"
#include "core/classAmbiente.h"
#include "daemon/frmMainDaemon.h"
#include "ui/WidgetDialogs.h"

#include <QApplication>
#include <QWidget>

namespace {

bool anyWindowOpen()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZuVA"));
    // The daemon form is never a window: the program ends when the form has
    // unloaded and no window of it remains.
    QApplication::setQuitOnLastWindowClosed(false);

    zv::ui::WidgetDialogs dialogs;
    zv::platform::Dialogs::install(&dialogs);

    zv::daemon::frmMainDaemon daemonForm;
    QObject::connect(&daemonForm, &zv::daemon::frmMainDaemon::unloaded, &app, [&app] {
        if (anyWindowOpen())
            QApplication::setQuitOnLastWindowClosed(true);
        else
            app.quit();
    });
    daemonForm.Form_Load();
    const int rc = app.exec();

    delete std::exchange(zv::core::Ambiente, nullptr);
    zv::platform::Dialogs::install(nullptr);
    return rc;
}
