#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/Shell.h"

// A CUPS print server of the test's own: its configuration, spool and output folders under a
// fresh temporary folder, a free port on the loopback, and cups-pdf queues whose PDFs land in
// an output folder per queue.  The clients (lp, lpstat) reach it through CUPS_SERVER.  cups-pdf
// reads its settings from a fixed system folder, so the server runs in a mount namespace of
// its own where that folder is the test's.  Ended, and its folders removed, with the object.
class PrintServer {
public:
    // Why the server cannot run on this machine; empty when it can.
    static std::string Missing() {
        for (const char* program : {"cupsd", "lp", "lpstat", "lpadmin", "unshare", "pdftotext"})
            if (os::FindProgram(program).empty() &&
                !std::filesystem::exists(std::string("/usr/sbin/") + program))
                return std::string(program) + " is not installed";
        if (!std::filesystem::exists(kBackend)) return "cups-pdf is not installed";
        if (!std::filesystem::exists(kPpd)) return "the cups-pdf driver is not installed";
        if (::geteuid() != 0) return "a print server of its own needs root";
        return {};
    }

    PrintServer() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zomel-cups-XXXXXX");
        if (!::mkdtemp(pattern.data())) return;
        root_ = pattern + "/";
        // The server's filters run as its own user, who must reach the spool.
        std::filesystem::permissions(
            root_, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                       std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                       std::filesystem::perms::others_exec);
        for (const char* folder : {"etc/ppd", "spool/tmp", "cache", "state", "log", "conf"})
            std::filesystem::create_directories(root_ + folder);
        port_ = FreePort();
        Write("etc/cupsd.conf",
              "Listen 127.0.0.1:" + std::to_string(port_) +
                  "\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow 127.0.0.1\n"
                  "</Location>\n<Location /admin>\n  Order allow,deny\n"
                  "  Allow 127.0.0.1\n</Location>\n<Policy default>\n  <Limit All>\n"
                  "    Order deny,allow\n  </Limit>\n</Policy>\n");
        Write("etc/cups-files.conf",
              "ServerRoot " + root_ + "etc\nRequestRoot " + root_ + "spool\nTempDir " + root_ +
                  "spool/tmp\nCacheDir " + root_ + "cache\nStateDir " + root_ + "state\nErrorLog " +
                  root_ + "log/error_log\nAccessLog " + root_ + "log/access_log\nPageLog " + root_ +
                  "log/page_log\nSystemGroup root\n");
        address_ = "127.0.0.1:" + std::to_string(port_);
        ::setenv("CUPS_SERVER", address_.c_str(), 1);
        const std::string script = "mount --bind " + root_ + "conf /etc/cups && exec cupsd -f -c " +
                                   root_ + "etc/cupsd.conf -s " + root_ + "etc/cups-files.conf";
        pid_ = ::fork();
        if (pid_ == 0) {
            ::execlp("unshare", "unshare", "--mount", "--propagation", "private", "sh", "-c",
                     script.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        running_ = pid_ > 0 && WaitFor([] {
                       auto answer = os::RunProgram({"lpstat", "-r"});
                       return answer && answer->output.starts_with("scheduler is running");
                   });
    }
    ~PrintServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            bool ended = WaitFor([this] { return ::waitpid(pid_, nullptr, WNOHANG) == pid_; });
            if (!ended) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, nullptr, 0);
            }
        }
        ::unsetenv("CUPS_SERVER");
        std::error_code ignored;
        if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
    }
    PrintServer(const PrintServer&) = delete;
    PrintServer& operator=(const PrintServer&) = delete;

    bool Running() const { return running_; }
    // Where the clients reach the server (CUPS_SERVER).
    const std::string& Address() const { return address_; }
    // What the server wrote about itself, for a failure's message.
    std::string Log() const { return Read(root_ + "log/error_log"); }

    // Adds a cups-pdf queue, the default one when told so; false when lpadmin refused.
    bool AddPdfQueue(const std::string& name, bool makeDefault) {
        std::filesystem::create_directories(Output(name));
        Write("conf/cups-pdf-" + name + ".conf",
              "Out " + Output(name) + "\nAnonDirName " + Output(name) + "\nSpool " + root_ +
                  "spool/pdf-" + name + "\nLog " + root_ + "log\nUserUMask 0000\n");
        // Ghostscript, the filters' default, would turn each page into a picture and lose the
        // text beneath it that a reader finds; poppler keeps it.
        if (!Succeeds({"lpadmin", "-p", name, "-E", "-v", "cups-pdf:/" + name, "-P", kPpd, "-o",
                       "pdftops-renderer-default=pdftops"}))
            return false;
        return !makeDefault || Succeeds({"lpadmin", "-d", name});
    }

    // The PDFs queue `name` has put out, once every job has left the server; nothing when that
    // did not happen in time.
    std::optional<std::vector<std::string>> PrintedBy(const std::string& name) const {
        std::vector<std::string> files;
        bool done = WaitFor([&] {
            auto jobs = os::RunProgram({"lpstat", "-o"});
            if (!jobs || jobs->exitCode != 0 || !jobs->output.empty()) return false;
            files.clear();
            for (const auto& entry : std::filesystem::directory_iterator(Output(name)))
                if (entry.path().extension() == ".pdf") files.push_back(entry.path().string());
            return !files.empty();
        });
        if (!done) return std::nullopt;
        return files;
    }

    // The pages the server counted for the jobs of queue `name`, copies included ("total N" in
    // its page log).
    int PagesCounted(const std::string& name) const {
        int total = 0;
        std::ifstream log(root_ + "log/page_log");
        std::string line;
        while (std::getline(log, line)) {
            size_t at = line.find("] total ");
            if (at != std::string::npos && line.starts_with(name + " "))
                total += std::atoi(line.c_str() + at + 8);
        }
        return total;
    }

private:
    static constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
    static constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    std::string Output(const std::string& queue) const { return root_ + "out/" + queue + "/"; }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(root_ + name) << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static bool Succeeds(const std::vector<std::string>& argv) {
        auto result = os::RunProgram(argv);
        return result && result->exitCode == 0;
    }
    // Asks again every tenth of a second, for a minute at most.
    static bool WaitFor(const std::function<bool()>& ready) {
        for (int tries = 0; tries < 600; ++tries) {
            if (ready()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    // A port nobody listens on now.
    static int FreePort() {
        int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        int port = 6310;
        if (::bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port = ntohs(address.sin_port);
        ::close(probe);
        return port;
    }

    std::string root_;
    std::string address_;
    int port_ = 0;
    pid_t pid_ = -1;
    bool running_ = false;
};
