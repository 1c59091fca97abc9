#pragma once
#include <QString>

namespace zv::core {

// The current document of the environment: the printed file being
// published, its type (the extension), its title and the copies made of it.
class DocumentoAtual {
public:
    // Tipo let: the extension of a path, a file name or an extension, in lower case.
    void setTipo(const QString& vData);
    const QString& tipo() const { return m_tipo; }

    const QString& arquivo() const { return m_arquivo; }
    void setArquivo(const QString& path) { m_arquivo = path; }

    // The path check of publishing mode; trims the path in place. On
    // refusal the sentence for the user is left in mensagem.
    bool ValidaArquivo(QString& path, QString& mensagem);

private:
    QString m_tipo;
    QString m_arquivo;
};

} // namespace zv::core
