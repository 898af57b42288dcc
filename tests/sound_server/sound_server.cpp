#include "tests/sound_server/sound_server.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>
#include <thread>
#include <vector>

namespace sound_server {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kLongestStart = 15s;

bool on_the_path(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path != nullptr ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && ::access((fs::path(folder) / program).c_str(), X_OK) == 0) return true;
    return false;
}

bool takes_connections(const fs::path& socket_file) {
    const int client = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (client < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket_file.c_str(), sizeof address.sun_path - 1);
    const bool connected = ::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(client);
    return connected;
}

std::string contents_of(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The sound server the tests start: PulseAudio's daemon, or with
// COURSE_SOUND_SERVER=pipewire, PipeWire's PulseAudio service (pipewire.sh).
bool on_pipewire() {
    const char* server = std::getenv("COURSE_SOUND_SERVER");
    return server != nullptr && std::string_view(server) == "pipewire";
}

// In the child: the daemon, in a process group of its own, ended with its
// parent (stopped or not), logging to a file.
[[noreturn]] void become_daemon(const fs::path& folder) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::freopen((folder / "daemon.log").c_str(), "w", stderr);
    std::freopen("/dev/null", "w", stdout);
    const std::string socket_module = "module-native-protocol-unix auth-anonymous=1 socket=" +
                                      (folder / "native").string();
    const std::string speakers = "module-pipe-sink sink_name=course format=s16le channels=1 rate=" +
                                 std::to_string(kSpeakersRate) + " use_system_clock_for_timing=yes file=" +
                                 (folder / "speakers").string();
    std::vector<std::string> words{"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                   "--use-pid-file=no", "--log-target=stderr",
                                   "-L", speakers, "-L", socket_module};
    if (on_pipewire()) words = {"bash", (fs::path(__FILE__).parent_path() / "pipewire.sh").string(), folder.string()};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    std::_Exit(127);
}

}  // namespace

SoundServer::SoundServer() {
    installed_ = on_the_path(on_pipewire() ? "pipewire-pulse" : "pulseaudio");
    if (!installed_) return;
    char name[] = "/tmp/sound-server-XXXXXX";
    if (::mkdtemp(name) == nullptr) {
        failure_ = "no folder for the sound server";
        return;
    }
    folder_ = name;
    // Ours and Qt's alike: the daemon's folder, its socket, no cookie of the user's.
    ::setenv("HOME", folder_.c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    ::setenv("PULSE_RUNTIME_PATH", folder_.c_str(), 1);
    ::setenv("PULSE_SERVER", ("unix:" + (folder_ / "native").string()).c_str(), 1);
    // The test's temporary files go there too, seen by it alone and removed with it.
    fs::create_directory(folder_ / "tmp");
    ::setenv("TMPDIR", (folder_ / "tmp").c_str(), 1);
    daemon_ = ::fork();
    if (daemon_ == 0) become_daemon(folder_);
    if (daemon_ > 0) ::setpgid(daemon_, daemon_);
    if (daemon_ < 0) {
        failure_ = "the sound server could not be started";
        return;
    }
    if (!wait_until_listening())
        failure_ = "the sound server did not take connections within " + std::to_string(kLongestStart.count()) +
                   " s; it said:\n" + contents_of(folder_ / "daemon.log");
}

bool SoundServer::wait_until_listening() {
    const auto deadline = std::chrono::steady_clock::now() + kLongestStart;
    while (std::chrono::steady_clock::now() < deadline) {
        if (takes_connections(folder_ / "native")) return true;
        int status = 0;
        if (::waitpid(daemon_, &status, WNOHANG) == daemon_) {
            daemon_ = -1;
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

void SoundServer::stop() const { ::kill(-daemon_, SIGSTOP); }

void SoundServer::go_on() const { ::kill(-daemon_, SIGCONT); }

SoundServer::~SoundServer() {
    if (daemon_ > 0) {
        go_on();
        ::kill(-daemon_, SIGTERM);
        ::waitpid(daemon_, nullptr, 0);
    }
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

std::optional<int> streams_of(pid_t process) {
    FILE* pactl = ::popen("LC_ALL=C pactl --format=json list sink-inputs 2>/dev/null", "r");
    if (pactl == nullptr) return std::nullopt;
    QByteArray listing;
    char piece[4096];
    for (std::size_t got; (got = std::fread(piece, 1, sizeof piece, pactl)) > 0;) listing.append(piece, got);
    if (::pclose(pactl) != 0) return std::nullopt;
    const QJsonDocument streams = QJsonDocument::fromJson(listing);
    if (!streams.isArray()) return std::nullopt;
    int of_process = 0;
    for (const QJsonValue stream : streams.array())
        of_process += stream["properties"]["application.process.id"].toString() == QString::number(process);
    return of_process;
}

const SoundServer& test_server() {
    static const SoundServer daemon;
    return daemon;
}

}  // namespace sound_server
