#include "publishing/FilaEnvio.h"

#include "platform/Cp1252.h"
#include "publishing/RegistroFila.h"
#include "publishing/classEnviar.h"
#include "transport/RespostaPortal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::publishing {

namespace {

const QString kProblemas = QStringLiteral("Problemas ao carregar a fila!");
const QString kErroIndefinido = QStringLiteral("Erro indefinido durante o enfileiramento!");

// A step of the queueing that could not be done; the message, when there
// is one, is the one the user is told.
struct FalhaFila {
    QString mensagem;
};

void criaPasta(const QString& pasta)
{
    if (!QDir().mkpath(pasta))
        throw FalhaFila{};
}

QString nomeCopia(int numero)
{
    return QStringLiteral("file") + QStringLiteral("%1").arg(numero, 3, 10, QLatin1Char('0'));
}

// The number at the end of a copy's name: its last three characters.
std::optional<int> numeroDaCopia(const QString& nome)
{
    if (nome.size() < 3)
        return std::nullopt;
    const QString fim = nome.right(3);
    for (QChar c : fim)
        if (!c.isDigit() || c.unicode() > 0x7F)
            return std::nullopt;
    return fim.toInt();
}

QStringList camposDoRegistro(const FilaEnvio::Documento& d, const QString& copia, const QString& arquivo)
{
    const classEnviar& e = d.enviar;
    QStringList campos(RegistroFila::kCampos);
    campos[RegistroFila::Empresas] = e.Empresas();
    campos[RegistroFila::Copia] = copia;
    campos[RegistroFila::Titulo] = FilaEnvio::tituloDoDocumento(d.titulo, d.tipo, arquivo);
    campos[RegistroFila::Tipo] = QString::number(e.TipoArquivo());
    campos[RegistroFila::Descricao] = e.Descricao();
    campos[RegistroFila::Ativacao] = e.Ativacao();
    campos[RegistroFila::Expiracao] = e.Expiracao();
    campos[RegistroFila::Observacao] = e.Observacao();
    campos[RegistroFila::Avisos] = e.Emails();
    campos[RegistroFila::Valor] = RegistroFila::valorRegional(e.Valor());
    campos[RegistroFila::Vencimento] = e.Vencimento();
    return campos;
}

void acrescentaLinha(const QString& indice, const QString& linha)
{
    QFile f(indice);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        throw FalhaFila{};
    const QByteArray bytes = platform::toCp1252(linha + transport::Delimitador::CrLf);
    if (f.write(bytes) != bytes.size() || !f.flush())
        throw FalhaFila{};
}

QString descreveDanos(const QList<int>& linhas)
{
    QStringList numeros;
    for (int n : linhas)
        numeros << QString::number(n);
    return QStringLiteral("A fila de envio tem %1 linha(s) danificada(s) que não puderam ser carregadas "
                          "(linha %2 do arquivo %3).\r\nOs demais documentos foram carregados; "
                          "o arquivo da fila não foi alterado.")
        .arg(linhas.size())
        .arg(numeros.join(QStringLiteral(", ")), FilaEnvio::kIndice);
}

} // namespace

FilaEnvio::FilaEnvio(QString pastaFila, QString pastaCopias)
    : m_fila(std::move(pastaFila)), m_copias(std::move(pastaCopias))
{
}

QString FilaEnvio::arquivoIndice() const
{
    return m_fila + QLatin1Char('/') + kIndice;
}

QString FilaEnvio::tituloDoDocumento(const QString& titulo, const QString& tipo, const QString& arquivo)
{
    if (titulo.isEmpty()) {
        const qsizetype barra = std::max(arquivo.lastIndexOf(QLatin1Char('/')), arquivo.lastIndexOf(QLatin1Char('\\')));
        return arquivo.mid(barra + 1);
    }
    return tipo.isEmpty() ? titulo : titulo + QLatin1Char('.') + tipo;
}

void FilaEnvio::preparaPastas() const
{
    const bool copiasExistiam = QFileInfo(m_copias).isDir();
    criaPasta(m_fila);
    criaPasta(m_copias);
    // Copies without an index belong to no queue: a new queue starts empty.
    if (copiasExistiam && !QFileInfo::exists(arquivoIndice())) {
        QDir copias(m_copias);
        for (const QString& nome : copias.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (!copias.remove(nome))
                throw FalhaFila{};
    }
}

// The next copy number: one past the highest number among the copies. A
// file whose name does not end in a number is no copy and is deleted.
int FilaEnvio::proximaCopia() const
{
    QDir copias(m_copias);
    int maior = 0;
    for (const QString& nome : copias.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (const auto numero = numeroDaCopia(nome))
            maior = std::max(maior, *numero);
        else if (!copias.remove(nome))
            throw FalhaFila{};
    }
    return maior + 1;
}

bool FilaEnvio::Enfileirar(const Documento& documento, const QStringList& arquivos, QString& arquivo,
                           QString& mensagem) const
{
    if (!documento.enviar.Validado()) {
        mensagem = QStringLiteral("Não foi possível validar o arquivo!");
        return false;
    }
    try {
        for (const QString& entrada : arquivos) {
            if (entrada.isEmpty())
                continue;
            preparaPastas();
            mensagem.clear();
            const int numero = proximaCopia();
            // Three digits name at most 999 copies; a thousandth would end in
            // "000" and the one after would overwrite it.
            if (numero > kMaiorCopia)
                throw FalhaFila{QStringLiteral("A fila de envio já tem %1 cópias; o arquivo %2 não foi "
                                               "enfileirado!").arg(kMaiorCopia).arg(entrada)};
            const QString copia = nomeCopia(numero);
            const auto linha = RegistroFila::monta(camposDoRegistro(documento, copia, entrada));
            if (!linha)
                throw FalhaFila{QStringLiteral("Os dados do arquivo %1 não podem conter o texto \"%2\"!")
                                    .arg(entrada, transport::Delimitador::Campo)};
            arquivo = entrada;
            const QString destino = m_copias + QLatin1Char('/') + copia;
            if (QFileInfo::exists(destino) && !QFile::remove(destino))
                throw FalhaFila{};
            if (!QFile::copy(entrada, destino))
                throw FalhaFila{};
            acrescentaLinha(arquivoIndice(), *linha);
        }
    } catch (const FalhaFila& falha) {
        if (!falha.mensagem.isEmpty())
            mensagem = falha.mensagem;
        else if (mensagem.isEmpty())
            mensagem = kErroIndefinido;
        return false;
    }
    return true;
}

QString FilaEnvio::campoEmpresas(const QString& campo, const NomeCliente& nomeCliente) const
{
    if (RegistroFila::variasEmpresas(campo) || !nomeCliente)
        return RegistroFila::textoEmpresas(campo, QString());
    return RegistroFila::textoEmpresas(campo, nomeCliente(campo));
}

FilaEnvio::Carga FilaEnvio::CarregaFila(const Sincronizacao& sincroniza, const NomeCliente& nomeCliente) const
{
    Carga carga;
    const auto falha = [&carga] {
        carga.erro = true;
        carga.mensagem = kProblemas;
        carga.tabela.clear();
        return carga;
    };
    QDir().mkpath(m_fila);
    QFile f(arquivoIndice());
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return falha();
    QStringList linhas = platform::fromCp1252(f.readAll()).split(QLatin1Char('\n'));
    for (QString& l : linhas)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    while (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();

    QList<QStringList> registros;
    QList<int> danificadas;
    for (int i = 0; i < linhas.size(); ++i) {
        if (const auto campos = RegistroFila::le(linhas[i]))
            registros << *campos;
        else
            danificadas << i + 1;
    }
    if (!registros.isEmpty() && (!sincroniza || !sincroniza()))
        return falha();
    for (QStringList& campos : registros) {
        campos[RegistroFila::Empresas] = campoEmpresas(campos[RegistroFila::Empresas], nomeCliente);
        carga.tabela << campos;
    }
    carga.tabela << QStringList(RegistroFila::kCampos);
    if (!danificadas.isEmpty())
        carga.aviso = descreveDanos(danificadas);
    return carga;
}

} // namespace zv::publishing
