#pragma once
#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>

class QCheckBox;

namespace zv::ui {
class CommandBar;
}

namespace zv::windows {

// The service monitor: its caption follows the portal session, its toolbar
// leads to backup, consultation, the updater and the sending window, it
// closes itself on the exit request ("CloseNow" = 1) and can log the user
// off when it closes. Every tray press opens a new one.
class frmMonitor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLoginMs = 5000;
    static constexpr int kSairMs = 3000;
    static inline const QString kSequenciaCor = QStringLiteral("tavrik");

    // The modal windows the Monitor opens, each created, shown and released
    // by one call; the parent is the Monitor.
    struct Janelas {
        std::function<void(QWidget*)> login;
        std::function<void(QWidget*)> consulta;
        std::function<void(QWidget*)> cor;
        std::function<void(QWidget*)> envio; // modeless; the window releases itself
    };
    static Janelas janelasPadrao();
    // For tests: the windows opened from now on; an empty set restores the real ones.
    static void usaJanelas(const Janelas& janelas);

    explicit frmMonitor(QWidget* parent = nullptr);
    ~frmMonitor() override;

    // Answers whether a session exists and sets the caption and the
    // log-off check box accordingly.
    bool VerificaLogin();
    // The close-now poll.
    void Sair();
    void tbPrincipal_ButtonClick(const QString& key);

    void suBackup();
    void suConsulta();
    void suMultiplos();
    void Atualiza();

    // Offered to the rest of the program.
    void AbreRelatorio();
    void AbreMultiplos() { suMultiplos(); }
    static void PedeEncerrar();

    ui::CommandBar* comandos() const { return m_comandos; }
    QCheckBox* chkLogOff() const { return m_chkLogOff; }
    QTimer& trmLogin() { return m_trmLogin; }
    QTimer& tmrSair() { return m_tmrSair; }

    // The caption for the current session state.
    static QString legenda(bool logado);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void aplicaEstilo();
    void mostraSessao(bool logado);
    // The session step of an operation: true when a session exists, maybe
    // after the login window; otherwise the refusal is shown.
    bool passoSessao(const QString& procedimento, const QString& recusa);
    void fimDeOperacao(const QString& procedimento);
    void teclaDigitada(const QString& texto);
    void fechaJanelasFilhas();

    ui::CommandBar* m_comandos = nullptr;
    QCheckBox* m_chkLogOff = nullptr;
    QTimer m_trmLogin;
    QTimer m_tmrSair;
    QString m_teclas;
    bool m_carregado = false;
};

} // namespace zv::windows
