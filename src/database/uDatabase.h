#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>
#include <stdexcept>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A failure of the database engine; what() is the engine's own message.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The catalogue's connection to its SQLite file (ZConnection). The file is always opened for reading
// and writing and is never created: a missing file is an error.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    // Takes effect at the next Connect.
    void SetDatabase(const QString& path) { path_ = path; }
    QString Database() const { return path_; }
    // "sqlite-3"; recorded.
    void SetProtocol(const QString& p) { protocol_ = p; }
    QString Protocol() const { return protocol_; }
    // Recorded only: the update import writes in every mode.
    void SetReadOnly(bool ro) { readOnly_ = ro; }
    bool ReadOnly() const { return readOnly_; }

    bool Connected() const { return db_ != nullptr; }
    // Opens the file (nothing happens when already connected). Throws DbError when the file is
    // missing or is not a database.
    void Connect();
    // Closes the file; the next Connect opens it again.
    void Disconnect();
    // The open handle, or nullptr while not connected.
    sqlite3* Handle() { return db_.get(); }

private:
    struct Closer {
        void operator()(sqlite3* db) const;
    };
    QString path_;
    QString protocol_;
    bool readOnly_ = false;
    std::unique_ptr<sqlite3, Closer> db_;
};

// SQL text as lines and the result of its SELECT, read as text. Several queries may be open on one
// connection at the same time: an opened result is held in memory.
class Query {
public:
    explicit Query(Connection& connection) : connection_(&connection) {}
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    void Clear() { lines_.clear(); }
    void Add(const QString& line) { lines_.append(line); }
    // The lines joined by "\n".
    QString Text() const { return lines_.join(QLatin1Char('\n')); }

    // Runs the text (normally one SELECT; `?` placeholders take params in order) and reads all rows
    // of its last statement that returns columns; the first row becomes current. Any statement
    // before it runs as in ExecSQL. On failure the query is closed and DbError thrown.
    void Open(const QVariantList& params = {});
    void First() { current_ = 0; }
    void Next() {
        if (current_ < RecordCount())
            ++current_;
    }
    bool Eof() const { return current_ >= RecordCount(); }
    // Every row of the open result; 0 while closed.
    int RecordCount() const { return rowCount_; }

    // The value in the current row as text: NULL is empty text, an integer its decimal digits.
    // Names compare without regard to case. Empty text when there is no current row; DbError for a
    // column the result does not have.
    QString FieldByName(const QString& name) const;
    QString Field(int index) const;
    int FieldCount() const { return static_cast<int>(columns_.size()); }
    // The result column name as the engine reports it (the alias of an expression).
    QString FieldName(int index) const;
    // The index of the named column (case-insensitive), or -1.
    int FieldIndex(const QString& name) const;
    bool Active() const { return active_; }

    // Ends the open result; the text stays.
    void Close();

    // Runs every statement of the text in order; `?` placeholders take params in order across the
    // statements. Stops at the first failing statement with DbError; when the text itself began a
    // transaction that is still open at that point, the transaction is rolled back first.
    void ExecSQL(const QVariantList& params = {});

private:
    void Run(const QVariantList& params, bool keepRows);

    Connection* connection_;
    QStringList lines_;
    bool active_ = false;
    QStringList columns_;
    // The values of all rows as UTF-8, row-major, one after the other; cell k is the bytes from
    // ends_[k - 1] (0 for the first) to ends_[k]. NULL is held as empty text.
    QByteArray text_;
    std::vector<qsizetype> ends_;
    int rowCount_ = 0;
    int current_ = 0;
};

// Hands out a new query on the connection, connecting it on first use. The caller owns the query.
std::unique_ptr<Query> DBCrate(Connection& zConnect);

// Binds one value to the statement's parameter index (1-based): null as NULL, integers as integers,
// floating point as real, byte arrays as blobs, anything else as UTF-8 text (copied). Returns SQLite's code.
int BindValue(sqlite3_stmt* stmt, int index, const QVariant& v);
