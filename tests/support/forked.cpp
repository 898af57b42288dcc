#include "tests/support/forked.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace harness {
namespace {

// Where a started program finds its end of the steps.
constexpr int kHandedDown = 3;

bool read_word(int from) {
    char word = 0;
    ssize_t got;
    do got = ::recv(from, &word, 1, 0);
    while (got < 0 && errno == EINTR);
    return got == 1;
}

// A word to a process that has ended is lost, and harms nothing.
void send_word(int to) {
    const char word = 1;
    while (::send(to, &word, 1, MSG_NOSIGNAL) < 0 && errno == EINTR) {}
}

}  // namespace

void Forked::Steps::ready() { send_word(socket_); }

bool Forked::Steps::go_given(std::chrono::seconds most) {
    pollfd from{.fd = socket_, .events = POLLIN, .revents = 0};
    int ready;
    do ready = ::poll(&from, 1, static_cast<int>(std::chrono::milliseconds(most).count()));
    while (ready < 0 && errno == EINTR);
    return ready == 1 && read_word(socket_);
}

Forked::Steps Forked::Steps::handed_down() { return Steps(kHandedDown); }

// Forks; the new process runs `child` with its end of the steps and ends.
template <typename Child> void Forked::start(const Child& child) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) throw std::runtime_error("no socket pair");
    child_ = ::fork();
    if (child_ < 0) throw std::runtime_error("no fork");
    if (child_ == 0) {
        ::close(ends[0]);
        ::_exit(child(ends[1]));
    }
    ::close(ends[1]);
    socket_ = ends[0];
}

Forked::Forked(const std::function<int(Steps&)>& body) {
    start([&body](int socket) {
        Steps steps(socket);
        try {
            return body(steps);
        } catch (...) {
            return 1;
        }
    });
}

Forked::Forked(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    // All made before the fork: the new process only hands its end down and
    // starts the program.
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    start([&argv](int socket) {
        if (::dup2(socket, kHandedDown) < 0) return 127;
        if (socket == kHandedDown) ::fcntl(socket, F_SETFD, 0);
        ::execv(argv[0], argv.data());
        return 127;
    });
}

Forked::~Forked() {
    if (!ended_) {
        ::kill(child_, SIGKILL);
        exit_status();
    }
    ::close(socket_);
}

bool Forked::wait_ready() { return read_word(socket_); }

void Forked::go() { send_word(socket_); }

int Forked::exit_status() {
    if (ended_) return status_;
    int status = 0;
    while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {}
    ended_ = true;
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
}

}  // namespace harness
