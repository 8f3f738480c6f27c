// The local web server of the download tests (tests/support/list_server.py):
// started on a free port of 127.0.0.1, serving the files of a folder and the
// failures the script lists; stopped when the object goes.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace velmora::testing {

#ifndef VELMORA_LIST_SERVER_SCRIPT
#define VELMORA_LIST_SERVER_SCRIPT VELMORA_SOURCE_DIR "/tests/support/list_server.py"
#endif

class ListServer {
public:
    // root: the folder served; tlsFolder, when given, makes it https with a
    // self-signed certificate written there.
    explicit ListServer(const std::string& root, const std::string& tlsFolder = {})
        : https_(!tlsFolder.empty()) {
        int in[2], out[2];
        if (::pipe2(in, O_CLOEXEC) != 0) return;
        if (::pipe2(out, O_CLOEXEC) != 0) {
            ::close(in[0]);
            ::close(in[1]);
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        std::vector<std::string> args{"python3", VELMORA_LIST_SERVER_SCRIPT, root};
        if (!tlsFolder.empty()) args.insert(args.end(), {"--tls", tlsFolder});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid_, "python3", &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        toServer_ = in[1];
        // The port is the first line; making a certificate takes a moment.
        std::string line;
        pollfd p{out[0], POLLIN, 0};
        char c = 0;
        while (pid_ > 0 && ::poll(&p, 1, 20000) == 1 && ::read(out[0], &c, 1) == 1 && c != '\n')
            line += c;
        ::close(out[0]);
        port_ = line.empty() ? 0 : std::stoi(line);
    }
    ~ListServer() {
        if (toServer_ >= 0) ::close(toServer_);  // the script ends when its input closes
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    ListServer(const ListServer&) = delete;
    ListServer& operator=(const ListServer&) = delete;

    bool Running() const { return port_ > 0; }
    int Port() const { return port_; }
    // "http://127.0.0.1:PORT/path" (https with a certificate folder).
    std::string Url(const std::string& path) const {
        return std::string(https_ ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_) +
               path;
    }

private:
    pid_t pid_ = -1;
    int toServer_ = -1;
    int port_ = 0;
    bool https_ = false;
};

}  // namespace velmora::testing
