#include "database/uDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// A real database file in a temporary folder, made with the engine itself.
class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("arch.db"));
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open_v2(path_.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                  nullptr),
                  SQLITE_OK);
        const char* schema = R"(
            CREATE TABLE organizations (id_org INTEGER, name_org TEXT, short_name_org TEXT, cd TEXT,
                                        city_org INTEGER, rating REAL);
            CREATE TABLE orginrazd (id_razd INTEGER, id_org INTEGER);
            CREATE TABLE tvCatalogORG (Name TEXT, Imag INTEGER, Kode INTEGER, stat INTEGER, v INTEGER, tag TEXT);
            CREATE TABLE jos_db2_dom_list (id INTEGER PRIMARY KEY, visibledom INTEGER, price NUMERIC);
            CREATE TABLE blobs (b BLOB, d REAL, n INTEGER);
        )";
        ASSERT_EQ(sqlite3_exec(db, schema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        conn_.SetDatabase(path_);
        conn_.SetProtocol(QStringLiteral("sqlite-3"));
    }

    void Exec(const QString& script, const QVariantList& params = {}) {
        auto q = DBCrate(conn_);
        q->Add(script);
        q->ExecSQL(params);
    }

    // Every row of a SELECT, the fields of a row joined by '|'.
    QStringList Rows(const QString& select, const QVariantList& params = {}) {
        auto q = DBCrate(conn_);
        q->Add(select);
        q->Open(params);
        QStringList rows;
        for (q->First(); !q->Eof(); q->Next()) {
            QStringList fields;
            for (int i = 0; i < q->FieldCount(); ++i)
                fields << q->Field(i);
            rows << fields.join(QLatin1Char('|'));
        }
        q->Close();
        return rows;
    }

    QTemporaryDir dir_;
    QString path_;
    Connection conn_;
};

TEST_F(DatabaseTest, MissingFileIsAnErrorAndIsNotCreated) {
    Connection c;
    c.SetDatabase(dir_.filePath(QStringLiteral("missing.db")));
    EXPECT_THROW(c.Connect(), DbError);
    EXPECT_FALSE(c.Connected());
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("missing.db"))));
    EXPECT_THROW(DBCrate(c), DbError);
}

TEST_F(DatabaseTest, FileThatIsNoDatabaseIsAnError) {
    QFile f(dir_.filePath(QStringLiteral("junk.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Connection c;
    c.SetDatabase(f.fileName());
    EXPECT_THROW(c.Connect(), DbError);
    EXPECT_FALSE(c.Connected());
}

TEST_F(DatabaseTest, DBCrateConnectsOnFirstUseAndGivesAnEmptyText) {
    EXPECT_FALSE(conn_.Connected());
    auto q = DBCrate(conn_);
    EXPECT_TRUE(conn_.Connected());
    EXPECT_TRUE(q->Text().isEmpty());
    q->Add(QStringLiteral("select 1"));
    q->Add(QStringLiteral("as one;"));
    EXPECT_EQ(q->Text(), QStringLiteral("select 1\nas one;"));
    q->Open();
    EXPECT_EQ(q->FieldByName(QStringLiteral("ONE")), QStringLiteral("1"));
}

TEST_F(DatabaseTest, EmptyResultIsAtEndRightAfterOpen) {
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select * from organizations where cd = \"y\";"));
    q->Open();
    EXPECT_TRUE(q->Eof());
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_EQ(q->FieldCount(), 6);
    EXPECT_EQ(q->FieldByName(QStringLiteral("name_org")), QString());
}

TEST_F(DatabaseTest, ValuesReadAsText) {
    Exec(QStringLiteral("insert into organizations values (7, 'ООО «Сибирь»', NULL, 'y', 54, 2.5);\n"
                        "insert into organizations values (8, 'Второе', '', 'n', NULL, 10.0);"));
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select * from organizations order by id_org;"));
    q->Open();
    EXPECT_EQ(q->RecordCount(), 2);
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName(QStringLiteral("ID_ORG")), QStringLiteral("7"));
    EXPECT_EQ(q->FieldByName(QStringLiteral("Name_Org")), QStringLiteral("ООО «Сибирь»"));
    EXPECT_EQ(q->FieldByName(QStringLiteral("short_name_org")), QString());
    EXPECT_EQ(q->Field(2), QString());
    EXPECT_EQ(q->Field(5), QStringLiteral("2.5"));
    EXPECT_EQ(q->FieldName(4), QStringLiteral("city_org"));
    q->Next();
    EXPECT_EQ(q->Field(0), QStringLiteral("8"));
    EXPECT_EQ(q->Field(4), QString());
    EXPECT_EQ(q->Field(5), QStringLiteral("10.0"));
    q->Next();
    EXPECT_TRUE(q->Eof());
    q->Next();
    EXPECT_TRUE(q->Eof());
    q->First();
    EXPECT_EQ(q->Field(0), QStringLiteral("7"));
    EXPECT_THROW(q->FieldByName(QStringLiteral("nope")), DbError);
    EXPECT_THROW(q->Field(6), DbError);
}

TEST_F(DatabaseTest, ColumnNamesAreTheOnesTheEngineReports) {
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select count(*) as kol from organizations;"));
    q->Open();
    ASSERT_EQ(q->FieldCount(), 1);
    EXPECT_EQ(q->FieldName(0), QStringLiteral("kol"));
    EXPECT_EQ(q->FieldByName(QStringLiteral("kol")), QStringLiteral("0"));
    EXPECT_EQ(q->RecordCount(), 1);
}

TEST_F(DatabaseTest, TwoStatementScriptRunsBothInOrder) {
    Exec(QStringLiteral("insert into tvCatalogORG values ('41', 0, 0, 1, 1, '');\n"
                        "insert into tvCatalogORG values ('42', 0, 0, 2, \"0\", '');"));
    Exec(QStringLiteral("DELETE FROM tvCatalogORG WHERE v!=0;\nUPDATE tvCatalogORG SET v=1;"));
    EXPECT_EQ(Rows(QStringLiteral("select Name, v from tvcatalogorg")), QStringList{QStringLiteral("42|1")});
}

TEST_F(DatabaseTest, QuotedAndBareNumbersMeetAsNumbers) {
    Exec(QStringLiteral("insert into organizations (id_org, name_org, cd) values ('5', 'Альфа', 'y');\n"
                        "insert into organizations (id_org, name_org, cd) values ('6', 'Бета', 'n');\n"
                        "INSERT INTO orginrazd (id_razd, id_org) VALUES (12, 5);\n"
                        "insert into jos_db2_dom_list (id, visibledom, price) values ('1', '1', '150');\n"
                        "insert into jos_db2_dom_list (id, visibledom, price) values ('2', '1', '90');"));
    EXPECT_EQ(Rows(QStringLiteral("select name_org from organizations where id_org = \"5\";")),
              QStringList{QStringLiteral("Альфа")});
    EXPECT_EQ(Rows(QStringLiteral("select name_org from organizations where id_org in "
                                  "(select id_org from orginrazd);")),
              QStringList{QStringLiteral("Альфа")});
    EXPECT_EQ(Rows(QStringLiteral("select name_org from organizations where cd = \"y\";")),
              QStringList{QStringLiteral("Альфа")});
    EXPECT_EQ(Rows(QStringLiteral("select id from jos_db2_dom_list where visibledom=1 and price >= 100")),
              QStringList{QStringLiteral("1")});
    EXPECT_EQ(Rows(QStringLiteral("select price from jos_db2_dom_list order by price asc")),
              (QStringList{QStringLiteral("90"), QStringLiteral("150")}));
}

TEST_F(DatabaseTest, TwoQueriesOpenAtOnceOnOneConnection) {
    Exec(QStringLiteral("insert into organizations (id_org) values (1);\n"
                        "insert into organizations (id_org) values (2);\n"
                        "insert into organizations (id_org) values (3);"));
    auto outer = DBCrate(conn_);
    outer->Add(QStringLiteral("select id_org from organizations order by id_org"));
    outer->Open();
    int seen = 0;
    for (outer->First(); !outer->Eof(); outer->Next()) {
        auto probe = DBCrate(conn_);
        probe->Add(QStringLiteral("select count(*) as kol from orginrazd where id_org = ?"));
        probe->Open({outer->Field(0)});
        EXPECT_EQ(probe->Field(0), QStringLiteral("0"));
        auto writer = DBCrate(conn_);
        writer->Add(QStringLiteral("insert into orginrazd (id_razd, id_org) values (1, ?);"));
        writer->ExecSQL({outer->Field(0)});
        ++seen;
    }
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(outer->RecordCount(), 3);
    EXPECT_EQ(Rows(QStringLiteral("select id_org from orginrazd order by id_org")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

TEST_F(DatabaseTest, ParametersAreBoundInOrderAcrossStatements) {
    Exec(QStringLiteral("BEGIN;\n"
                        "insert into organizations (id_org, name_org) values (?, ?);\n"
                        "insert into organizations (id_org, name_org, rating) values (?, ?, ?);\n"
                        "COMMIT;"),
         {1, QStringLiteral("a\"b'; drop table orginrazd; --"), qlonglong(2), QVariant(), 0.25});
    EXPECT_EQ(Rows(QStringLiteral("select id_org, name_org, rating from organizations order by id_org")),
              (QStringList{QStringLiteral("1|a\"b'; drop table orginrazd; --|"), QStringLiteral("2||0.25")}));
    EXPECT_EQ(Rows(QStringLiteral("select typeof(name_org) from organizations where id_org = ?"), {2}),
              QStringList{QStringLiteral("null")});
    Exec(QStringLiteral("update organizations set short_name_org = ? where id_org = 1;"), {QString()});
    EXPECT_EQ(Rows(QStringLiteral("select typeof(short_name_org) from organizations where id_org = 1")),
              QStringList{QStringLiteral("text")});

    Exec(QStringLiteral("insert into blobs values (?, ?, ?);"), {QByteArray("\x01\x02", 2), 1.5, true});
    EXPECT_EQ(Rows(QStringLiteral("select typeof(b), hex(b), d, n from blobs")),
              QStringList{QStringLiteral("blob|0102|1.5|1")});
}

TEST_F(DatabaseTest, WrongNumberOfParametersIsAnError) {
    EXPECT_THROW(Exec(QStringLiteral("insert into orginrazd values (?, ?);"), {1}), DbError);
    EXPECT_THROW(Exec(QStringLiteral("insert into orginrazd values (?, ?);"), {1, 2, 3}), DbError);
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select * from orginrazd where id_org = ?"));
    EXPECT_THROW(q->Open(), DbError);
    EXPECT_FALSE(q->Active());
}

TEST_F(DatabaseTest, ScriptStopsAtItsFirstFailingStatement) {
    try {
        Exec(QStringLiteral("insert into orginrazd values (1, 1);\n"
                            "insert into nope values (2, 2);\n"
                            "insert into orginrazd values (3, 3);"));
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_STREQ(e.what(), "no such table: nope");
    }
    EXPECT_EQ(Rows(QStringLiteral("select id_razd from orginrazd")), QStringList{QStringLiteral("1")});
}

TEST_F(DatabaseTest, ScriptFailingAfterItsBeginIsRolledBack) {
    Exec(QStringLiteral("insert into orginrazd values (1, 1);\n"
                        "insert into jos_db2_dom_list (id) values (1);"));
    const QString scripts[] = {
        // fails when prepared
        QStringLiteral("BEGIN;\nDELETE FROM orginrazd;\ninsert into orginrazd values (2, 2);\n"
                       "insert into orginrazd (missing_column) values (3);\nCOMMIT;"),
        // fails when run
        QStringLiteral("BEGIN TRANSACTION;\nDELETE FROM orginrazd;\ninsert into orginrazd values (2, 2);\n"
                       "insert into jos_db2_dom_list (id) values (1);\nCOMMIT;"),
    };
    for (const QString& script : scripts) {
        EXPECT_THROW(Exec(script), DbError) << script.toStdString();
        EXPECT_NE(sqlite3_get_autocommit(conn_.Handle()), 0) << "a transaction stayed open";
        EXPECT_EQ(Rows(QStringLiteral("select id_razd from orginrazd")), QStringList{QStringLiteral("1")});
    }
    Exec(QStringLiteral("BEGIN;\ninsert into orginrazd values (4, 4);\nCOMMIT;"));
    EXPECT_EQ(Rows(QStringLiteral("select id_razd from orginrazd order by 1")),
              (QStringList{QStringLiteral("1"), QStringLiteral("4")}));
}

TEST_F(DatabaseTest, FailedScriptLeavesATransactionItDidNotBeginAlone) {
    Exec(QStringLiteral("BEGIN;\ninsert into orginrazd values (1, 1);"));
    EXPECT_THROW(Exec(QStringLiteral("insert into orginrazd values (2, 2);\ninsert into nope values (1);")),
                 DbError);
    EXPECT_EQ(sqlite3_get_autocommit(conn_.Handle()), 0);
    Exec(QStringLiteral("COMMIT;"));
    EXPECT_EQ(Rows(QStringLiteral("select id_razd from orginrazd order by 1")),
              (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
}

TEST_F(DatabaseTest, ScriptFailingAfterItsCommitKeepsTheCommittedBatch) {
    EXPECT_THROW(Exec(QStringLiteral("BEGIN;\ninsert into orginrazd values (1, 1);\nCOMMIT;\n"
                                     "insert into nope values (1);")),
                 DbError);
    EXPECT_EQ(Rows(QStringLiteral("select id_razd from orginrazd")), QStringList{QStringLiteral("1")});
}

TEST_F(DatabaseTest, EngineErrorsCarryTheEngineMessage) {
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select * from nope;"));
    try {
        q->Open();
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_STREQ(e.what(), "no such table: nope");
    }
    EXPECT_FALSE(q->Active());
    EXPECT_TRUE(q->Eof());
    q->Clear();
    q->Add(QStringLiteral("selec 1;"));
    try {
        q->Open();
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_STREQ(e.what(), "near \"selec\": syntax error");
    }
}

TEST_F(DatabaseTest, OneQueryRunsSeveralSelectsInARow) {
    auto q = DBCrate(conn_);
    q->Add(QStringLiteral("select count(*) as kol from organizations;"));
    q->Open();
    EXPECT_EQ(q->Field(0), QStringLiteral("0"));
    q->Close();
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_EQ(q->Text(), QStringLiteral("select count(*) as kol from organizations;"));
    q->Clear();
    q->Add(QStringLiteral("select 'x' as a, 'y' as b;"));
    q->Open();
    EXPECT_EQ(q->FieldCount(), 2);
    EXPECT_EQ(q->FieldByName(QStringLiteral("B")), QStringLiteral("y"));
}

TEST_F(DatabaseTest, ReadOnlyFlagIsOnlyRecorded) {
    conn_.SetReadOnly(true);
    EXPECT_TRUE(conn_.ReadOnly());
    Exec(QStringLiteral("insert into orginrazd values (1, 1);"));
    EXPECT_EQ(Rows(QStringLiteral("select count(*) from orginrazd")), QStringList{QStringLiteral("1")});
}

} // namespace
