// Send queue figures: the time to queue documents one by one as the queue
// grows towards its 999 copies, and the time to load the whole queue.
//
//   bench_fila [documents]   (default 999)
#include "platform/Clock.h"
#include "publishing/FilaEnvio.h"
#include "publishing/classEnviar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using zv::publishing::FilaEnvio;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int total = argc > 1 ? std::max(1, std::min(999, atoi(argv[1]))) : 999;
    QTemporaryDir dir;
    const QString doc = dir.filePath(QStringLiteral("documento.pdf"));
    {
        QFile f(doc);
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray(64 * 1024, 'x'));
    }
    zv::publishing::classEnviar enviar;
    enviar.Inicia(QDate::currentDate());
    enviar.Try();
    enviar.AddCliente(12);
    enviar.setTipoArquivo(1);
    enviar.setDescricao(QStringLiteral("Relatório mensal de apuração"));
    enviar.setObservacao(QStringLiteral("Linha um\r\nLinha dois"));
    QString controle;
    enviar.Validar(QStringLiteral("documento.pdf"), QStringLiteral("Fiscal"), controle);

    FilaEnvio fila(dir.filePath(QStringLiteral("queqe")), dir.filePath(QStringLiteral("queqe/files")));
    QElapsedTimer t;
    qint64 primeiros = 0, ultimos = 0;
    t.start();
    for (int i = 1; i <= total; ++i) {
        QElapsedTimer um;
        um.start();
        QString arquivo, msg;
        if (!fila.Enfileirar({enviar, {}, {}}, {QString(), doc}, arquivo, msg)) {
            std::printf("queueing %d failed: %s\n", i, qPrintable(msg));
            return 1;
        }
        if (i <= 10)
            primeiros += um.nsecsElapsed();
        if (i > total - 10)
            ultimos += um.nsecsElapsed();
    }
    const qint64 todos = t.elapsed();
    std::printf("queued %d documents of 64 KiB in %lld ms\n", total, static_cast<long long>(todos));
    std::printf("  mean of the first 10: %.2f ms, of the last 10: %.2f ms\n", primeiros / 10 / 1e6,
                ultimos / 10 / 1e6);

    const int voltas = 20;
    t.restart();
    qsizetype linhas = 0;
    for (int i = 0; i < voltas; ++i)
        linhas = fila.CarregaFila([] { return true; }, [](const QString&) { return QStringLiteral("Alfa"); })
                     .tabela.size();
    std::printf("loaded %lld records: %.2f ms per load (mean of %d)\n", static_cast<long long>(linhas - 1),
                double(t.elapsed()) / voltas, voltas);
    return 0;
}
