#pragma once
#include <QString>

namespace zv::core {

// The current document of the environment: the printed file being
// published, its type (the extension), its title and the copies made of it.
// Operations that can fail answer false and leave the sentence for the user
// in the message given to them; nothing here shows a box.
class DocumentoAtual {
public:
    // Tipo let: the extension of a path, a file name or an extension, in lower case.
    void setTipo(const QString& vData);
    const QString& tipo() const { return m_tipo; }
    // The category of the extension ("Documento Portátil", "Imagens", ... "Outros").
    QString tipoDesc() const;

    // Titulo let: trims the caller's text in place; the field's hint text
    // counts as no title and empties the caller's text as well.
    void setTitulo(QString& vData);
    const QString& titulo() const { return m_titulo; }

    const QString& arquivo() const { return m_arquivo; }
    void setArquivo(const QString& path) { m_arquivo = path; }

    // The path check of publishing mode; trims the path in place. On
    // refusal the sentence for the user is left in mensagem.
    bool ValidaArquivo(QString& path, QString& mensagem);

    // A copy of the document: the working copy in PROC (texto empty; the
    // document becomes the copy, under a new name when one of its name is
    // already there) or the backup copy in Back (any other texto; an older
    // backup of the same name is replaced). A document already in that
    // folder is not copied again.
    bool CopiaArquivo(const QString& texto, QString& mensagem);

    // A copy where the user chose; an existing file is replaced only when
    // asked. True when the copy was made.
    bool SalvarPDF(const QString& pDestino, bool pSusbistituir);
    bool salvo() const { return m_salvo; }
    const QString& arquivoSalvo() const { return m_arquivoSalvo; }

    // The size of the document in bytes, in decimal. A missing file raises
    // platform::Failure for the caller's trap.
    QString arquivoTamanho() const;

    static inline const QString kTituloPlaceholder = QStringLiteral("Digite um Título");

private:
    QString m_tipo;
    QString m_titulo;
    QString m_arquivo;
    QString m_arquivoSalvo;
    bool m_salvo = false;
};

// The name a copy of a file gets: "'", the double quote, "#", "&" and "%"
// each become "_".
QString nomeDeCopia(const QString& nome);

} // namespace zv::core
