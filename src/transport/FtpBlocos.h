#pragma once
#include <QtGlobal>

#include <functional>

class QIODevice;

namespace zv::transport {

// The bytes of an upload handed out 100 at a time, with the reports that go
// with them: once a full block has gone out, the pending window events run
// and the progress (bytes sent, length) is reported; when only the last
// partial block (possibly empty) is left, the progress (length, length) is
// reported and that block goes out. It also tells how far the upload got,
// so that a failure can be put down to the opening of the remote file, to
// a block's write, or to the end of the transfer.
class EnvioEmBlocos {
public:
    struct Avisos {
        std::function<void()> entreBlocos;
        std::function<void(qint32 enviados, qint32 total)> progresso;
    };

    EnvioEmBlocos(QIODevice& origem, qint64 total, Avisos avisos);

    // The next block for the transfer; 0 once the file is all out, -1 when
    // the file gave fewer bytes than its length promised.
    qint64 proximo(char* destino, qint64 maximo);

    // Whether the server took the file's opening (it asked for bytes).
    bool comecou() const { return m_pedidos > 0; }
    // Whether the last partial block has been handed out.
    bool ultimoEntregue() const { return m_ultimoEntregue; }

    static constexpr qint64 kTamanhoBloco = 100;

private:
    qint64 entregaBloco(char* destino, qint64 tamanho, qint64 maximo);

    QIODevice& m_origem;
    qint64 m_total;
    Avisos m_avisos;
    qint64 m_blocosEntregues = 0;
    qint64 m_pedidos = 0;
    bool m_blocoPendente = false;
    bool m_ultimoEntregue = false;
};

} // namespace zv::transport
