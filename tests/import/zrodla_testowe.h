// Real ODBC data sources for the tests of the import: an odbc.ini and odbcinst.ini of their own in
// a temporary folder (ODBCSYSINI and ODBCINI point there), each data source on SQLite (a file in
// the folder) or on the PostgreSQL server that VELK_TEST_POSTGRES names (a fresh database, dropped
// at the end), and SQL run on them to build fixtures. Test support only.
#pragma once

#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/odbc/odbc.h"

namespace import::testing {

enum class Silnik { SQLite, PostgreSQL };

inline const char* nazwa_silnika(Silnik s) { return s == Silnik::SQLite ? "SQLite" : "PostgreSQL"; }

// The odbc.ini lines of the PostgreSQL server of the tests ("" when there is none).
inline std::string serwer_postgres()
{
    const char* opis = std::getenv("VELK_TEST_POSTGRES");
    return opis ? opis : "";
}

// The driver manager keeps the folder of its configuration for the whole process: every test of
// a process writes its data sources into the same folder, named after the process.
inline const std::filesystem::path& folder_konfiguracji()
{
    struct Folder {
        std::filesystem::path sciezka;
        Folder() : sciezka(std::filesystem::temp_directory_path() / ("velk-odbc-" + std::to_string(getpid())))
        {
            std::filesystem::create_directories(sciezka);
            std::filesystem::copy_file("/etc/odbcinst.ini", sciezka / "odbcinst.ini",
                                       std::filesystem::copy_options::overwrite_existing);
            setenv("ODBCSYSINI", sciezka.c_str(), 1);
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(sciezka, ignored);
        }
    };
    static const Folder folder;
    return folder.sciezka;
}

// The driver manager keeps what it read of the configuration files for a while; a write through
// its own configuration library drops what it kept, so that the next test reads its own file.
inline void zapomnij_konfiguracje(const std::filesystem::path& folder)
{
    static void* biblioteka = dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!biblioteka) return;
    using Zapis = int (*)(const char*, const char*, const char*, const char*);
    static auto zapis = reinterpret_cast<Zapis>(dlsym(biblioteka, "SQLWritePrivateProfileString"));
    if (zapis) zapis("velk", "zapis", "1", (folder / "pusty.ini").c_str());
}

// Data sources of a test. The driver manager also remembers, for some seconds, which driver a
// data-source name had, where nothing outside it can make it forget: the sources of every test
// after the first in a process get names of their own (dsn() gives them), so that no test meets
// the source of an earlier one.
class ZrodlaTestowe {
public:
    // Databases of SQLite go into `dir`.
    explicit ZrodlaTestowe(std::filesystem::path dir) : dir_(std::move(dir)), numer_(kolejny_numer())
    {
        folder_konfiguracji();
        setenv("ODBCINI", (dir_ / "odbc.ini").c_str(), 1);
        zapisz();
    }
    ~ZrodlaTestowe()
    {
        for (const std::string& baza : bazy_postgres_) {
            try {
                administruj([&](const std::shared_ptr<odbc::Connection>& c) {
                    odbc::Statement(c).execute("DROP DATABASE IF EXISTS " + baza + " WITH (FORCE)");
                });
            } catch (const odbc::Error&) {
                // the server went first: nothing is left to drop
            }
        }
    }
    ZrodlaTestowe(const ZrodlaTestowe&) = delete;
    ZrodlaTestowe& operator=(const ZrodlaTestowe&) = delete;

    // The name a data source of this test has.
    std::string dsn(const std::string& nazwa) const
    {
        return numer_ == 0 ? nazwa : nazwa + "_" + std::to_string(numer_);
    }

    // A data source of that name on the engine, with an empty database.
    void dodaj(const std::string& nazwa, Silnik silnik)
    {
        const std::string dsn = this->dsn(nazwa);
        if (silnik == Silnik::SQLite) {
            sekcje_ += "[" + dsn + "]\nDriver = SQLite3\nDatabase = " + (dir_ / (dsn + ".db")).string() + "\n\n";
            zapisz();
            return;
        }
        const std::string baza = "velk_" + std::to_string(getpid()) + "_" + std::to_string(bazy_postgres_.size());
        administruj([&](const std::shared_ptr<odbc::Connection>& c) {
            odbc::Statement(c).execute("DROP DATABASE IF EXISTS " + baza + " WITH (FORCE)");
            odbc::Statement(c).execute("CREATE DATABASE " + baza + " ENCODING 'UTF8' TEMPLATE template0");
        });
        bazy_postgres_.push_back(baza);
        sekcje_ += sekcja_postgres(dsn, baza);
        zapisz();
    }

    // A data source whose database cannot be opened.
    void dodaj_niedostepne(const std::string& nazwa)
    {
        const std::string dsn = this->dsn(nazwa);
        sekcje_ += "[" + dsn + "]\nDriver = SQLite3\nDatabase = " + (dir_ / "nie_ma" / "x.db").string() + "\n\n";
        zapisz();
    }

    // Runs each statement on its own connection's statement.
    void wykonaj(const std::string& nazwa, const std::vector<std::string>& instrukcje) const
    {
        auto srodowisko = std::make_shared<odbc::Environment>(odbc::load_driver_manager());
        auto polaczenie = std::make_shared<odbc::Connection>(srodowisko, dsn(nazwa), "", "");
        for (const std::string& sql : instrukcje) odbc::Statement(polaczenie).execute(sql);
    }
    void wykonaj(const std::string& nazwa, const std::string& sql) const { wykonaj(nazwa, std::vector{sql}); }

    // The number of connections the server has open to the database of a data source. A server
    // ends the session of a closed connection a moment after the client let it go: `az_do` is
    // the number awaited for a while before the count is taken as it is.
    long long polaczenia_postgres(const std::string& nazwa, long long az_do = -1) const
    {
        for (int proba = 0; proba < 50; ++proba) {
            const long long ile = policz_polaczenia(nazwa);
            if (az_do < 0 || ile == az_do) return ile;
            usleep(100 * 1000);
        }
        return policz_polaczenia(nazwa);
    }

private:
    long long policz_polaczenia(const std::string& nazwa) const
    {
        const std::string dsn = this->dsn(nazwa);
        long long ile = -1;
        administruj([&](const std::shared_ptr<odbc::Connection>& c) {
            odbc::Statement s(c);
            s.execute("SELECT count(*) FROM pg_stat_activity WHERE datname = '" + baza_dsn(dsn) + "'");
            s.fetch();
            ile = s.integer(1).value_or(-1);
        });
        return ile;
    }

    static constexpr const char* kAdministracja = "velk_administracja";

    static int kolejny_numer()
    {
        static int nastepny = 0;
        return nastepny++;
    }

    // Work on the server's own database, through a data source that exists only meanwhile, so
    // that the program never lists it.
    template <class Praca>
    void administruj(const Praca& praca) const
    {
        std::ofstream(dir_ / "odbc.ini", std::ios::binary) << sekcje_ + sekcja_postgres(kAdministracja, "postgres");
        zapomnij_konfiguracje(folder_konfiguracji());
        struct Przywroc {
            const ZrodlaTestowe& z;
            ~Przywroc() { z.zapisz(); }
        } przywroc{*this};
        auto srodowisko = std::make_shared<odbc::Environment>(odbc::load_driver_manager());
        praca(std::make_shared<odbc::Connection>(srodowisko, kAdministracja, "", ""));
    }

    std::string sekcja_postgres(const std::string& dsn, const std::string& baza) const
    {
        std::string linie;
        std::istringstream opis(serwer_postgres());
        for (std::string pole; std::getline(opis, pole, ';');) linie += pole + "\n";
        return "[" + dsn + "]\n" + linie + "Database = " + baza + "\n\n";
    }

    std::string baza_dsn(const std::string& dsn) const
    {
        const std::string naglowek = "[" + dsn + "]\n";
        const auto poczatek = sekcje_.find(naglowek);
        const auto baza = sekcje_.find("Database = ", poczatek);
        return sekcje_.substr(baza + 11, sekcje_.find('\n', baza) - baza - 11);
    }

    void zapisz() const
    {
        std::ofstream(dir_ / "odbc.ini", std::ios::binary) << sekcje_;
        zapomnij_konfiguracje(folder_konfiguracji());
    }

    std::filesystem::path dir_;
    int numer_;
    std::string sekcje_;
    std::vector<std::string> bazy_postgres_;
};

}  // namespace import::testing
