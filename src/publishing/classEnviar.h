#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace zv::publishing {

// The record of one document to be published: type, client companies,
// description, dates, amount, observation, free parameters and the choice
// of e-mail notices. The environment owns one for its whole life and reuses
// it for every document; Try begins a document.
//
// Every let takes its value by reference and may correct the caller's
// variable (an over-long description is cut, a non-date emptied); the const
// overloads are for callers that pass a temporary.
class classEnviar {
public:
    static constexpr int kDescricaoMax = 100;

    classEnviar();

    // The date Validar takes as today.
    void Inicia(const QDate& vData) { m_hoje = vData; }

    qint16 TipoArquivo() const { return m_tipo; }
    void setTipoArquivo(qint16 vData);
    // Letter of the given type, or of the record's own type when 0.
    QString TpArquivoChar(qint16 pTpArquivo = 0) const;
    QString Cod_TpDoc() const;

    const QString& Descricao() const { return m_descricao; }
    void setDescricao(QString& vData);
    void setDescricao(const QString& vData);

    const QString& Ativacao() const { return m_ativacao; }
    void setAtivacao(QString& vData);
    void setAtivacao(const QString& vData);
    const QString& Expiracao() const { return m_expiracao; }
    void setExpiracao(QString& vData);
    void setExpiracao(const QString& vData);
    const QString& Vencimento() const { return m_vencimento; }
    void setVencimento(QString& vData);
    void setVencimento(const QString& vData);

    double Valor() const { return m_valor; }
    void setValor(double vData) { m_valor = vData; }

    const QString& Observacao() const { return m_observacao; }
    void setObservacao(const QString& vData) { m_observacao = vData; }

    // Free values handed to the portal unchanged.
    const QString& Parametro1() const { return m_parametros[0]; }
    void setParametro1(const QString& v) { m_parametros[0] = v; }
    const QString& Parametro2() const { return m_parametros[1]; }
    void setParametro2(const QString& v) { m_parametros[1] = v; }
    const QString& Parametro3() const { return m_parametros[2]; }
    void setParametro3(const QString& v) { m_parametros[2] = v; }
    const QString& Parametro4() const { return m_parametros[3]; }
    void setParametro4(const QString& v) { m_parametros[3] = v; }
    const QString& Parametro5() const { return m_parametros[4]; }
    void setParametro5(const QString& v) { m_parametros[4] = v; }

    // Begins a document: empties the message and the client list.
    void Try();
    // False when there is no message; otherwise hands it out in e.
    bool Catch(QString& e) const;

    void AddCliente(qint32 cliente);
    qint16 QuantidadeClientes() const { return static_cast<qint16>(m_clientes.size()); }
    // The client IDs in list order joined by "*"; empty with no client.
    QString Empresas() const;

    // Which e-mail notices the publication triggers: reset gives none; all
    // users; no list: the default recipients; otherwise the given list.
    void Avisar(bool pTodos, const std::optional<QString>& pEmails = std::nullopt, bool pReseta = false);
    // The notice mode digit, followed in mode 3 by the list.
    QString Emails() const;

    // Validates the record for the document file sNm_Arq. controleValidacao
    // receives the name of the input control to focus; pasta is the portal
    // folder chosen for the document, which must not be empty.
    void Validar(const QString& sNm_Arq, const QString& pasta, QString& controleValidacao);
    bool Validado() const { return m_validado; }

private:
    bool validaDatas(const QString& sNm_Arq, QString& controleValidacao);
    void falha(const QString& texto, const QString& sNm_Arq, const QString& controle,
               QString& controleValidacao);

    qint16 m_tipo = 0;
    QString m_descricao;
    QString m_ativacao;
    QString m_expiracao;
    QString m_vencimento;
    double m_valor = 0;
    QString m_observacao;
    std::array<QString, 5> m_parametros;
    QList<qint32> m_clientes;
    int m_modoAviso = 0;
    QString m_listaAviso;
    QString m_mensagem;
    bool m_validado = false;
    QDate m_hoje;
};

} // namespace zv::publishing
