#pragma once
#include "core/DocumentoAtual.h"
#include "core/SessaoPortal.h"
#include "core/Settings.h"
#include "publishing/FilaEnvio.h"
#include "transport/classURL.h"
#include "transport/classFtp.h"
#include "publishing/classEnviar.h"
#include "publishing/InfoEscritorio.h"
#include "publishing/ListasReferencia.h"
#include "consultation/classConsultar.h"
#include "core/classBackup.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zv::core {

// The environment of the whole program: system name, per-user folders, the
// portal session, the current document, the reference lists and the send
// queue all hang off the one object of this class, Ambiente. Each concern's
// logic and state live in a class of its own that this object owns and
// forwards to; the names here are the ones the rest of the program calls.
class classAmbiente {
public:
    classAmbiente();
    ~classAmbiente();
    classAmbiente(const classAmbiente&) = delete;
    classAmbiente& operator=(const classAmbiente&) = delete;

    // ---- Environment --------------------------------------------------
    // Starts the environment in monitor mode (the tray daemon) or in
    // publishing mode with a printed document. Answers true only in
    // publishing mode once the document was accepted.
    bool Inicia(bool pMonitor, const QString& pArquivo, const QString* vTipo = nullptr);
    const QString& Sistema() const { return m_sistema; }
    bool Monitor() const { return m_monitor; }
    const QString& PastaBase() const { return m_pastaBase; }
    QString Erro() const { return MensagemErro; }

    void LimpaListaArquivos();
    void AddListaArquivos(const QString& arquivo);
    const QStringList& ListaArquivos() const { return m_listaArquivos; }

    // Accepts a list and does nothing with it; kept for the callers of the interface.
    template <class List>
    void Historico(const List&) {}

    // Public state of the interface.
    QString ControleValidacao;
    QString pasta;
    QString UsuariosId;
    QString Email;
    bool TemCarteira = false;

    // The text of the last failure, returned by Erro.
    QString MensagemErro;

    // ---- Current document -------------------------------------------
    DocumentoAtual& documento() { return m_documento; }
    const QString& Tipo() const { return m_documento.tipo(); }
    void setTipo(const QString& vData) { m_documento.setTipo(vData); }
    const QString& arquivo() const { return m_documento.arquivo(); }
    void setArquivo(const QString& path) { m_documento.setArquivo(path); }
    QString TipoDesc() const;
    const QString& Titulo() const;
    void setTitulo(QString& vData); // trims the caller's text too
    QString ArquivoTamanho() const;
    bool SalvarPDF(const QString& pDestino, bool pSusbistituir);
    bool Salvo() const;
    const QString& ArquivoSalvo() const { return m_documento.arquivoSalvo(); }

private:
    // The working copy in PROC (texto empty) or a backup copy in Back; the
    // sentence of a failure goes to MensagemErro.
    bool CopiaArquivo(const QString& texto);
public:

    // ---- Session with the portal ------------------------------------
    SessaoPortal& sessao() { return m_sessao; }
    const SessaoPortal& sessao() const { return m_sessao; }
    const QString& Dominio() const { return m_sessao.Dominio; }
    const QString& Login() const { return m_sessao.Login; }
    const QString& Escritorio() const { return m_sessao.Escritorio; }
    const QString& Usuario() const { return m_sessao.Usuario; }
    const QString& TpLogo() const { return m_sessao.TpLogo; }
    qint16 TLogin() const { return m_sessao.TLogin; }
    bool Autentica(const QString& pDominio, const QString& pLogin, const QString& pSenha, qint16 vTLogin);
    bool Logado();
    void LogOff();
    bool Internet();
    // One GET through the environment's request object; the URL and the
    // answer are kept in UltimaURL and UltimaResposta.
    QString AbreURL(const QString& url);
    QString UltimaURL, UltimaResposta;

private:
    bool ConfirmaLogin();
    // What the session asks of this object: requests, base URL, mode, the
    // working copy and the message.
    SessaoPortal::Meio meioSessao();
    QString abreURLRegistrando(const QString& url, const QString& registro);
    std::unique_ptr<transport::classURL> m_requisicao; // created at the first request
public:

    // ---- Reference lists --------------------------------------------
    // Refreshes the office's portfolios, clients and users from the portal
    // (pCarteiras: the portfolio form of the request); TemCarteira follows.
    bool Sincroniza(bool* pAtualiza = nullptr, bool pCarteiras = true, bool pUsuario = false);
    publishing::Tabela Carteiras() const { return m_listas.Carteiras(); }
    publishing::Tabela Usuarios() const { return m_listas.Usuarios(); }
    // Raises platform::Failure for a portfolio field that is not a number.
    publishing::Tabela Clientes(qint32 vCarteira) const { return m_listas.Clientes(vCarteira); }
    const publishing::ListasReferencia& listas() const { return m_listas; }
private:
    publishing::ListasReferencia m_listas;
public:

    // ---- Send queue -------------------------------------------------
    // The document record of the publishing interface, given today's date
    // when the environment is created.
    publishing::classEnviar Enviar = novoEnviar();
    // The last queueing succeeded; the last publication was accepted.
    bool Enfileirado() const { return m_enfileirado; }
    bool Enviado() const { return m_enviado; }
    // Queues every file of the file list under the validated record; the
    // current file ends as the last one queued.
    bool Enfileirar();
    // The whole queue as a table, the reference lists synchronised first.
    // On failure pErro becomes true, the table is empty and Erro tells why.
    publishing::TabelaFila CarregaFila(bool& pErro);
    // What the last CarregaFila left out of a damaged index file, for the
    // user; empty when the index was sound.
    const QString& AvisoFila() const { return m_avisoFila; }

    // Publishes the current file under the validated record: FTP upload with
    // pFtp, registration with the portal, a backup copy per published item
    // and the e-mail notices. Every step is reported through pFtp's signals;
    // afterwards Enviado, Erro and UltimosIds tell the outcome.
    void Envia(transport::classFtp& pFtp);

private:
    static publishing::classEnviar novoEnviar();
    bool m_enfileirado = false;
    bool m_enviado = false;
    QString m_avisoFila;
    // The user's file that the last queueing left as the current file.
    QString m_arquivoEnfileirado;

public:

    // ---- Office information and retrieval ---------------------------
    // The local logo path pCaminho + Logo, downloaded when missing or when
    // pAtualiza; empty after a failure (see Erro).
    QString LogoEscritorio(const QString& pCaminho, bool pAtualiza);
    bool AtualizaEspaco();
    double EspacoTotal() const { return m_escritorio.EspacoTotal(); }
    double EspacoUtilizado() const { return m_escritorio.EspacoUtilizado(); }
    double EspacoDisponivel() const { return m_escritorio.EspacoDisponivel(); }
    bool Dica();
    const QString& DicaTitulo() const { return m_escritorio.DicaTitulo(); }
    const QString& DicaTexto() const { return m_escritorio.DicaTexto(); }
    // Downloads one published document into the backup folder, named by its ID.
    bool BArquivo(const QString& pId_Arq, const QString& pTam_arq);
private:
    publishing::ContextoEscritorio contextoEscritorio() const;
    publishing::InfoEscritorio m_escritorio;
public:

    // ---- Consultation -----------------------------------------------
    // The query object exists between Consulta_Iniciar and Consulta_Finalizar
    // (while the consultation window is open); null otherwise.
    void Consulta_Iniciar();
    void Consulta_Finalizar();
    consultation::classConsultar* Consultar() const { return m_consultar.get(); }
    // A query object of its own for this session, for a caller that must
    // not disturb the consultation window's.
    std::unique_ptr<consultation::classConsultar> novaConsulta();
    // The IDs of the last publication, "*" between them; copied into the
    // query object when it is created.
    QString UltimosIds;
private:
    std::unique_ptr<consultation::classConsultar> m_consultar;
public:

    // ---- Backup -----------------------------------------------------
    // At most one backup object, handed the portal address and the session
    // when it is created; null while none exists.
    classBackup* objBackup() const { return m_backup.get(); }
private:
    // Creating again replaces the object held before.
    void Backup_Iniciar();
    void Backup_Finalizar();
    std::unique_ptr<classBackup> m_backup;
    // Reaches the two operations above, which nothing else calls.
    friend struct AcessoBackup;
public:

private:
    void RegistraVersao(const QString& prefixo);
    void restauraSessao();

    QString m_sistema;
    QString m_pastaBase;
    bool m_monitor = false;
    QStringList m_listaArquivos;
    DocumentoAtual m_documento;
    SessaoPortal m_sessao;
};

} // namespace zv::core
