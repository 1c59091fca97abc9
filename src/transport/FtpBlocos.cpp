#include "transport/FtpBlocos.h"

#include <QIODevice>

namespace zv::transport {

EnvioEmBlocos::EnvioEmBlocos(QIODevice& origem, qint64 total, Avisos avisos)
    : m_origem(origem), m_total(total), m_avisos(std::move(avisos))
{
}

qint64 EnvioEmBlocos::proximo(char* destino, qint64 maximo)
{
    ++m_pedidos;
    if (m_ultimoEntregue)
        return 0;
    // Being asked again means the block handed out before has been written.
    if (m_blocoPendente) {
        m_blocoPendente = false;
        m_avisos.entreBlocos();
        m_avisos.progresso(qint32(m_blocosEntregues * kTamanhoBloco), qint32(m_total));
    }
    if (m_blocosEntregues < m_total / kTamanhoBloco) {
        const qint64 lidos = entregaBloco(destino, kTamanhoBloco, maximo);
        if (lidos > 0) {
            ++m_blocosEntregues;
            m_blocoPendente = true;
        }
        return lidos;
    }
    m_avisos.progresso(qint32(m_total), qint32(m_total));
    m_ultimoEntregue = true;
    return entregaBloco(destino, m_total % kTamanhoBloco, maximo);
}

qint64 EnvioEmBlocos::entregaBloco(char* destino, qint64 tamanho, qint64 maximo)
{
    if (tamanho == 0)
        return 0;
    if (tamanho > maximo)
        return -1; // a block is never split
    const qint64 lidos = m_origem.read(destino, tamanho);
    return lidos == tamanho ? lidos : -1;
}

} // namespace zv::transport
