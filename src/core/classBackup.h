#pragma once
#include <QString>

namespace zv::core {

// The portal side of the backup feature: the portal address and the session
// it serves, the address of the portal's backup page for that session, and a
// counter over the list of files.
class classBackup {
public:
    // pUrl is the portal base URL, ending in "/".
    void Inicia_Classe(const QString& pUrl, qint32 pIdLogin, qint32 pSessao);
    // Builds the request address for the session; nothing is sent.
    void Backup();
    // The file counter back at the start of the list.
    void Inicio();
    // The next file. Past the largest 16-bit count it raises the overflow
    // failure and the counter stays where it was.
    void Proximo();
    // Whether the counter has reached the number of files.
    bool Fim() const;

    const QString& urlBase() const { return m_urlBase; }
    qint32 idLogin() const { return m_idLogin; }
    qint32 sessao() const { return m_sessao; }
    const QString& urlRequisicao() const { return m_urlRequisicao; }
    qint16 contador() const { return m_contador; }
    qint16 totalArquivos() const { return m_totalArquivos; }

private:
    QString m_urlBase;
    qint32 m_idLogin = 0;
    qint32 m_sessao = 0;
    QString m_urlRequisicao;
    qint16 m_contador = 0;
    // Nothing sets it: the list of files is not read from the portal here.
    qint16 m_totalArquivos = 0;
};

} // namespace zv::core
