#include "transport/FtpSessao.h"

#include "platform/Cp1252.h"
#include "transport/FtpErros.h"
#include "transport/RecursosCurl.h"
#include "transport/classURL.h"

#include <QIODevice>
#include <QRegularExpression>

#include <cctype>

namespace zv::transport {

namespace {


bool temQuebraOuNulo(const QByteArray& bytes)
{
    return bytes.contains('\r') || bytes.contains('\n') || bytes.contains('\0');
}

// A path for the URL: every byte but the unreserved ones and "/"
// percent-encoded, so the library hands the server exactly these bytes.
QByteArray caminhoCodificado(const QByteArray& bytes)
{
    return bytes.toPercentEncoding("/");
}

bool linhaFinalDaResposta(const QByteArray& linha)
{
    return linha.size() >= 3 && std::isdigit(uchar(linha[0])) && std::isdigit(uchar(linha[1]))
        && std::isdigit(uchar(linha[2])) && (linha.size() == 3 || linha[3] == ' ');
}

} // namespace

EnderecoFtp enderecoFtp(const QString& vServidor)
{
    static const QRegularExpression comPorta(QStringLiteral("^(\\[[^\\]]*\\]|[^:]+):(\\d{1,5})$"));
    const auto achado = comPorta.match(vServidor);
    if (achado.hasMatch()) {
        const int porta = achado.captured(2).toInt();
        if (porta >= 1 && porta <= 65535)
            return {achado.captured(1), porta};
    }
    return {vServidor, 21};
}

struct FtpSessao::Estado {
    Prazos prazos;
    libcurl::Curl curl;
    QByteArray host;
    int porta = 21;
    int erro = kFtpSemErro;
    // The server's responses as they arrive: the lines of the one being
    // read, and the last complete one.
    QByteArrayList linhasEmCurso;
    QByteArray ultimaResposta;
    // What the transfer in progress reads from or writes to.
    const Fonte* fonte = nullptr;
    QIODevice* destino = nullptr;

    static size_t cabecalho(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept;
    static size_t leitura(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept;
    static size_t escrita(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept;

    bool prepara(const QByteArray& caminho);
    bool executa();
};

size_t FtpSessao::Estado::cabecalho(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept
{
    const size_t bytes = tamanho * quantos;
    auto& e = *static_cast<Estado*>(estado);
    try {
        QByteArray linha(dados, qsizetype(bytes));
        while (linha.endsWith('\n') || linha.endsWith('\r'))
            linha.chop(1);
        e.linhasEmCurso.append(linha);
        if (linhaFinalDaResposta(linha)) {
            e.ultimaResposta = e.linhasEmCurso.join("\r\n");
            e.linhasEmCurso.clear();
        }
    } catch (...) {
        return 0;
    }
    return bytes;
}

size_t FtpSessao::Estado::leitura(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept
{
    auto& e = *static_cast<Estado*>(estado);
    try {
        const qint64 lidos = (*e.fonte)(dados, qint64(tamanho * quantos));
        return lidos < 0 ? CURL_READFUNC_ABORT : size_t(lidos);
    } catch (...) {
        return CURL_READFUNC_ABORT;
    }
}

size_t FtpSessao::Estado::escrita(char* dados, size_t tamanho, size_t quantos, void* estado) noexcept
{
    const size_t bytes = tamanho * quantos;
    auto& e = *static_cast<Estado*>(estado);
    if (!e.destino)
        return bytes; // a step that moves no file: nothing to keep
    try {
        return e.destino->write(dados, qint64(bytes)) == qint64(bytes) ? bytes : 0;
    } catch (...) {
        return 0;
    }
}

// Every step names the server and a path; the options of the previous step
// that concern only it are put back.
bool FtpSessao::Estado::prepara(const QByteArray& caminho)
{
    libcurl::Url url(curl_url());
    // A name the library cannot even take as a host name is one no
    // resolver would find.
    if (!url || curl_url_set(url.get(), CURLUPART_SCHEME, "ftp", 0) != CURLUE_OK
        || curl_url_set(url.get(), CURLUPART_HOST, host.constData(), 0) != CURLUE_OK
        || curl_url_set(url.get(), CURLUPART_PORT, QByteArray::number(porta).constData(), 0) != CURLUE_OK) {
        erro = kFtpNomeNaoResolvido;
        return false;
    }
    char* texto = nullptr;
    if (curl_url_set(url.get(), CURLUPART_PATH, caminho.constData(), 0) != CURLUE_OK
        || curl_url_get(url.get(), CURLUPART_URL, &texto, 0) != CURLUE_OK) {
        erro = kFtpNomeInvalido;
        return false;
    }
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, texto);
    curl_free(texto);
    curl_easy_setopt(c, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(c, CURLOPT_NOBODY, 0L);
    fonte = nullptr;
    destino = nullptr;
    return true;
}

bool FtpSessao::Estado::executa()
{
    erro = codigoDoErro(curl_easy_perform(curl.get()));
    fonte = nullptr;
    destino = nullptr;
    return erro == kFtpSemErro;
}

FtpSessao::FtpSessao() : FtpSessao(Prazos{}) {}

FtpSessao::FtpSessao(Prazos prazos) : d(std::make_unique<Estado>())
{
    d->prazos = prazos;
}

FtpSessao::~FtpSessao() = default;

bool FtpSessao::abre()
{
    libcurl::iniciaBiblioteca();
    d->curl.reset(curl_easy_init());
    if (!d->curl) {
        d->erro = kFtpErroInterno;
        return false;
    }
    CURL* c = d->curl.get();
    // The session carries the program's name like its web requests do; an
    // FTP conversation has nowhere to send it.
    curl_easy_setopt(c, CURLOPT_USERAGENT, classURL::kAgente);
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    // Passive mode (PASV), binary transfers, and no folder changes of the
    // library's own: every path it is given starts at the root.
    curl_easy_setopt(c, CURLOPT_FTP_USE_EPSV, 0L);
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, d->prazos.segundosConexao);
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, d->prazos.segundosSemResposta);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, d->prazos.segundosSemResposta);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &Estado::cabecalho);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, d.get());
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &Estado::leitura);
    curl_easy_setopt(c, CURLOPT_READDATA, d.get());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Estado::escrita);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, d.get());
    d->erro = kFtpSemErro;
    return true;
}

bool FtpSessao::conecta(const QString& vServidor, const QString& vUsuario, const QString& vSenha)
{
    const EnderecoFtp endereco = enderecoFtp(vServidor);
    d->host = platform::toCp1252(endereco.nome);
    d->porta = endereco.porta;
    if (!d->curl || !d->prepara("//"))
        return false;
    CURL* c = d->curl.get();
    // No user means the anonymous login, as with the platform library.
    if (!vUsuario.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, platform::toCp1252(vUsuario).constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, platform::toCp1252(vSenha).constData());
    }
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    return d->executa();
}

bool FtpSessao::comando(const QString& linha)
{
    const QByteArray bytes = platform::toCp1252(linha);
    if (temQuebraOuNulo(bytes)) {
        d->erro = kFtpNomeInvalido;
        return false;
    }
    if (!d->curl || !d->prepara("//"))
        return false;
    libcurl::Lista comandos(curl_slist_append(nullptr, bytes.constData()));
    CURL* c = d->curl.get();
    curl_easy_setopt(c, CURLOPT_QUOTE, comandos.get());
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    const bool feito = d->executa();
    curl_easy_setopt(c, CURLOPT_QUOTE, nullptr);
    return feito;
}

bool FtpSessao::envia(const QString& nomeRemoto, const Fonte& fonte)
{
    if (!d->curl || !d->prepara("//" + caminhoCodificado(platform::toCp1252(nomeRemoto))))
        return false;
    CURL* c = d->curl.get();
    // No length is announced: the library then asks the source until it
    // ends the file, so even an empty last block is asked for.
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    d->fonte = &fonte;
    const bool feito = d->executa();
    curl_easy_setopt(c, CURLOPT_UPLOAD, 0L);
    return feito;
}

bool FtpSessao::recebe(const QString& nomeRemoto, QIODevice& destino)
{
    if (!d->curl || !d->prepara("//" + caminhoCodificado(platform::toCp1252(nomeRemoto))))
        return false;
    d->destino = &destino;
    return d->executa();
}

void FtpSessao::fecha()
{
    d->curl.reset();
}

int FtpSessao::ultimoErro() const
{
    return d->erro;
}

QString FtpSessao::ultimaResposta() const
{
    return platform::fromCp1252(d->ultimaResposta);
}

QString FtpSessao::mensagemDoErro() const
{
    return d->erro == kFtpRespostaServidor ? ultimaResposta() : mensagemDoCodigo(d->erro);
}

} // namespace zv::transport
