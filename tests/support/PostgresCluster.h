// A PostgreSQL server of the test program's own: a temporary cluster made
// by initdb in a folder of its own, reached only on a Unix socket in that
// folder, started by pg_ctl the first time a test asks for it and removed
// when the program ends (one cluster per test program, however many tests).
//
// The server programs refuse to run as root; a test run as root runs them
// as the postgres user (nobody when there is none), which owns the folder.
#pragma once

#include <fcntl.h>
#include <glob.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace velmora::testing {

class PostgresCluster {
public:
    // The newest server's programs (initdb, pg_ctl), or empty.
    static std::string FindBinaries() {
        glob_t found{};
        std::vector<std::string> folders;
        if (::glob("/usr/lib/postgresql/*/bin/pg_ctl", 0, nullptr, &found) == 0) {
            for (std::size_t i = 0; i < found.gl_pathc; ++i) {
                std::string folder = std::filesystem::path(found.gl_pathv[i]).parent_path();
                if (::access((folder + "/initdb").c_str(), X_OK) == 0) folders.push_back(folder);
            }
        }
        ::globfree(&found);
        // /usr/lib/postgresql/15/bin: the version is the folder above.
        auto version = [](const std::string& folder) {
            return std::atoi(std::filesystem::path(folder).parent_path().filename().c_str());
        };
        std::sort(folders.begin(), folders.end(),
                  [&](const std::string& a, const std::string& b) { return version(a) < version(b); });
        return folders.empty() ? std::string() : folders.back();
    }

    explicit PostgresCluster(std::string bin) : bin_(std::move(bin)) {}
    ~PostgresCluster() {
        if (running_) Stop();
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
    }
    PostgresCluster(const PostgresCluster&) = delete;
    PostgresCluster& operator=(const PostgresCluster&) = delete;

    // Makes the cluster and starts it; false with the reason (and the
    // programs' output) in error.
    bool Create(std::string* error) {
        if (!ChooseUser(error) || !MakeFolder(error)) return false;
        if (!RunAsServerUser({bin_ + "/initdb", "-D", Data(), "-U", kUser, "-A", "trust", "-E",
                              "UTF8", "--no-sync", "--no-instructions"},
                             error))
            return false;
        return Start(error);
    }

    bool Start(std::string* error = nullptr) {
        // No TCP, only the socket in the folder; no fsync, the data is thrown away.
        const std::string options = "-k '" + folder_ + "' -c listen_addresses='' -F";
        running_ = RunAsServerUser({bin_ + "/pg_ctl", "start", "-w", "-t", "60", "-D", Data(), "-l",
                                    folder_ + "/server.log", "-o", options},
                                   error);
        return running_;
    }

    bool Running() const { return running_; }

    bool Stop(std::string* error = nullptr) {
        running_ = false;
        return RunAsServerUser({bin_ + "/pg_ctl", "stop", "-w", "-m", "fast", "-D", Data()}, error);
    }

    // A new, empty database of the cluster, as the URL the program takes.
    std::string NewDatabase(std::string* error) {
        const std::string name = "units_" + std::to_string(++databases_);
        PGconn* conn = PQconnectdb(Url("postgres").c_str());
        bool ok = PQstatus(conn) == CONNECTION_OK;
        if (ok) {
            PGresult* result = PQexec(conn, ("CREATE DATABASE " + name).c_str());
            ok = PQresultStatus(result) == PGRES_COMMAND_OK;
            PQclear(result);
        }
        if (!ok && error != nullptr) *error = PQerrorMessage(conn);
        PQfinish(conn);
        return ok ? Url(name) : std::string();
    }

    std::string Url(const std::string& database) const {
        return "postgresql://" + std::string(kUser) + "@/" + database + "?host=" + folder_;
    }

private:
    static constexpr const char* kUser = "velmora";

    std::string Data() const { return folder_ + "/data"; }

    bool ChooseUser(std::string* error) {
        if (::geteuid() != 0) {
            uid_ = ::geteuid();
            gid_ = ::getegid();
            return true;
        }
        for (const char* name : {"postgres", "nobody"}) {
            if (const passwd* pw = ::getpwnam(name)) {
                userName_ = name;
                uid_ = pw->pw_uid;
                gid_ = pw->pw_gid;
                // Looked up here: after fork only plain system calls are safe.
                int count = 64;
                groups_.resize(count);
                if (::getgrouplist(name, gid_, groups_.data(), &count) < 0) count = 0;
                groups_.resize(count);
                return true;
            }
        }
        *error = "running as root, and there is no postgres or nobody user to run the server as";
        return false;
    }

    // Every folder above path lets others through (the server's user must
    // reach its own folder).
    static bool Reachable(const std::filesystem::path& path) {
        for (std::filesystem::path p = path; !p.empty(); p = p.parent_path()) {
            struct stat st {};
            if (::stat(p.c_str(), &st) != 0 || (st.st_mode & S_IXOTH) == 0) return false;
            if (p == p.root_path()) break;
        }
        return true;
    }

    bool MakeFolder(std::string* error) {
        std::filesystem::path root = ScratchRoot();
        if (::geteuid() == 0 && !Reachable(root)) root = "/tmp";
        std::string pattern = (root / "velmora-pg-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            *error = "cannot make a folder in " + root.string();
            return false;
        }
        folder_ = pattern;
        if (::geteuid() == 0 && ::chown(folder_.c_str(), uid_, gid_) != 0) {
            *error = "cannot give " + folder_ + " to " + userName_;
            return false;
        }
        return true;
    }

    // Runs the program with its output in the folder's command.log; false
    // with that output in error when it fails.
    bool RunAsServerUser(const std::vector<std::string>& args, std::string* error) {
        const std::string log = folder_ + "/command.log";
        int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        pid_t pid = ::fork();
        if (pid == 0) {
            if (out >= 0) {
                ::dup2(out, 1);
                ::dup2(out, 2);
            }
            if (::geteuid() == 0 &&
                (::setgroups(groups_.size(), groups_.data()) != 0 || ::setgid(gid_) != 0 ||
                 ::setuid(uid_) != 0))
                _exit(126);
            std::vector<char*> argv;
            for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            _exit(127);
        }
        if (out >= 0) ::close(out);
        int status = 0;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid) status = -1;
        const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!ok && error != nullptr) {
            *error = args[0] + " failed: " + Slurp(log);
            std::string serverLog = Slurp(folder_ + "/server.log");
            if (!serverLog.empty()) *error += "\nserver log:\n" + serverLog;
        }
        return ok;
    }

    std::string bin_;
    std::string folder_;
    std::string userName_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    std::vector<gid_t> groups_;
    bool running_ = false;
    int databases_ = 0;
};

// The test program's one cluster, made when a test first asks for it and
// removed after the last test.
class PostgresEnvironment : public ::testing::Environment {
public:
    // The cluster, or null with why: skip (the programs are not installed)
    // or a failure to make it.
    PostgresCluster* Cluster(std::string& why, bool& skip) {
        if (!tried_) {
            tried_ = true;
            const std::string bin = PostgresCluster::FindBinaries();
            if (bin.empty()) {
                skipReason_ = "the PostgreSQL server programs (initdb, pg_ctl) are not in "
                              "/usr/lib/postgresql/*/bin; scripts/deps installs package postgresql";
            } else {
                cluster_ = std::make_unique<PostgresCluster>(bin);
                if (!cluster_->Create(&failure_)) cluster_.reset();
            }
        }
        // A test that stopped the server and failed before starting it again.
        if (cluster_ && !cluster_->Running() && !cluster_->Start(&failure_)) cluster_.reset();
        why = cluster_ ? std::string() : skipReason_.empty() ? failure_ : skipReason_;
        skip = !skipReason_.empty();
        return cluster_.get();
    }
    void TearDown() override {
        cluster_.reset();
        tried_ = false;
    }

    static PostgresEnvironment& Get() {
        static PostgresEnvironment* const environment = static_cast<PostgresEnvironment*>(
            ::testing::AddGlobalTestEnvironment(new PostgresEnvironment));
        return *environment;
    }

private:
    bool tried_ = false;
    std::string skipReason_;
    std::string failure_;
    std::unique_ptr<PostgresCluster> cluster_;
};

// In a test: the cluster in `name`, skipping the test when the server's
// programs are missing and failing it when the cluster cannot be made.
#define VELMORA_POSTGRES_CLUSTER(name)                                                \
    std::string name##Why;                                                            \
    bool name##Skip = false;                                                          \
    ::velmora::testing::PostgresCluster* name =                                       \
        ::velmora::testing::PostgresEnvironment::Get().Cluster(name##Why, name##Skip); \
    if (name == nullptr && name##Skip) GTEST_SKIP() << name##Why;                     \
    ASSERT_NE(name, nullptr) << name##Why

}  // namespace velmora::testing
