#include "windows/ApresentacaoFila.h"

#include "core/Conversions.h"
#include "core/Settings.h"
#include "platform/Regional.h"
#include "publishing/RegistroFila.h"
#include "publishing/TipoDocumento.h"
#include "transport/RespostaPortal.h"

namespace zv::windows::ApresentacaoFila {

namespace {

using publishing::RegistroFila::Campo;

constexpr Qt::Alignment kCentro = Qt::AlignCenter;
constexpr Qt::Alignment kEsquerda = Qt::AlignLeft | Qt::AlignVCenter;

const Coluna kLayout[kColunas] = {
    {QStringLiteral("."), 200, kCentro},
    {QStringLiteral("Tipo"), 850, kCentro},
    {QStringLiteral("Empresa"), 2000, kEsquerda},
    {QStringLiteral("Titulo"), 1500, kCentro},
    {QStringLiteral("Descrição"), 2400, kEsquerda},
    {QStringLiteral("Ativação"), 1300, kCentro},
    {QStringLiteral("Expiração"), 1300, kCentro},
    {QStringLiteral("Vencimento"), 1300, kCentro},
    {QStringLiteral("Valor"), 1300, kCentro},
    {QString(), 0, kEsquerda},
    {QStringLiteral("Aviso"), 400, kCentro},
};

const QString kSemData = QStringLiteral("-*-");

bool pagamento(const QStringList& registro)
{
    return registro.value(Campo::Tipo).trimmed() == QLatin1String("0");
}

} // namespace

const Coluna& coluna(int c) { return kLayout[c]; }

namespace {
int larguraDaConfiguracao(int c)
{
    const QString valor = core::Settings::read(core::Secao::mEnvio, QStringLiteral("c_") + QString::number(c));
    bool ok = false;
    const int twips = valor.trimmed().toInt(&ok);
    return ok && twips > 0 ? twips : 0;
}
} // namespace

bool larguraGuardada(int c) { return larguraDaConfiguracao(c) > 0; }

int larguraTwips(int c)
{
    const int guardada = larguraDaConfiguracao(c);
    return guardada > 0 ? guardada : kLayout[c].larguraTwips;
}

QString nomeDoTipo(const QString& codigo)
{
    bool ok = false;
    const int n = codigo.trimmed().toInt(&ok);
    return ok && publishing::tipoValido(n) ? publishing::nomeTipo(n) : codigo;
}

QString textoData(const QString& campo)
{
    const auto momento = platform::Regional::parseDateTime(campo);
    return momento ? platform::Regional::generalDate(*momento) : kSemData;
}

QString textoValor(const QString& campo)
{
    try {
        return platform::Regional::currency(core::toDouble(campo));
    } catch (...) {
        return campo;
    }
}

QString textoAviso(const QString& observacao)
{
    return observacao.trimmed().isEmpty() ? QStringLiteral("NÃO") : QStringLiteral("SIM");
}

QString textoObservacao(const QString& campo)
{
    QString texto = campo;
    return texto.replace(transport::Delimitador::QuebraLinha, QStringLiteral("\n"));
}

QStringList celulas(const QStringList& registro)
{
    QStringList c(kColunas);
    c[1] = nomeDoTipo(registro.value(Campo::Tipo));
    c[2] = registro.value(Campo::Empresas);
    c[3] = registro.value(Campo::Titulo);
    c[4] = registro.value(Campo::Descricao);
    c[5] = textoData(registro.value(Campo::Ativacao));
    c[6] = textoData(registro.value(Campo::Expiracao));
    // The payment columns only mean something for a payment document.
    c[7] = pagamento(registro) ? textoData(registro.value(Campo::Vencimento)) : kSemData;
    c[8] = pagamento(registro) ? textoValor(registro.value(Campo::Valor)) : kSemData;
    c[10] = textoAviso(registro.value(Campo::Observacao));
    return c;
}

} // namespace zv::windows::ApresentacaoFila
