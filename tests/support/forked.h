#pragma once
// A part of a test run in a process of its own, in step with the test: the
// process tells the test when it is ready, and goes on when the test says so.
// Two copies of a unit on one record, or another program holding a lock, are
// such processes.  A part that uses Qt runs a program of its own: a process
// forked from one that has used Qt's threads cannot draw.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace harness {

class Forked {
public:
    // The process's side of the steps.
    class Steps {
    public:
        void ready();
        // Waits for the test's word, at most `most`; false when it did not come.
        bool go_given(std::chrono::seconds most);
        // The steps of a program that a Forked started.
        static Steps handed_down();

    private:
        friend class Forked;
        explicit Steps(int socket) : socket_(socket) {}
        int socket_;
    };

    // Runs `body` in a new process, which ends with the status `body` returns
    // (1 when it throws); the process never returns into the test.
    explicit Forked(const std::function<int(Steps&)>& body);
    // Runs `program` with `arguments` in a new process; it takes its steps
    // from Steps::handed_down().
    Forked(const std::filesystem::path& program, const std::vector<std::string>& arguments);
    ~Forked();  // ends the process if it still runs
    Forked(const Forked&) = delete;
    Forked& operator=(const Forked&) = delete;

    // Waits until the process is ready; false when it ended first.
    bool wait_ready();
    void go();  // lost on a process that has ended
    // Waits for the process to end: its exit status, or 128 + the signal that ended it.
    int exit_status();

private:
    template <typename Child> void start(const Child& child);

    pid_t child_ = -1;
    int socket_ = -1;  // to the process and back
    bool ended_ = false;
    int status_ = 0;
};

}  // namespace harness
