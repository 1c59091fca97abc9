#include "transport/classURL.h"

#include "platform/Cp1252.h"
#include "transport/RecursosCurl.h"

#include <array>

namespace zv::transport {

namespace {

// The answer is decoded as it arrives: each byte one Windows-1252
// character, written straight into the text (no second pass over a copy).
struct Recepcao {
    CURL* curl = nullptr;
    QString texto;
    bool reservado = false;
};

// The characters of the bytes 0x80..0x9F, the only ones where the code page
// and Latin-1 differ.
const std::array<QChar, 32>& faixaAlta()
{
    static const std::array<QChar, 32> tabela = [] {
        std::array<QChar, 32> t{};
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString lidos = platform::fromCp1252(bytes);
        for (int i = 0; i < 32; ++i)
            t[size_t(i)] = lidos[i];
        return t;
    }();
    return tabela;
}

void reserva(Recepcao& r)
{
    // Room for the whole body at once when the server tells its length; a
    // length beyond reason is not trusted.
    constexpr curl_off_t kMaximo = curl_off_t(256) << 20;
    curl_off_t tamanho = -1;
    if (curl_easy_getinfo(r.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &tamanho) == CURLE_OK
        && tamanho > 0 && tamanho <= kMaximo)
        r.texto.reserve(qsizetype(tamanho));
    r.reservado = true;
}

size_t acrescenta(char* dados, size_t tamanho, size_t quantos, void* destino) noexcept
{
    const size_t bytes = tamanho * quantos;
    auto& r = *static_cast<Recepcao*>(destino);
    try {
        if (!r.reservado)
            reserva(r);
        const qsizetype inicio = r.texto.size();
        r.texto.append(QLatin1StringView(dados, qsizetype(bytes)));
        bool alta = false;
        for (size_t i = 0; i < bytes; ++i)
            alta |= (uchar(dados[i]) & 0xE0) == 0x80;
        if (alta) {
            QChar* texto = r.texto.data() + inicio;
            for (size_t i = 0; i < bytes; ++i)
                if ((uchar(dados[i]) & 0xE0) == 0x80)
                    texto[i] = faixaAlta()[uchar(dados[i]) - 0x80];
        }
    } catch (...) {
        return 0; // out of memory: stop here and answer what arrived
    }
    return bytes;
}


// The URL handed over as a parsed handle, so the library sends path and
// query exactly as given instead of tidying them.
libcurl::Url analisa(const QByteArray& url)
{
    libcurl::Url handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.constData(), CURLU_PATH_AS_IS) != CURLUE_OK)
        return nullptr;
    return handle;
}

QString transfere(const QByteArray& url)
{
    Recepcao corpo;
    libcurl::iniciaBiblioteca();
    libcurl::Curl curl(curl_easy_init());
    if (!curl)
        return {};
    const auto endereco = analisa(url);
    if (!endereco)
        return {};
    libcurl::Lista cabecalhos(
        curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));

    CURL* c = curl.get();
    corpo.curl = c;
    curl_easy_setopt(c, CURLOPT_CURLU, endereco.get());
    curl_easy_setopt(c, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, classURL::kAgente);
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabecalhos.get());
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_BUFFERSIZE, classURL::kTamanhoLeitura);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, classURL::kSegundosConexao);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, classURL::kSegundosSemDados);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, acrescenta);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &corpo);
    // The status is not examined: an error page's body is answered like any
    // other, and a broken transfer answers what arrived before it broke.
    curl_easy_perform(c);
    return std::move(corpo.texto);
}

bool naoVaiNaLinha(uchar byte)
{
    return byte <= 0x20 || byte >= 0x7F;
}

} // namespace

QByteArray urlParaEnvio(const QString& sUrl)
{
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray envio;
    for (char b : platform::toCp1252(sUrl)) {
        const auto byte = uchar(b);
        if (naoVaiNaLinha(byte))
            envio.append('%').append(kHex[byte >> 4]).append(kHex[byte & 0xF]);
        else
            envio.append(b);
    }
    return envio;
}

QString classURL::AbreURL(const QString& sUrl) const noexcept
{
    try {
        return transfere(urlParaEnvio(sUrl));
    } catch (...) {
        return {};
    }
}

} // namespace zv::transport
