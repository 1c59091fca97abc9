#include "publishing/TipoDocumento.h"

namespace zv::publishing {

namespace {
struct Tipo {
    const char16_t* nome;
    const char16_t* letra;
};
constexpr Tipo kTipos[] = {{u"Pagamento", u"P"}, {u"Relatório", u"R"}, {u"Diversos", u"D"}};
} // namespace

bool tipoValido(int codigo) { return codigo >= 0 && codigo <= 2; }

QString nomeTipo(int codigo)
{
    return tipoValido(codigo) ? QString::fromUtf16(kTipos[codigo].nome) : QString();
}

QString letraTipo(int codigo)
{
    return tipoValido(codigo) ? QString::fromUtf16(kTipos[codigo].letra) : QString();
}

int codigoDaLetra(const QString& letra)
{
    for (int i = 0; i < 3; ++i)
        if (letra == QString::fromUtf16(kTipos[i].letra))
            return i;
    return -1;
}

} // namespace zv::publishing
