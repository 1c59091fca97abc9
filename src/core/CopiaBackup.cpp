#include "core/CopiaBackup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::core::CopiaBackup {

namespace {

bool proibido(QChar c)
{
    static const QString kProibidos = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7F || kProibidos.contains(c);
}

bool aparavel(QChar c)
{
    return c == QLatin1Char('.') || c.isSpace();
}

// Taken by anything at all, a link that points nowhere included.
bool ocupado(const QString& caminho)
{
    const QFileInfo info(caminho);
    return info.exists() || info.isSymLink();
}

enum class Gravacao { Feita, NomeOcupado, Falhou };

Gravacao gravaNova(QFile& origem, const QString& destino, QString& erro)
{
    QFile saida(destino);
    if (!saida.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (ocupado(destino))
            return Gravacao::NomeOcupado;
        erro = saida.errorString();
        return Gravacao::Falhou;
    }
    // From here on the file is ours, so a failure may remove it.
    constexpr qint64 kBloco = 256 * 1024;
    origem.seek(0);
    while (!origem.atEnd()) {
        const QByteArray bloco = origem.read(kBloco);
        if (bloco.isEmpty() && origem.error() != QFileDevice::NoError) {
            erro = origem.errorString();
            saida.remove();
            return Gravacao::Falhou;
        }
        if (saida.write(bloco) != bloco.size()) {
            erro = saida.errorString();
            saida.remove();
            return Gravacao::Falhou;
        }
    }
    if (!saida.flush()) {
        erro = saida.errorString();
        saida.remove();
        return Gravacao::Falhou;
    }
    saida.close();
    return Gravacao::Feita;
}

} // namespace

QString nomeNaPasta(const QString& nome, const QString& reserva)
{
    QString limpo;
    limpo.reserve(nome.size());
    for (QChar c : nome)
        limpo += proibido(c) ? QLatin1Char('_') : c;
    qsizetype inicio = 0;
    qsizetype fim = limpo.size();
    while (inicio < fim && aparavel(limpo[inicio]))
        ++inicio;
    while (fim > inicio && aparavel(limpo[fim - 1]))
        --fim;
    limpo = limpo.mid(inicio, fim - inicio);
    return limpo.isEmpty() ? reserva : limpo;
}

QString nomeNumerado(const QString& nome, int numero)
{
    if (numero <= 1)
        return nome;
    const QString sufixo = QStringLiteral(" (%1)").arg(numero);
    const qsizetype ponto = nome.lastIndexOf(QLatin1Char('.'));
    if (ponto <= 0)
        return nome + sufixo;
    return nome.left(ponto) + sufixo + nome.mid(ponto);
}

Resultado copia(const QString& origem, const QString& pasta, const QString& nome)
{
    Resultado r;
    QFile entrada(origem);
    if (!entrada.open(QIODevice::ReadOnly)) {
        r.erro = entrada.errorString();
        return r;
    }
    const QDir destino(pasta);
    for (int n = 1; n <= kTentativas; ++n) {
        const QString caminho = destino.filePath(nomeNumerado(nome, n));
        if (ocupado(caminho))
            continue;
        switch (gravaNova(entrada, caminho, r.erro)) {
        case Gravacao::Feita:
            r.caminho = caminho;
            r.renomeado = n > 1;
            return r;
        case Gravacao::NomeOcupado:
            continue;
        case Gravacao::Falhou:
            return r;
        }
    }
    r.erro = QStringLiteral("todos os nomes de \"%1\" já existem na pasta").arg(nome);
    return r;
}

} // namespace zv::core::CopiaBackup
