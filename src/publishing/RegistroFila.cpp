#include "publishing/RegistroFila.h"

#include "transport/RespostaPortal.h"

#include <QRegularExpression>

namespace zv::publishing::RegistroFila {

namespace {

const QString& kSeparadorCampo = transport::Delimitador::Campo;
using transport::Delimitador::Ids;
using transport::Delimitador::QuebraLinha;

const QRegularExpression& quebras()
{
    static const QRegularExpression re(QStringLiteral("\r\n|\r|\n"));
    return re;
}

// The pieces of a companies field: the publication's "*" and the "@|-" of
// queues written by the sibling programs both separate companies.
QStringList empresas(const QString& campo)
{
    QString texto = campo;
    texto.replace(QuebraLinha, Ids);
    return texto.split(Ids, Qt::SkipEmptyParts);
}

} // namespace

std::optional<QString> monta(const QStringList& campos)
{
    QString linha;
    for (int i = 0; i < kCampos; ++i) {
        QString texto = campos.value(i);
        texto.replace(quebras(), i == Observacao ? QuebraLinha : QStringLiteral(" "));
        if (texto.contains(kSeparadorCampo))
            return std::nullopt;
        linha += texto + kSeparadorCampo;
    }
    return linha;
}

std::optional<QStringList> le(const QString& linha)
{
    QStringList partes = linha.split(kSeparadorCampo);
    if (partes.size() < kCampos)
        return std::nullopt;
    partes.resize(kCampos);
    return partes;
}

bool variasEmpresas(const QString& campo)
{
    return campo.contains(Ids) || campo.contains(QuebraLinha);
}

QString textoEmpresas(const QString& campo, const QString& nomeDeUmCliente)
{
    if (!variasEmpresas(campo))
        return nomeDeUmCliente;
    return QLatin1Char('(') + QString::number(empresas(campo).size()) + QStringLiteral(")Empresas");
}

QString valorRegional(double valor)
{
    QString texto = QString::number(valor, 'g', 15).toUpper();
    texto.replace(QLatin1Char('.'), QLatin1Char(','));
    return texto;
}

} // namespace zv::publishing::RegistroFila
