#pragma once
#include "portal/Database.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zv::portal {

struct Office {
    std::int64_t id = 0;
    QString domain;
    QString name;
    QString logo;      // file name under the office's logo folder
    QString logoType;
    QString ftpServer, ftpUser, ftpPassword;
    double spaceTotal = 0;  // megabytes
    bool debug = false;
};

struct User {
    std::int64_t id = 0;
    std::int64_t officeId = 0;
    QString login;
    QString password;
    QString name;
    std::int64_t admin = 0;
    bool active = true;
};

struct Session {
    std::int64_t number = 0;
    std::int64_t userId = 0;
    std::int64_t lastUse = 0;  // seconds since the epoch
};

struct Portfolio {
    std::int64_t id = 0;
    std::int64_t officeId = 0;
    QString name;
};

struct Client {
    std::int64_t id = 0;
    std::int64_t officeId = 0;
    std::int64_t portfolioId = 0;
    QString name;
};

// A published document. Dates are ISO texts: moments "yyyy-MM-dd HH:mm:ss",
// days "yyyy-MM-dd"; an absent one is empty.
struct Document {
    std::int64_t id = 0;
    std::int64_t officeId = 0;
    std::optional<std::int64_t> clientId;  // none = for every company
    QString type;  // "P", "R", "D", or "I" for documents older than the types
    QString description;
    QString fileName;   // the name the office gave it
    QString storedFile; // its file in the data folder's document folder
    std::int64_t size = 0;
    std::int64_t userId = 0;
    QString published, read, deleted, backup;
    QString activation, expiry, due;
    std::optional<double> amount;
};

// What a publication records beside its document: the free values the
// office's program sends along, kept as they arrived.
struct Publication {
    std::int64_t documentId = 0;
    QString observation;
    QStringList parameters;  // Parametro1 to Parametro5
    QString folder;          // idPasta
    QString senders;         // UsuarioID, the program's user identifiers
    QString email;           // the sender's address
    QString admin;           // the sender's administrator value
};

// An e-mail recipient of a client company's notices. `main` contacts are
// the ones a notice to the company's main contacts reaches; a `scheduled`
// one takes notices only for a later delivery.
struct Contact {
    std::int64_t id = 0;
    std::int64_t clientId = 0;
    QString name;
    QString email;
    bool main = false;
    bool scheduled = false;
};

// A notice of a published document to one address; no mail leaves the
// machine, the record is the notice. `outcome` 1 sent, 2 scheduled.
struct Notice {
    std::int64_t documentId = 0;
    QString email;
    QString moment;  // ISO
    int outcome = 0;
};

struct Tip {
    std::int64_t order = 0;
    QString title;
    QString text;
};

// The portal's data, in one SQLite file. Not thread-safe by itself: the
// server serialises every use.
class PortalStore {
public:
    explicit PortalStore(const QString& databasePath);

    bool isEmpty();
    Database& database() { return m_db; }

    std::int64_t addOffice(const Office& office);
    std::int64_t addUser(const User& user);
    std::int64_t addPortfolio(const Portfolio& portfolio);
    std::int64_t addClient(const Client& client);
    std::int64_t addDocument(const Document& document);
    // The ID the next document gets (no document uses it yet).
    std::int64_t nextDocumentId();
    void addPublication(const Publication& publication);
    std::optional<Publication> publication(std::int64_t documentId);
    std::int64_t addContact(const Contact& contact);
    void addNotice(const Notice& notice);
    void addTip(const Tip& tip);

    std::optional<Office> officeByDomain(const QString& domain);
    std::optional<Office> officeById(std::int64_t id);
    std::optional<User> userByLogin(std::int64_t officeId, const QString& login);
    std::optional<User> userById(std::int64_t id);

    // A new session with an unused number; answers it.
    std::int64_t openSession(std::int64_t userId, std::int64_t now);
    std::optional<Session> session(std::int64_t number);
    void touchSession(std::int64_t number, std::int64_t now);

    std::vector<Portfolio> portfolios(std::int64_t officeId);
    std::vector<Client> clients(std::int64_t officeId);
    std::optional<Client> client(std::int64_t officeId, std::int64_t clientId);
    // A company's contacts in the order they were registered; only its main
    // ones unless `everyContact`.
    std::vector<Contact> contacts(std::int64_t clientId, bool everyContact);
    bool hasContacts();
    std::vector<Notice> notices(std::int64_t documentId);
    // The office's users that have published documents (the senders a
    // consultation can be filtered by).
    std::vector<User> publishers(std::int64_t officeId);

    // One of the office's documents: its ID, files, size, deletion and client
    // (the other fields stay empty).
    std::optional<Document> document(std::int64_t officeId, std::int64_t documentId);
    void recordBackup(std::int64_t documentId, const QString& moment);
    std::int64_t bytesInUse(std::int64_t officeId);

    // The tip after `order` in the rotating series (the first one after the
    // last, or when `order` is none).
    std::optional<Tip> tipAfter(std::optional<std::int64_t> order);

private:
    void createSchema();

    Database m_db;
};

} // namespace zv::portal
