#include "consultation/GradeConsulta.h"

#include "platform/Regional.h"
#include "publishing/LeituraNumero.h"

#include <cmath>

namespace zv::consultation {

namespace {
const QString kSemData = QStringLiteral("-*-");
using A = Alinhamento;
} // namespace

const QList<ColunaGrade>& colunasGrade()
{
    static const QList<ColunaGrade> colunas = {
        {QStringLiteral("Cliente"), Coluna::Cliente, 2500, A::Esquerda, A::Centro},
        {QStringLiteral("Tp"), 1, 400, A::Centro, A::Centro},
        {QStringLiteral("Descrição"), 3, 3000, A::Esquerda, A::Centro},
        {QStringLiteral("Publicação"), Coluna::Publicacao, 1300, A::Centro, A::Centro},
        {QStringLiteral("Ativação"), Coluna::Ativacao, 1300, A::Centro, A::Centro},
        {QStringLiteral("Expiração"), Coluna::Expiracao, 1300, A::Centro, A::Centro},
        {QStringLiteral("Vencimento"), Coluna::Vencimento, 2300, A::Centro, A::Centro},
        {QStringLiteral("Valor"), Coluna::Valor, 1300, A::Direita, A::Padrao},
        {QStringLiteral("Usuário"), 11, 1300, A::Padrao, A::Padrao},
        {QStringLiteral("Arquivo"), Coluna::Arquivo, 2000, A::Esquerda, A::Centro},
        {QStringLiteral("Tamanho"), Coluna::Tamanho, 1300, A::Direita, A::Padrao},
        {QStringLiteral("Tipo"), 6, 800, A::Centro, A::Centro},
        {QStringLiteral("Status"), 7, 0, A::Padrao, A::Padrao},
        {QStringLiteral("Lida"), Coluna::Lida, 1300, A::Centro, A::Centro},
        {QStringLiteral("Apagado"), Coluna::Apagado, 1300, A::Centro, A::Centro},
        {QStringLiteral("Backup"), Coluna::Backup, 1300, A::Centro, A::Centro},
        {QStringLiteral("ID"), Coluna::Id, 0, A::Padrao, A::Padrao},
        {QStringLiteral("Local"), Coluna::Local, 0, A::Padrao, A::Padrao},
    };
    return colunas;
}

QString kilobytes(double bytes)
{
    // bytes * 10 / 1024 is exact in binary, so a half is a true half.
    const double decimos = std::nearbyint(bytes * 10.0 / 1024.0);
    const bool inteiro = std::fmod(decimos, 10.0) == 0.0;
    // The desktop's plain number text: the regional decimal comma and no
    // thousands grouping (1536000 bytes show as 1500).
    return QString::number(decimos / 10.0, 'f', inteiro ? 0 : 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

// The two forms the portal writes, "dd/MM/yyyy" and "dd/MM/yyyy HH:mm:ss",
// read without the general parser: a full grid holds a quarter of a million
// dates. Anything else goes to the regional reading.
bool digitos(QStringView t, qsizetype de, qsizetype n, int& valor)
{
    valor = 0;
    for (qsizetype i = de; i < de + n; ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        valor = valor * 10 + (c - u'0');
    }
    return true;
}

std::optional<QDateTime> leituraRapida(QStringView t)
{
    int d, m, a, h = 0, mi = 0, se = 0;
    if ((t.size() != 10 && t.size() != 19) || t[2] != u'/' || t[5] != u'/')
        return std::nullopt;
    if (!digitos(t, 0, 2, d) || !digitos(t, 3, 2, m) || !digitos(t, 6, 4, a))
        return std::nullopt;
    if (t.size() == 19) {
        if (t[10] != u' ' || t[13] != u':' || t[16] != u':' || !digitos(t, 11, 2, h) || !digitos(t, 14, 2, mi)
            || !digitos(t, 17, 2, se))
            return std::nullopt;
    }
    const QDate data(a, m, d);
    const QTime hora(h, mi, se);
    if (!data.isValid() || !hora.isValid())
        return std::nullopt;
    return QDateTime(data, hora);
}

void doisDigitos(QString& s, int v)
{
    s += QChar(u'0' + v / 10);
    s += QChar(u'0' + v % 10);
}

// The general date: short date, and the long time unless it is midnight.
QString escritaRapida(const QDateTime& momento)
{
    const QDate d = momento.date();
    const QTime t = momento.time();
    if (d.year() < 1000 || d.year() > 9999)
        return platform::Regional::generalDate(momento);
    QString s;
    s.reserve(19);
    doisDigitos(s, d.day());
    s += u'/';
    doisDigitos(s, d.month());
    s += u'/';
    s += QString::number(d.year());
    if (t != QTime(0, 0)) {
        s += u' ';
        doisDigitos(s, t.hour());
        s += u':';
        doisDigitos(s, t.minute());
        s += u':';
        doisDigitos(s, t.second());
    }
    return s;
}

} // namespace

std::optional<QString> dataGeral(const QString& texto)
{
    if (const auto rapida = leituraRapida(texto))
        return escritaRapida(*rapida);
    const auto momento = platform::Regional::parseDateTime(texto);
    if (!momento)
        return std::nullopt;
    return platform::Regional::generalDate(*momento);
}

QStringList linhaDaGrade(QStringList& linha, int* falhas)
{
    const auto falhou = [falhas] {
        if (falhas)
            ++*falhas;
    };
    if (linha.size() < kColunasConsulta)
        linha.resize(kColunasConsulta);

    if (linha[Coluna::Cliente].isEmpty())
        linha[Coluna::Cliente] = QStringLiteral("Todos");
    if (linha[Coluna::Ativacao].isEmpty())
        linha[Coluna::Ativacao] = linha[Coluna::Publicacao];
    // A date kept as "-*-" when there is none; a text that is no date
    // stays as it came.
    for (int c : {Coluna::Lida, Coluna::Apagado, Coluna::Expiracao, Coluna::Vencimento, Coluna::Backup}) {
        QString& valor = linha[c];
        if (valor.isEmpty()) {
            valor = kSemData;
        } else if (const auto texto = dataGeral(valor)) {
            valor = *texto;
        } else {
            falhou();
        }
    }
    if (!publishing::eNumero(linha[Coluna::Valor]))
        linha[Coluna::Valor] = QStringLiteral("0");
    if (publishing::eNumero(linha[Coluna::Tamanho]))
        linha[Coluna::Tamanho] = kilobytes(publishing::leNumero(linha[Coluna::Tamanho]));

    QStringList grade;
    grade.reserve(kColunasGrade);
    for (const ColunaGrade& coluna : colunasGrade())
        grade << linha[coluna.origem];
    // The two dates that are always there: a text that is no date shows
    // nothing (an empty one is simply no date, not a failure).
    for (int g : {3, 4}) {
        const auto texto = dataGeral(grade[g]);
        if (!texto && !grade[g].isEmpty())
            falhou();
        grade[g] = texto.value_or(QString());
    }
    grade[ColunaGradeN::Valor] = platform::Regional::currency(publishing::leNumero(linha[Coluna::Valor]));
    grade[ColunaGradeN::Tamanho] += QStringLiteral("Kbs");
    return grade;
}

} // namespace zv::consultation
