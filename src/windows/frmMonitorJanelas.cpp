#include "windows/frmMonitor.h"

#include "consultation/window/frmConsulta.h"
#include "ui/frmCor.h"
#include "windows/frmLogin.h"
#include "windows/frmMEnvio.h"

namespace zv::windows {

// The windows the Monitor opens: the login, consultation and colour windows
// modally, released when they close; the sending window modeless, released
// by itself when the user closes it.
frmMonitor::Janelas frmMonitor::janelasPadrao()
{
    Janelas j;
    j.login = [](QWidget* pai) {
        frmLogin janela(pai);
        janela.exec();
    };
    j.consulta = [](QWidget* pai) {
        consultation::frmConsulta janela(pai);
        janela.exec();
    };
    j.cor = [](QWidget* pai) {
        ui::frmCor janela(pai);
        janela.exec();
    };
    j.envio = [](QWidget*) {
        auto* janela = new frmMEnvio();
        janela->setAttribute(Qt::WA_DeleteOnClose);
        janela->show();
    };
    return j;
}

} // namespace zv::windows
