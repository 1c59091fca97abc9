#pragma once
#include <QApplication>
#include <QDir>
#include <QWidget>

namespace zv::test {

// With ZV_SHOT_DIR set, a window test leaves a PNG of what it showed there,
// so that a person can look at the window in each of its states.
inline void guardaImagem(QWidget& janela, const QString& nome)
{
    const QString pasta = qEnvironmentVariable("ZV_SHOT_DIR");
    if (pasta.isEmpty())
        return;
    QDir().mkpath(pasta);
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    janela.grab().save(QDir(pasta).filePath(nome + QStringLiteral(".png")));
}

} // namespace zv::test
