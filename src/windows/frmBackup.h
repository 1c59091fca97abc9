#pragma once
#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace zv::ui {
class CommandBar;
}

namespace zv::windows {

// The backup window: a copy of every active publication of the office,
// stored in a folder the user chooses. "Backup" asks for the folder, lists
// the active documents, fetches each one and copies it there, the upper bar
// following the document in hand and the lower one the whole list; a
// message with the counts ends it. Closing the window during a backup
// stops it after the document in hand.
class frmBackup : public QDialog {
    Q_OBJECT
public:
    static inline const QString kBanner =
        QStringLiteral("Guarda no local desejado cópia de todas as publicações ativas");
    static inline const QString kSemSessao = QStringLiteral("Não é possível fazer o backup sem estar logado!");
    static inline const QString kTituloPasta = QStringLiteral("Escolha a pasta onde guardar as publicações");
    // How often the window looks at the program's exit request.
    static constexpr int kEncerrarMs = 1000;

    explicit frmBackup(QWidget* parent = nullptr);
    ~frmBackup() override;

    void tbBotoes_ButtonClick(const QString& key);
    // The whole backup, from the folder question to the closing message.
    void suBackup();

    // The portal base URL in its www form, taken when the window loaded.
    const QString& urlPortal() const { return m_urlPortal; }
    bool emCurso() const { return m_emCurso; }
    ui::CommandBar* comandos() const { return m_comandos; }
    QProgressBar* pbBackup() const { return m_pbBackup; }
    QProgressBar* ProgressBar1() const { return m_progressBar1; }

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void montaControles();
    void Form_Load();
    // The chosen folder, or empty when the user cancelled or chose none usable.
    QString escolhePasta();
    void copiaPara(const QString& pasta);
    void mostraArquivo(int porcento);
    void mostraTotal(int feitos, int total);
    void habilitaBackup(bool habilitado);

    QString m_urlPortal;
    bool m_emCurso = false;
    bool m_pararPedido = false;
    QTimer m_encerrar;

    QLabel* m_iblTexto = nullptr;
    QProgressBar* m_pbBackup = nullptr;
    QProgressBar* m_progressBar1 = nullptr;
    ui::CommandBar* m_comandos = nullptr;
};

} // namespace zv::windows
