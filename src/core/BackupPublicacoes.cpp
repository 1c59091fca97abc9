#include "core/BackupPublicacoes.h"

#include "consultation/classConsultar.h"
#include "core/CopiaBackup.h"
#include "core/Folders.h"
#include "core/classAmbiente.h"

#include <QDir>

namespace zv::core {

namespace {

// The consultation's visibility code of the documents still active.
constexpr qint16 kMostrarAtivos = 3;
const QString kCrLf = QStringLiteral("\r\n");

void avisa(const std::function<void(int)>& aviso, int valor)
{
    if (aviso)
        aviso(valor);
}

QString umaLinha(QString texto)
{
    texto.replace(kCrLf, QStringLiteral(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texto.trimmed();
}

} // namespace

bool BackupPublicacoes::lista(QList<PublicacaoAtiva>& publicacoes, QString& mensagem)
{
    publicacoes.clear();
    const auto propria = m_ambiente.novaConsulta();
    consultation::classConsultar& consulta = *propria;
    consulta.setMostrar(kMostrarAtivos);
    qint16 quantidade = 0;
    qint32 soma = 0;
    consulta.Filtrar(quantidade, soma, false);
    if (!consulta.Erro().isEmpty()) {
        mensagem = consulta.Erro();
        return false;
    }
    const consultation::TabelaConsulta& tabela = consulta.tabela();
    for (qsizetype r = 0; r < quantidade && r < tabela.size(); ++r) {
        const QStringList& linha = tabela[r];
        publicacoes.append({linha.value(consultation::Coluna::Id), linha.value(consultation::Coluna::Arquivo),
                            linha.value(consultation::Coluna::Tamanho)});
    }
    return true;
}

ResultadoBackup BackupPublicacoes::copia(const QList<PublicacaoAtiva>& publicacoes, const QString& pasta,
                                         const Avisos& avisos)
{
    ResultadoBackup r;
    r.total = int(publicacoes.size());
    if (avisos.total)
        avisos.total(0, r.total);
    for (const PublicacaoAtiva& p : publicacoes) {
        if (avisos.pararAgora && avisos.pararAgora()) {
            r.interrompido = true;
            break;
        }
        bool renomeado = false;
        const QString erro = copiaUma(p, pasta, renomeado, avisos);
        if (erro.isEmpty()) {
            ++r.copiados;
            r.renomeados += renomeado ? 1 : 0;
        } else {
            ++r.falhas;
            const QString nome = p.arquivo.isEmpty() ? p.id : p.arquivo;
            r.motivos << nome + QStringLiteral(": ") + umaLinha(erro);
        }
        if (avisos.total)
            avisos.total(r.copiados + r.falhas, r.total);
    }
    return r;
}

QString BackupPublicacoes::copiaUma(const PublicacaoAtiva& p, const QString& pasta, bool& renomeado,
                                    const Avisos& avisos)
{
    avisa(avisos.arquivo, 0);
    // The environment's retrieval checks the ID before it names a file.
    if (!m_ambiente.BArquivo(p.id, p.tamanho))
        return m_ambiente.Erro();
    // A download of another size than the published one was refused there.
    const QString baixado = QDir(Folders::back()).filePath(p.id);
    avisa(avisos.arquivo, 50);
    const CopiaBackup::Resultado feita =
        CopiaBackup::copia(baixado, pasta, CopiaBackup::nomeNaPasta(p.arquivo, p.id));
    if (feita.caminho.isEmpty())
        return QStringLiteral("não foi possível gravar na pasta (%1)").arg(feita.erro);
    renomeado = feita.renomeado;
    avisa(avisos.arquivo, 100);
    return {};
}

QString BackupPublicacoes::mensagemFinal(const ResultadoBackup& r, const QString& pasta)
{
    QString texto = r.interrompido ? QStringLiteral("Backup interrompido.") : QStringLiteral("Backup concluído.");
    texto += kCrLf + kCrLf + QStringLiteral("Pasta: ") + QDir::toNativeSeparators(pasta);
    texto += kCrLf + QStringLiteral("Publicações ativas: %1").arg(r.total);
    texto += kCrLf + QStringLiteral("Copiadas: %1").arg(r.copiados);
    if (r.renomeados > 0)
        texto += kCrLf + QStringLiteral("Gravadas com outro nome (o nome já existia na pasta): %1").arg(r.renomeados);
    if (r.falhas > 0)
        texto += kCrLf + QStringLiteral("Não copiadas: %1").arg(r.falhas);
    if (r.interrompido)
        texto += kCrLf + QStringLiteral("Não processadas: %1").arg(r.total - r.copiados - r.falhas);
    if (!r.motivos.isEmpty()) {
        texto += kCrLf;
        for (qsizetype i = 0; i < r.motivos.size() && i < kMotivosMostrados; ++i)
            texto += kCrLf + r.motivos[i];
        if (r.motivos.size() > kMotivosMostrados)
            texto += kCrLf + QStringLiteral("... e mais %1").arg(r.motivos.size() - kMotivosMostrados);
    }
    return texto;
}

} // namespace zv::core
