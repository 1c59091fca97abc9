#pragma once
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace zv::tools {

// One picture the screenshot program takes: its file name (without .png)
// and how to bring the window into the state shown. `prepare` runs first
// (settings, button face), then `make` builds the window; the program shows
// it, lets it paint and grabs it.
struct Shot {
    QString name;
    std::function<void()> prepare;
    std::function<std::unique_ptr<QWidget>()> make;
};

// Each window adds its pictures here.
std::vector<Shot> colourWindowShots();
std::vector<Shot> loginWindowShots();
std::vector<Shot> backupWindowShots();

// The two states of every window's commands.
void presentToolbar();      // light grey face: the toolbar
void presentPlainButtons(); // own colour kept: the plain buttons

} // namespace zv::tools
