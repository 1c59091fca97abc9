#pragma once
#include "publishing/ListasReferencia.h"

#include <QByteArray>
#include <QString>

namespace zv::publishing {

// What the office information needs of the session and the folders.
struct ContextoEscritorio {
    QString baseUrl;        // ends in "/"
    QString wwwUrl;         // the base URL in its www form
    qint32 lngSessao = 0;
    qint32 lngLogin_ID = 0;
    qint32 lngID_Contador = 0;
    QString sistema;
    QString logo;           // the logo's file name on the portal
    bool temInternet = false;
};

// Small pieces of office information from the portal (logo, storage space,
// tips) and the download of one published document into the backup folder.
class InfoEscritorio {
public:
    // The local logo path pCaminho + logo, downloading it when missing or
    // when pAtualiza; empty (with the message) after a failure.
    QString LogoEscritorio(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro,
                           const QString& pCaminho, bool pAtualiza);
    bool AtualizaEspaco(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro);
    bool Dica(const ContextoEscritorio& c, const Requisicao& abreUrl, QString& mensagemErro);
    // Stores the answer of url byte for byte as pastaBackup/pId_Arq,
    // creating the folder when it is missing. When pTam_arq is a size, an
    // answer of another size is refused and an earlier copy stays as it was.
    bool BArquivo(const Requisicao& abreUrl, QString& mensagemErro, const QString& url,
                  const QString& pastaBackup, const QString& pId_Arq, const QString& pTam_arq = QString());

    static QString enderecoLogo(const ContextoEscritorio& c);

    double EspacoTotal() const { return m_total; }
    double EspacoUtilizado() const { return m_utilizado; }
    double EspacoDisponivel() const { return m_disponivel; }
    const QString& DicaTitulo() const { return m_dicaTitulo; }
    const QString& DicaTexto() const { return m_dicaTexto; }
    const QString& ordemDica() const { return m_ordemDica; }

private:
    double m_total = 0, m_utilizado = 0, m_disponivel = 0;
    QString m_dicaTitulo, m_dicaTexto, m_ordemDica;
};

// The bytes of an answer as they came off the wire: the request answers one
// Windows-1252 character per byte (the five unassigned codes as their own
// control characters), and this is its exact inverse.
QByteArray bytesDaResposta(const QString& resposta);

} // namespace zv::publishing
