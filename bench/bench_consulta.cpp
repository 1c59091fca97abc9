// The largest consultation answer (32767 documents) from its bytes to a
// filled grid model: the text as the request hands it over, the query's
// reading into the result table, the window's copy, the fill of the model.
// Prints the time of each step and the process's peak memory.
//
//   bench_consulta [rounds]
#include "consultation/ModeloConsulta.h"
#include "consultation/classConsultar.h"
#include "platform/Cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

using namespace zv;

namespace {

const QString kSistema = QStringLiteral("Zorvelanta Printer");
constexpr int kDocumentos = 32767;

QByteArray respostaGrande()
{
    QByteArray corpo = platform::toCp1252(kSistema) + "\r\n";
    corpo.reserve(kDocumentos * 200);
    for (int i = 0; i < kDocumentos; ++i) {
        if (i > 0)
            corpo += "<!#";
        const QByteArray id = QByteArray::number(100000 + i);
        corpo += "Cliente Exemplo Ltda " + QByteArray::number(i % 400) + ">@%P>@%" + id
            + ">@%Guia de recolhimento de impostos>@%guia_" + id + ".pdf>@%" + QByteArray::number(1000 + (i % 5000) * 7)
            + ">@%DARF>@%A>@%17/03/2011 10:00:00>@%" + (i % 3 ? QByteArray("18/03/2011 09:12:00") : QByteArray())
            + ">@%>@%Usu\xe1rio " + QByteArray::number(i % 20) + ">@%>@%30/04/2011>@%31/03/2011>@%1234.5>@%";
    }
    corpo += "\r\n" + QByteArray::number(kDocumentos) + "\r\n";
    return corpo;
}

long picoKb()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rodadas = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    QTemporaryDir pasta;
    QDir().mkpath(pasta.filePath(QStringLiteral("Back")));
    const QByteArray bytes = respostaGrande();
    std::printf("answer: %d documents, %.1f MB\n", kDocumentos, bytes.size() / 1048576.0);

    for (int r = 0; r < rodadas; ++r) {
        QElapsedTimer total;
        total.start();
        QElapsedTimer passo;
        passo.start();
        const QString texto = platform::fromCp1252(bytes);
        const qint64 tTexto = passo.restart();

        consultation::classConsultar consulta;
        consulta.GetPar(QStringLiteral("http://127.0.0.1/"), 1, 1, kSistema, {}, pasta.path() + QLatin1Char('/'));
        consulta.setPastaBackup(pasta.filePath(QStringLiteral("Back")));
        consulta.setRequisicao([&texto](const QString&) { return texto; });
        qint16 retorno = 0;
        qint32 soma = 0;
        consulta.Filtrar(retorno, soma, false);
        const qint64 tLeitura = passo.restart();

        consultation::TabelaConsulta tabela = consulta.Consulta();
        consultation::ModeloConsulta modelo;
        modelo.CarregaConsulta(tabela);
        const qint64 tGrade = passo.restart();

        std::printf("round %d: %d documents, sum %d bytes, %d grid rows%s\n"
                    "  text %lld ms, query %lld ms, table+model %lld ms, total %lld ms; peak memory %.1f MB\n",
                    r + 1, int(retorno), int(soma), modelo.rowCount(),
                    consulta.Erro().isEmpty() ? "" : qPrintable(QStringLiteral(" (") + consulta.Erro() + ")"),
                    tTexto, tLeitura, tGrade, total.elapsed(), picoKb() / 1024.0);
    }
    std::printf("targets: under 1000 ms and 150 MB\n");
    return 0;
}
