#include "transport/classURL.h"

#include "platform/Cp1252.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace zv::transport {

namespace {

void iniciaBiblioteca()
{
    static std::once_flag uma;
    std::call_once(uma, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t acrescenta(char* dados, size_t tamanho, size_t quantos, void* destino) noexcept
{
    const size_t bytes = tamanho * quantos;
    try {
        static_cast<QByteArray*>(destino)->append(dados, qsizetype(bytes));
    } catch (...) {
        return 0; // out of memory: stop here and answer what arrived
    }
    return bytes;
}

struct FechaCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct FechaLista {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
struct FechaUrl {
    void operator()(CURLU* u) const { curl_url_cleanup(u); }
};

// The URL handed over as a parsed handle, so the library sends path and
// query exactly as given instead of tidying them.
std::unique_ptr<CURLU, FechaUrl> analisa(const QByteArray& url)
{
    std::unique_ptr<CURLU, FechaUrl> handle(curl_url());
    if (!handle || curl_url_set(handle.get(), CURLUPART_URL, url.constData(), CURLU_PATH_AS_IS) != CURLUE_OK)
        return nullptr;
    return handle;
}

QByteArray transfere(const QByteArray& url)
{
    QByteArray corpo;
    iniciaBiblioteca();
    std::unique_ptr<CURL, FechaCurl> curl(curl_easy_init());
    if (!curl)
        return corpo;
    const auto endereco = analisa(url);
    if (!endereco)
        return corpo;
    std::unique_ptr<curl_slist, FechaLista> cabecalhos(
        curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"), "Pragma: no-cache"));

    CURL* c = curl.get();
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
    return corpo;
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
        return platform::fromCp1252(transfere(urlParaEnvio(sUrl)));
    } catch (...) {
        return {};
    }
}

} // namespace zv::transport
