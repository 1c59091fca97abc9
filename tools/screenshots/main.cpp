// Takes a PNG of every window of the program, in each of its presentations,
// into the folder given on the command line:
//
//   screenshots <folder>
//
// Run it on a real display (under Xvfb, for instance) to see what a person
// sees; QT_SCALE_FACTOR=2 takes the same pictures at 200 %. The program runs
// in a throw-away settings folder, so the user's own settings are never read
// or changed.
#include "Shots.h"

#include "core/Globals.h"
#include "core/Settings.h"
#include "core/classAmbiente.h"
#include "ui/ButtonFace.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

namespace zv::tools {

void presentToolbar() { ui::ButtonFace::setCor(ui::ButtonFace::kCorEspecial); }

void presentPlainButtons()
{
    core::Settings::write(core::Secao::Config, QStringLiteral("Buton"), QStringLiteral("0"));
    ui::ButtonFace::setCor(0xD8C8B8);
}

} // namespace zv::tools

namespace {

bool take(const zv::tools::Shot& shot, const QDir& folder)
{
    shot.prepare();
    std::unique_ptr<QWidget> window = shot.make();
    window->show();
    // Let the window lay itself out and paint before it is grabbed.
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const QString file = folder.filePath(shot.name + QStringLiteral(".png"));
    const bool saved = window->grab().save(file);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(file), window->width(), window->height());
    window->hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder for the PNG files>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // No dialog backend is installed: a window that asks something while
    // being photographed gets the safe answer and never waits for a person.
    std::vector<zv::tools::Shot> shots = zv::tools::colourWindowShots();
    for (auto&& s : zv::tools::loginWindowShots())
        shots.push_back(std::move(s));
    for (auto&& s : zv::tools::backupWindowShots())
        shots.push_back(std::move(s));
    int failed = 0;
    for (const auto& shot : shots)
        failed += take(shot, folder) ? 0 : 1;
    delete std::exchange(zv::core::Ambiente, nullptr);
    return failed == 0 ? 0 : 1;
}
