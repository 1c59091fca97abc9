// The environment's current-document operations, forwarded to the document.
#include "core/classAmbiente.h"

namespace zv::core {

QString classAmbiente::TipoDesc() const { return m_documento.tipoDesc(); }
const QString& classAmbiente::Titulo() const { return m_documento.titulo(); }
void classAmbiente::setTitulo(QString& vData) { m_documento.setTitulo(vData); }
QString classAmbiente::ArquivoTamanho() const { return m_documento.arquivoTamanho(); }
bool classAmbiente::Salvo() const { return m_documento.salvo(); }

bool classAmbiente::SalvarPDF(const QString& pDestino, bool pSusbistituir)
{
    return m_documento.SalvarPDF(pDestino, pSusbistituir);
}

bool classAmbiente::CopiaArquivo(const QString& texto)
{
    return m_documento.CopiaArquivo(texto, MensagemErro);
}

} // namespace zv::core
