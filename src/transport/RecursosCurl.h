#pragma once
#include <curl/curl.h>

#include <memory>
#include <mutex>

// What every request of this library needs of libcurl: its one global start
// and owners that release its handles. Inside the transport library only.
namespace zv::transport::libcurl {

inline void iniciaBiblioteca()
{
    static std::once_flag uma;
    std::call_once(uma, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
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

using Curl = std::unique_ptr<CURL, FechaCurl>;
using Lista = std::unique_ptr<curl_slist, FechaLista>;
using Url = std::unique_ptr<CURLU, FechaUrl>;

} // namespace zv::transport::libcurl
