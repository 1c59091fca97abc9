#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;

namespace zv::ui {
class CommandBar;
}

namespace zv::windows {

// The login window: domain, login and password, handed to the portal
// session of the environment; it closes itself once a session exists.
// Shown modally by the Monitor window whenever an operation needs a
// session. Closing it without a session asks first.
class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* parent = nullptr);
    ~frmLogin() override;

    static constexpr int kMaxCaracteres = 20;
    // The session length this window always asks for: seven days.
    static constexpr qint16 kTLogin = 5;
    // Design size in twips.
    static constexpr int kLarguraTwips = 6600;
    static constexpr int kAlturaTwips = 3900;

    ui::CommandBar* comandos() const { return m_comandos; }

    // The login procedure: checks the three fields, asks the portal,
    // closes on success or empties the password.
    void suEntrar();
    // Offers to open the product's web site.
    void AbreSite();

public Q_SLOTS:
    // Escape and the close box go through the closing rule as well.
    void reject() override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void montaControles();
    QLineEdit* montaCampo(const QString& nome);
    void Form_Load();
    void Form_Activate();
    // True when the window may close.
    bool Form_Unload();
    void tbLogin_ButtonClick(const QString& key);
    void cmdSalvar_Click();
    void txtSenha_KeyPress();

    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLineEdit* m_txtDominio = nullptr;
    QLineEdit* m_txtLogin = nullptr;
    QLineEdit* m_txtSenha = nullptr;
    ui::CommandBar* m_comandos = nullptr;
    bool m_logadoAoFechar = false;
};

} // namespace zv::windows
