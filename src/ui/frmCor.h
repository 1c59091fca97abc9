#pragma once
#include <QDialog>
#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

namespace zv::ui {

// The colour window: lets the user turn the desktop's button face to the
// light grey the toolbar pictures are drawn for (adjust mode), or bring back
// the colour saved before that change (restore mode, when the light grey is
// active). Only "Confirma" closes it. Its effects are the setting "Buton"
// and the button-face colour.
class frmCor : public QDialog {
    Q_OBJECT
public:
    explicit frmCor(QWidget* parent = nullptr);

    static inline const QString kChaveButon = QStringLiteral("Buton");
    static inline const QString kModoAjuste = QStringLiteral("0");
    static inline const QString kModoRestaura = QStringLiteral("1");

    // The mode, held in the confirm button's tag: kModoAjuste or kModoRestaura.
    QString modo() const;
    // The colour remembered at load: the current face (adjust) or the one
    // to bring back (restore).
    qint32 corLembrada() const { return m_corLembrada; }

    // Design size in twips.
    static constexpr int kLarguraTwips = 7800;
    static constexpr int kAlturaTwips = 5400;

public Q_SLOTS:
    void reject() override; // Escape does not close this window

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void cmdConfirma_Click();
    void montaControles();
    QWidget* montaColuna(const QString& nomeRotulo, const QString& textoRotulo, const QString& nomeFigura,
                         bool barraDeFerramentas);
    QWidget* montaAmostra(const QString& nomeMoldura, const QString& titulo, const QString& nomeForma,
                          QFrame*& forma);
    static void pinta(QFrame* forma, qint32 cor);
    // The colour "Buton" saved before a change; the platform's default face
    // when it holds none.
    static qint32 corSalva();

    QLabel* m_titulo = nullptr;
    QFrame* m_shape1 = nullptr;
    QFrame* m_spCor = nullptr;
    QCheckBox* m_chkManterCor = nullptr;
    QPushButton* m_cmdConfirma = nullptr;
    qint32 m_corLembrada = 0;
    bool m_confirmado = false;
};

} // namespace zv::ui
