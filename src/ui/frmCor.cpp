#include "ui/frmCor.h"

#include "core/Settings.h"
#include "ui/ButtonFace.h"
#include "ui/CommandBar.h"
#include "ui/Images.h"
#include "ui/Twips.h"
#include "ui/WindowFont.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zv::ui {

namespace {

const char* const kTag = "Tag";
const QColor kFaixa(0x1F, 0x3D, 0x63); // dark band behind the white notice

// A picture of this program's own commands in one presentation.
QPixmap retrato(bool barraDeFerramentas)
{
    const QList<Command> amostra{
        {QStringLiteral("keyEntrar"), QStringLiteral("Entrar"), {}, QStringLiteral("Entrar"), QStringLiteral("cmdEntrar")},
        {QStringLiteral("keyConsulta"), QStringLiteral("Consulta"), {}, QStringLiteral("Consulta"), QStringLiteral("cmdConsulta")},
        {QStringLiteral("keySair"), QStringLiteral("Sair"), {}, QStringLiteral("Sair"), QStringLiteral("cmdSair")},
    };
    CommandBar barra(amostra, QStringLiteral("tbAmostra"));
    barra.setToolbarPresentation(barraDeFerramentas);
    barra.setFont(windowFont(8.25));
    if (barraDeFerramentas) {
        // The toolbar as it looks on the light grey it is drawn for.
        QPalette p = barra.palette();
        p.setColor(QPalette::Button, ButtonFace::toColor(ButtonFace::kCorEspecial));
        p.setColor(QPalette::Window, ButtonFace::toColor(ButtonFace::kCorEspecial));
        barra.setPalette(p);
        barra.setAutoFillBackground(true);
    }
    barra.ensurePolished();
    barra.adjustSize();
    return barra.grab();
}

} // namespace

frmCor::frmCor(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmCor"));
    setWindowTitle(core::kSistema);
    setWindowIcon(Images::application());
    setFont(windowFont(8.25));
    setModal(true);
    montaControles();
    Form_Load();
}

void frmCor::montaControles()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);

    m_titulo = new QLabel(QStringLiteral("Ajuste de Cores do Sistema "), this);
    m_titulo->setObjectName(QStringLiteral("Label2"));
    m_titulo->setFont(windowFont(12, true));
    layout->addWidget(m_titulo);

    auto* linha = new QFrame(this);
    linha->setObjectName(QStringLiteral("Line1"));
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    layout->addWidget(linha);

    auto* aviso = new QLabel(QStringLiteral(
        "Esta opção altera a configuração de cor padrão de fundo de aplicativo para a cor ideal para "
        "funcionamento da Zorvelanta Printer. Se optar por alterar esta cor pode ser que outros programa "
        "que usam as cores a partir de padrões do windows tenha suas cores alteradas. "), this);
    aviso->setObjectName(QStringLiteral("Label4"));
    aviso->setWordWrap(true);
    aviso->setAlignment(Qt::AlignCenter);
    aviso->setMargin(8);
    aviso->setAutoFillBackground(true);
    QPalette p = aviso->palette();
    p.setColor(QPalette::Window, kFaixa);
    p.setColor(QPalette::WindowText, Qt::white);
    aviso->setPalette(p);
    layout->addWidget(aviso);

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(16);
    grade->setVerticalSpacing(8);
    grade->addWidget(montaColuna(QStringLiteral("Label1"), QStringLiteral("Botões especiais com ajuste de cores"),
                                 QStringLiteral("Picture2"), true), 0, 0, Qt::AlignTop);
    grade->addWidget(montaColuna(QStringLiteral("Label3"), QStringLiteral("Botões normais sem ajuste de cores"),
                                 QStringLiteral("Picture1"), false), 0, 1, Qt::AlignTop);
    grade->addWidget(montaAmostra(QStringLiteral("Frame1"), QStringLiteral("Cor Padrão Botões especiais"),
                                  QStringLiteral("Shape1"), m_shape1), 1, 0);
    grade->addWidget(montaAmostra(QStringLiteral("Frame2"), QStringLiteral("Cor Padrão do seu sistema"),
                                  QStringLiteral("spCor"), m_spCor), 1, 1);
    grade->setColumnStretch(0, 1);
    grade->setColumnStretch(1, 1);
    layout->addLayout(grade);
    layout->addStretch(1);

    auto* rodape = new QHBoxLayout;
    m_chkManterCor = new QCheckBox(this);
    m_chkManterCor->setObjectName(QStringLiteral("chkManterCor"));
    m_chkManterCor->setChecked(true);
    rodape->addWidget(m_chkManterCor, 1);
    m_cmdConfirma = new QPushButton(Images::button(QStringLiteral("Confirma")), QStringLiteral("Confirma"), this);
    m_cmdConfirma->setObjectName(QStringLiteral("cmdConfirma"));
    m_cmdConfirma->setProperty(kTag, kModoAjuste);
    m_cmdConfirma->setDefault(true);
    rodape->addWidget(m_cmdConfirma);
    layout->addLayout(rodape);
    connect(m_cmdConfirma, &QPushButton::clicked, this, &frmCor::cmdConfirma_Click);

    // The designed size, grown where this machine's font needs more room.
    const QSize desenho(Twips::toPixelsX(kLarguraTwips, this), Twips::toPixelsY(kAlturaTwips, this));
    setFixedSize(desenho.expandedTo(layout->totalMinimumSize()).expandedTo(sizeHint()));
}

QWidget* frmCor::montaColuna(const QString& nomeRotulo, const QString& textoRotulo, const QString& nomeFigura,
                             bool barraDeFerramentas)
{
    auto* coluna = new QWidget(this);
    auto* layout = new QVBoxLayout(coluna);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* rotulo = new QLabel(textoRotulo, coluna);
    rotulo->setObjectName(nomeRotulo);
    rotulo->setAlignment(Qt::AlignCenter);
    rotulo->setWordWrap(true);
    layout->addWidget(rotulo);
    auto* figura = new QLabel(coluna);
    figura->setObjectName(nomeFigura);
    figura->setAlignment(Qt::AlignCenter);
    figura->setPixmap(retrato(barraDeFerramentas));
    figura->setFrameShape(QFrame::StyledPanel);
    // Both pictures as tall as the taller (the toolbar), side by side.
    figura->setMinimumHeight(retrato(true).deviceIndependentSize().toSize().height() + 12);
    layout->addWidget(figura);
    return coluna;
}

QWidget* frmCor::montaAmostra(const QString& nomeMoldura, const QString& titulo, const QString& nomeForma,
                              QFrame*& forma)
{
    auto* moldura = new QGroupBox(titulo, this);
    moldura->setObjectName(nomeMoldura);
    auto* layout = new QVBoxLayout(moldura);
    forma = new QFrame(moldura);
    forma->setObjectName(nomeForma);
    forma->setFrameShape(QFrame::Box);
    forma->setAutoFillBackground(true);
    forma->setMinimumHeight(Twips::toPixelsY(450, this));
    layout->addWidget(forma);
    return moldura;
}

void frmCor::pinta(QFrame* forma, qint32 cor)
{
    QPalette p = forma->palette();
    p.setColor(QPalette::Window, ButtonFace::toColor(cor));
    forma->setPalette(p);
}

qint32 frmCor::corSalva()
{
    const QString buton = core::Settings::read(core::Secao::Config, kChaveButon).trimmed();
    bool ok = false;
    const qlonglong numero = buton.toLongLong(&ok);
    // "0" is the choice to keep the colour, not black.
    if (ok && buton != QLatin1String("0") && numero >= 0 && numero <= 0xFFFFFF)
        return qint32(numero);
    return ButtonFace::corPadrao();
}

void frmCor::Form_Load()
{
    m_corLembrada = ButtonFace::cor();
    pinta(m_shape1, ButtonFace::kCorEspecial);
    if (m_corLembrada == ButtonFace::kCorEspecial) {
        m_corLembrada = corSalva();
        m_cmdConfirma->setProperty(kTag, kModoRestaura);
        m_chkManterCor->setText(QStringLiteral("Restaurar a cor do meu sistema"));
    } else {
        m_cmdConfirma->setProperty(kTag, kModoAjuste);
        m_chkManterCor->setText(QStringLiteral("Manter a cor do meu sistema e usar botões simples"));
    }
    pinta(m_spCor, m_corLembrada);
}

QString frmCor::modo() const { return m_cmdConfirma->property(kTag).toString(); }

void frmCor::cmdConfirma_Click()
{
    const bool marcado = m_chkManterCor->isChecked();
    if (modo() == kModoAjuste) {
        if (marcado) {
            core::Settings::write(core::Secao::Config, kChaveButon, QStringLiteral("0"));
        } else {
            core::Settings::write(core::Secao::Config, kChaveButon, QString::number(m_corLembrada));
            ButtonFace::setCor(ButtonFace::kCorEspecial);
        }
    } else if (marcado) {
        core::Settings::write(core::Secao::Config, kChaveButon, QStringLiteral("0"));
        ButtonFace::setCor(m_corLembrada);
    }
    m_confirmado = true;
    accept();
}

void frmCor::reject()
{
    // Only "Confirma" ends this window.
}

void frmCor::closeEvent(QCloseEvent* event)
{
    if (m_confirmado)
        event->accept();
    else
        event->ignore();
}

} // namespace zv::ui
