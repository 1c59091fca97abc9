#include "core/DocumentoAtual.h"

#include "core/CopiaSegura.h"
#include "core/Folders.h"
#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFileInfo>

#include <initializer_list>
#include <utility>

namespace zv::core {

namespace {

struct Categoria {
    const char* descricao;
    std::initializer_list<const char*> extensoes;
};

const Categoria kCategorias[] = {
    {"Documento Portátil", {"pdf"}},
    {"Imagens", {"tif", "jpg", "gif", "bmp"}},
    {"Apresentações", {"ppt", "odp", "sxi", "pps"}},
    {"Documentos", {"doc", "odt", "sxw", "rtf", "sdw", "txt", "pdb", "psw"}},
    {"Planilhas", {"xls", "ods", "scx", "csv", "pxl", "xml"}},
    {"Pagina de internet", {"html", "htm"}},
    {"Arquivo de Impressão", {"prn"}},
    {"Proibido", {"exe", "com", "vbs", "asp", "jsp"}},
    {"Compactado", {"arj", "tar", "zip", "rar"}},
};

const QString kOutros = QStringLiteral("Outros");
const QString kFalhaBackup = QStringLiteral("Não foi possível armazenar o backup!");
const QString kFalhaCaptura = QStringLiteral("Não foi possível capturar a impressão!");

// The working copy never replaces a file already in PROC: the first of
// name, 0_name, 1_name ... that is free.
QString destinoLivre(const QString& pasta, const QString& nome)
{
    QString destino = QDir(pasta).filePath(nome);
    for (int n = 0; QFileInfo::exists(destino); ++n)
        destino = QDir(pasta).filePath(QString::number(n) + QLatin1Char('_') + nome);
    return destino;
}

} // namespace

QString nomeDeCopia(const QString& nome)
{
    QString limpo = nome;
    for (QChar c : {QLatin1Char('\''), QLatin1Char('"'), QLatin1Char('#'), QLatin1Char('&'), QLatin1Char('%')})
        limpo.replace(c, QLatin1Char('_'));
    return limpo;
}

void DocumentoAtual::setTipo(const QString& vData)
{
    const qsizetype dot = vData.lastIndexOf(QLatin1Char('.'));
    m_tipo = (dot >= 0 ? vData.mid(dot + 1) : vData).toLower();
}

QString DocumentoAtual::tipoDesc() const
{
    for (const Categoria& categoria : kCategorias)
        for (const char* extensao : categoria.extensoes)
            if (m_tipo == QLatin1String(extensao))
                return QString::fromUtf8(categoria.descricao);
    return kOutros;
}

void DocumentoAtual::setTitulo(QString& vData)
{
    vData = vData.trimmed();
    if (vData == kTituloPlaceholder)
        vData.clear();
    m_titulo = vData;
}

bool DocumentoAtual::ValidaArquivo(QString& path, QString& mensagem)
{
    path = path.trimmed();
    if (path.isEmpty()) {
        mensagem = QStringLiteral("Erro na transferência da Impressão!");
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        mensagem = QStringLiteral("Erro no acesso da Impressão!");
        return false;
    }
    m_arquivo = path;
    return true;
}

bool DocumentoAtual::CopiaArquivo(const QString& texto, QString& mensagem)
{
    const bool backup = !texto.isEmpty();
    const QString pasta = backup ? Folders::back() : Folders::proc();
    if (m_arquivo.contains(pasta + QLatin1Char('/')))
        return true;
    const QString nome = nomeDeCopia(m_arquivo.mid(m_arquivo.lastIndexOf(QLatin1Char('/')) + 1));
    if (m_arquivo.isEmpty() || !QDir().mkpath(pasta)) {
        mensagem = backup ? kFalhaBackup : kFalhaCaptura;
        return false;
    }
    const QString destino = backup ? QDir(pasta).filePath(nome) : destinoLivre(pasta, nome);
    if (!copiaSegura(m_arquivo, destino, true)) {
        mensagem = backup ? kFalhaBackup : kFalhaCaptura;
        return false;
    }
    if (!backup)
        m_arquivo = destino;
    return true;
}

bool DocumentoAtual::SalvarPDF(const QString& pDestino, bool pSusbistituir)
{
    if (!copiaSegura(m_arquivo, pDestino, pSusbistituir))
        return false;
    m_arquivoSalvo = pDestino;
    m_salvo = true;
    return true;
}

QString DocumentoAtual::arquivoTamanho() const
{
    const QFileInfo info(m_arquivo);
    if (m_arquivo.isEmpty() || !info.isFile())
        throw platform::Failure(platform::kErrFileNotFound);
    return QString::number(info.size());
}

} // namespace zv::core
