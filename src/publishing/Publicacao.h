#pragma once
#include "publishing/classEnviar.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zv::transport {
class classFtp;
}

namespace zv::publishing {

// What a publication needs to know of the environment: the portal, the
// session handed out at login, the user's choices and the current document.
struct ContextoPublicacao {
    QString baseUrl;        // ends in "/"
    QString sistema;        // first line of every good answer
    qint32 lngSessao = 0;
    qint32 lngLogin_ID = 0;
    qint32 lngAdmin = 0;
    QString servidorFtp, usuarioFtp, senhaFtp;
    QString email;          // the user's address, sent twice
    QString usuariosId;     // the users chosen for the document, may be empty
    QString pasta;          // the portal folder of the document
    bool bDebug = false;
    QString arquivo;        // the file to publish
    QString titulo;         // the document's title, may be empty
    QString tipo;           // the file's type (its extension)
};

// One publication of the current file: the FTP upload, the registration
// with the portal's publication page, one backup copy per published item
// and the e-mail notices the record asks for. Every step is reported to the
// caller through the FTP object's Mensagem (its Informe signal):
//   0 the client company being notified, 1 the recipient, 2 a log line,
//   4 a milestone, 5 the publication failed.
class Publicacao {
public:
    using Requisicao = std::function<QString(const QString& url)>;
    // The backup copy of the published file under an item's ID.
    using CopiaBackup = std::function<void(const QString& id)>;

    Publicacao(const ContextoPublicacao& contexto, const classEnviar& registro, transport::classFtp& ftp,
               Requisicao abreUrl, CopiaBackup copiaBackup);

    // Publishes; answers whether the portal accepted the publication. On
    // failure mensagemErro tells why ("Erro" and the reason); on success it
    // is empty and ultimosIds holds the published items joined by "*". A
    // failure of the notices, once the portal accepted, is reported in the
    // log lines and leaves the publication accepted.
    bool Envia(QString& mensagemErro, QString& ultimosIds);

    // The name the file gets on the FTP server: the title with the file's
    // type, or the file's own name when there is no title.
    static QString tituloRemoto(const ContextoPublicacao& c);
    static QString urlPublicacao(const ContextoPublicacao& c, const classEnviar& r, const QString& titulo);
    static QString urlListaAvisos(const ContextoPublicacao& c, int modo, const QString& id);
    static QString urlAviso(const ContextoPublicacao& c, const QString& id, const QString& endereco);
    // The addresses of an explicit notice list: separated by ";", "," or
    // line breaks, blanks around them ignored.
    static QStringList enderecosDaLista(const QString& lista);

private:
    void relata(qint16 codigo, const QString& texto);
    // Upload and registration; throws on failure with mensagemErro set.
    QString publica(QString& mensagemErro);
    void avisa(int modo, const QStringList& itens);
    void avisaClientes(int modo, const QString& id);
    void avisaLista(const QStringList& enderecos, const QString& id);
    void enviaAviso(const QString& id, const QString& destinatario, const QString& endereco);

    const ContextoPublicacao& m_c;
    const classEnviar& m_registro;
    transport::classFtp& m_ftp;
    Requisicao m_abreUrl;
    CopiaBackup m_copiaBackup;
};

} // namespace zv::publishing
