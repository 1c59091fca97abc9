#include "core/classAmbiente.h"

#include "core/Folders.h"

// The send queue of the environment: the document record, queueing and
// loading the queue kept under APPDATA/ZorvelantaPrinter/queqe.
namespace zv::core {

namespace {

publishing::FilaEnvio filaDoUsuario()
{
    return publishing::FilaEnvio(Folders::queue(), Folders::queueFiles());
}

} // namespace

bool classAmbiente::Enfileirar()
{
    QString atual = arquivo();
    m_enfileirado = filaDoUsuario().Enfileirar({Enviar, Titulo(), Tipo()}, m_listaArquivos, atual, MensagemErro);
    setArquivo(atual);
    m_arquivoEnfileirado = atual;
    return m_enfileirado;
}

publishing::TabelaFila classAmbiente::CarregaFila(bool& pErro)
{
    m_avisoFila.clear();
    const auto sincroniza = [this] { return Sincroniza(nullptr, false, false); };
    // The name of the first client whose ID is the field.
    const auto nomeCliente = [this](const QString& id) {
        const publishing::Tabela& clientes = m_listas.tabelaClientes();
        for (const QStringList& linha : clientes)
            if (!linha.value(1).isEmpty() && linha.value(1) == id)
                return linha.value(3);
        return QString();
    };
    publishing::FilaEnvio::Carga carga = filaDoUsuario().CarregaFila(sincroniza, nomeCliente);
    if (carga.erro) {
        MensagemErro = carga.mensagem;
        pErro = true;
        return {};
    }
    m_avisoFila = carga.aviso;
    return carga.tabela;
}

} // namespace zv::core
