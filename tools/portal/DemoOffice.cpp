#include "portal/DemoOffice.h"

#include "portal/DemoFiles.h"
#include "portal/WireDates.h"

#include <QDir>
#include <QFile>

#include <array>

namespace zv::portal {

namespace {

// A fixed pseudo-random walk, so a seed is the same on every machine.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_state(seed) {}
    std::uint32_t roll(std::uint32_t sides)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % sides;
    }

private:
    std::uint32_t m_state;
};

struct Kind {
    const char* type;
    std::array<const char*, 4> descriptions;
    std::array<const char*, 4> files;
};

const Kind kKinds[] = {
    {"P",
     {"DARF IRPJ", "GPS INSS", "DAS Simples Nacional", "Guia de FGTS"},
     {"darf_irpj", "gps_inss", "das_simples", "guia_fgts"}},
    {"R",
     {"Balancete mensal", "Folha de pagamento", "DRE trimestral", "Livro de apuração do ICMS"},
     {"balancete", "folha", "dre", "livro_icms"}},
    {"D",
     {"Contrato social", "Certidão negativa de débitos", "Alvará de funcionamento",
      "Comunicado aos clientes"},
     {"contrato", "certidao", "alvara", "comunicado"}},
    {"I",
     {"Declaração anual", "Guia antiga", "Relatório anual", "Documento digitalizado"},
     {"declaracao", "guia", "relatorio", "digitalizado"}},
};

struct ClientSeed {
    std::int64_t portfolio;
    const char* name;
};

const ClientSeed kClients[] = {
    {1, "Padaria São João Ltda"},        {1, "Mercadinho Boa Vista ME"},
    {1, "Açougue Dois Irmãos Ltda"},     {1, "Calçados Passo Certo"},
    {2, "Clínica Odontológica Sorriso"}, {2, "Auto Mecânica Três Marias"},
    {2, "Escola de Idiomas Falar Bem"},  {2, "Salão Beleza Pura"},
    {3, "Metalúrgica Aço Forte SA"},     {3, "Confecções Fio de Ouro Ltda"},
    {3, "Móveis Carvalho Ltda"},         {3, "Cerâmica Barro Vermelho"},
};

const std::int64_t kUsers[] = {101, 102, 103};

struct ContactSeed {
    std::int64_t client;
    const char* name;
    const char* email;
    bool main;
    bool scheduled;
};

// One or two recipients for most companies, under the reserved example
// domain; Calçados Passo Certo (1004) and Salão Beleza Pura (1008) have no
// e-mail registered. Ana's mailbox takes notices only for a scheduled
// delivery, so that outcome can be seen too.
const ContactSeed kContacts[] = {
    {1001, "João Batista", "joao@padariasaojoao.exemplo.com.br", true, false},
    {1001, "Financeiro Padaria", "financeiro@padariasaojoao.exemplo.com.br", false, false},
    {1002, "Ana Boa Vista", "ana@mercadinhoboavista.exemplo.com.br", true, true},
    {1003, "Carlos Irmão", "carlos@acouguedoisirmaos.exemplo.com.br", true, false},
    {1003, "Pedro Irmão", "pedro@acouguedoisirmaos.exemplo.com.br", false, false},
    {1005, "Dra. Helena Sorriso", "helena@clinicasorriso.exemplo.com.br", true, false},
    {1005, "Recepção Clínica", "recepcao@clinicasorriso.exemplo.com.br", false, false},
    {1006, "Marcos Três Marias", "marcos@tresmarias.exemplo.com.br", true, false},
    {1007, "Secretaria Falar Bem", "secretaria@falarbem.exemplo.com.br", true, false},
    {1007, "Diretoria Falar Bem", "diretoria@falarbem.exemplo.com.br", false, false},
    {1009, "Departamento Fiscal", "fiscal@acoforte.exemplo.com.br", true, false},
    {1009, "Roberto Aço Forte", "roberto@acoforte.exemplo.com.br", false, false},
    {1010, "Luísa Fio de Ouro", "luisa@fiodeouro.exemplo.com.br", true, false},
    {1011, "Compras Carvalho", "compras@moveiscarvalho.exemplo.com.br", true, false},
    {1012, "Sérgio Barro", "sergio@barrovermelho.exemplo.com.br", true, false},
};

void seedOffices(PortalStore& store)
{
    store.addOffice({kDemoOfficeId, "DEMO", "Escritório Contábil Demonstração", "logo.bmp", "bmp",
                     "127.0.0.1", "demo", "demo", 5120, false});
    store.addOffice({kEmptyOfficeId, "VAZIO", "Escritório Sem Cadastros", "logo.bmp", "bmp",
                     "127.0.0.1", "vazio", "vazio", 1024, false});
    store.addUser({101, kDemoOfficeId, "FINANCEIRO", "demo", "financeiro", 1, true});
    store.addUser({102, kDemoOfficeId, "FISCAL", "demo", "Márcia Fiscal", 0, true});
    store.addUser({103, kDemoOfficeId, "PESSOAL", "demo", "João Pessoal", 0, true});
    store.addUser({201, kEmptyOfficeId, "ADMIN", "demo", "admin", 1, true});
    store.addUser({202, kEmptyOfficeId, "ANTIGO", "demo", "antigo", 0, false});
    store.addPortfolio({1, kDemoOfficeId, "Comércio"});
    store.addPortfolio({2, kDemoOfficeId, "Serviços"});
    store.addPortfolio({3, kDemoOfficeId, "Indústria"});
    std::int64_t id = 1001;
    for (const ClientSeed& client : kClients)
        store.addClient({id++, kDemoOfficeId, client.portfolio, QString::fromUtf8(client.name)});
}

void seedContacts(PortalStore& store)
{
    for (const ContactSeed& c : kContacts)
        store.addContact({0, c.client, QString::fromUtf8(c.name), QString::fromLatin1(c.email), c.main,
                          c.scheduled});
}

void seedTips(PortalStore& store)
{
    const std::pair<const char*, const char*> tips[] = {
        {"Vencimentos", "Publique as guias de pagamento com antecedência: o cliente vê o vencimento no portal."},
        {"Consulta", "Filtre por vencimento para ver as guias que vencem neste mês."},
        {"Cópias locais", "Um duplo clique baixa uma cópia do documento para este computador."},
        {"Carteiras", "Agrupe os clientes em carteiras para publicar para vários de uma vez."},
        {"Avisos", "O portal avisa o cliente por e-mail quando um documento é publicado."},
        {"Sessão", "Escolha por quanto tempo o login fica guardado na janela de entrada."},
    };
    std::int64_t order = 1;
    for (const auto& [title, text] : tips)
        store.addTip({order++, QString::fromUtf8(title), QString::fromUtf8(text)});
}

QString momentIfPast(const QDateTime& from, int days, int minutes, const QDateTime& now)
{
    const QDateTime moment = from.addDays(days).addSecs(60 * minutes);
    return moment <= now ? isoMoment(moment) : QString();
}

Document makeDocument(Dice& dice, std::int64_t id, int index, const PortalContext& context)
{
    const QDateTime now = context.now();
    const bool old = index % 17 == 16;
    const std::uint32_t kindRoll = dice.roll(10);
    const Kind& kind = kKinds[old ? 3 : kindRoll < 4 ? 0 : kindRoll < 7 ? 1 : 2];
    const QDate day = old ? QDate(2007, 1, 1).addDays(dice.roll(640))
                          : context.today().addDays(-1 - int(dice.roll(420)));
    const QDateTime published(day, QTime(8, 0).addSecs(int(dice.roll(600 * 60))));
    const std::uint32_t which = dice.roll(4);

    Document d;
    d.id = id;
    d.officeId = kDemoOfficeId;
    if (dice.roll(10) != 0)
        d.clientId = 1001 + dice.roll(12);
    d.type = QString::fromLatin1(kind.type);
    d.description = QString::fromUtf8(kind.descriptions[which]) + QStringLiteral(" — ")
                    + day.toString(QStringLiteral("MM/yyyy"));
    d.fileName = QString::fromLatin1(kind.files[which]) + QLatin1Char('_') + QString::number(id)
                 + QStringLiteral(".pdf");
    d.storedFile = QString::number(id) + QStringLiteral(".pdf");
    d.userId = kUsers[dice.roll(3)];
    d.published = isoMoment(published);
    if (dice.roll(4) == 0)
        d.activation = isoDay(day.addDays(int(dice.roll(10))));
    if (dice.roll(5) < 2)
        d.expiry = isoDay(day.addDays(30 + int(dice.roll(120))));
    if (d.type == QLatin1String("P")) {
        d.due = isoDay(day.addDays(5 + int(dice.roll(40))));
        d.amount = 50.0 + double(dice.roll(500000)) / 100.0;
    }
    if (dice.roll(2) == 0)
        d.read = momentIfPast(published, 1 + int(dice.roll(5)), int(dice.roll(600)), now);
    if (dice.roll(10) == 0)
        d.deleted = momentIfPast(published, 10 + int(dice.roll(50)), int(dice.roll(600)), now);
    if (dice.roll(8) == 0)
        d.backup = momentIfPast(published, 1 + int(dice.roll(3)), int(dice.roll(600)), now);
    return d;
}

QString clientName(const Document& d)
{
    return d.clientId ? QString::fromUtf8(kClients[*d.clientId - 1001].name)
                      : QStringLiteral("Todos os clientes");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        throw StoreError("não foi possível gravar " + path.toStdString() + ": "
                         + file.errorString().toStdString());
}

void seedDocuments(PortalContext& context, int count)
{
    Dice dice(20081006u);
    for (int i = 0; i < count; ++i) {
        Document d = makeDocument(dice, kFirstDocumentId + i, i, context);
        const QByteArray pdf = makePdf({d.description, clientName(d),
                                        QStringLiteral("Documento ") + QString::number(d.id),
                                        QStringLiteral("Escritório Contábil Demonstração")});
        writeFile(context.documentsDir() + QLatin1Char('/') + d.storedFile, pdf);
        d.size = pdf.size();
        context.store.addDocument(d);
    }
}

} // namespace

void seedDemo(PortalContext& context, int documentCount)
{
    if (!QDir().mkpath(context.documentsDir()) || !QDir().mkpath(context.logoDir(kDemoOfficeId))
        || !QDir().mkpath(context.logoDir(kEmptyOfficeId)))
        throw StoreError("não foi possível criar as pastas de " + context.dataDir.toStdString());
    Transaction transaction(context.store.database());
    seedOffices(context.store);
    seedContacts(context.store);
    seedTips(context.store);
    seedDocuments(context, documentCount);
    writeFile(context.logoDir(kDemoOfficeId) + QStringLiteral("/logo.bmp"), makeLogoBitmap());
    writeFile(context.logoDir(kEmptyOfficeId) + QStringLiteral("/logo.bmp"), makeLogoBitmap());
    transaction.commit();
}

bool seedDemoContactsIfMissing(PortalContext& context)
{
    if (context.store.hasContacts() || !context.store.client(kDemoOfficeId, kContacts[0].client))
        return false;
    Transaction transaction(context.store.database());
    seedContacts(context.store);
    transaction.commit();
    return true;
}

} // namespace zv::portal
