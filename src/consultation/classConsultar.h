#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zv::consultation {

// The result of a consultation: rows 0..N of 18 text columns, columns 0 to
// 16 the fields of the portal's record and column 17 "Sim"/"Não" for the
// local backup copy. Row N is an empty spare row.
using TabelaConsulta = QList<QStringList>;
inline constexpr int kColunasConsulta = 18;

// Column numbers of the result table that more than one piece of code reads.
namespace Coluna {
inline constexpr int Cliente = 0, Id = 2, Arquivo = 4, Tamanho = 5, Publicacao = 8, Lida = 9, Apagado = 10,
                     Ativacao = 12, Expiracao = 13, Vencimento = 14, Valor = 15, Backup = 16, Local = 17;
}

// One GET to the portal, answering the whole body (empty on failure).
using Requisicao = std::function<QString(const QString& url)>;

// The query of the documents the office published: filter properties, one
// request to the consultation page, the answer read into a table. It never
// raises a failure; every outcome is a message read through Erro/Catch.
class classConsultar {
public:
    void GetPar(const QString& pUrl, qint32 pSession, qint32 pLoginID, const QString& pSistema,
                const QString& pLastIds, const QString& pPathUser);
    // The request function and the folder of the backup copies (inside the
    // data folder); the environment object hands both over with GetPar.
    void setRequisicao(Requisicao requisicao) { m_requisicao = std::move(requisicao); }
    void setPastaBackup(const QString& pasta) { m_pastaBackup = pasta; }

    void setEmpresa(qint32 valor) { m_empresa = valor; }
    qint32 Empresa() const { return m_empresa; }
    // Resets the date kind (and both dates) first.
    void setTipoDoc(qint16 valor);
    qint16 TipoDoc() const { return qint16(m_tipoDoc); }
    // Clears both dates; "Vencimento" (2) is refused unless the type is payments.
    void setTipoData(qint16 valor);
    qint16 TipoData() const { return qint16(m_tipoData); }
    // Only while a date kind is chosen.
    void setDataInicial(const QDate& data);
    void setDataFinal(const QDate& data);
    void setUsuario(qint32 valor) { m_usuario = valor; }
    void setOrdenar(qint16 valor);  // 0..5, anything else keeps the order
    void setMostrar(qint16 valor);  // 0..4, anything else stores 0
    qint32 Ordem() const { return m_ordem; }
    qint32 Mostrar() const { return m_mostrar; }

    // Runs the query: vRetorno the number of documents, vSumSize the sum of
    // their sizes; Erro empty on success. pEnviados asks for the documents
    // of the last publication instead of the filters.
    void Filtrar(qint16& vRetorno, qint32& vSumSize, bool pEnviados);
    // The request that Filtrar sends.
    QString urlFiltro(bool pEnviados) const;

    TabelaConsulta Consulta() const { return m_tabela; }
    const TabelaConsulta& tabela() const { return m_tabela; }
    const QString& Erro() const { return m_mensagem; }
    void Try() { m_mensagem.clear(); }
    bool Catch(QString& mensagem) const;

    void Validar();
    bool Validado() const { return m_validado; }

    // The page's second form: the content of one document by its ID.
    static QString urlRecuperacao(const QString& baseUrl, qint32 lngLogin_ID, qint32 lngSessao, const QString& id);

private:
    void leResposta(const QString& resposta, qint16& vRetorno, qint32& vSumSize);
    bool temCopiaLocal(const QString& id) const;

    QString m_pastaUsuario;
    QString m_pastaBackup;
    TabelaConsulta m_tabela;
    QString m_ultimosIds;
    Requisicao m_requisicao;
    QString m_baseUrl;
    qint32 m_sessao = 0;
    qint32 m_loginId = 0;
    QString m_sistema;
    qint32 m_empresa = 0;
    qint32 m_tipoDoc = 0;
    qint32 m_tipoData = 0;
    bool m_temInicial = false;
    bool m_temFinal = false;
    QDate m_dataInicial;
    QDate m_dataFinal;
    qint32 m_ordem = 0;
    qint32 m_mostrar = 0;
    qint32 m_usuario = 0;
    QString m_mensagem;
    bool m_validado = false;
};

} // namespace zv::consultation
