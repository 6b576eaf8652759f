// Another program started by a test: its handles have one owner, and a child
// that is still running when the test ends (a failed assertion) is ended.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace realsuffix::testing {

// The path of a program in the folder of this test program.
inline std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path);
    return program.substr(0, program.rfind('\\') + 1) + name;
}

class ChildProcess {
public:
    explicit ChildProcess(std::string commandLine) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                  &startup, &process_) != FALSE;
    }
    ~ChildProcess() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 3);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return started_; }
    HANDLE handle() const { return process_.hProcess; }
    DWORD processId() const { return process_.dwProcessId; }
    DWORD threadId() const { return process_.dwThreadId; }

    // The exit code once the child has ended within `milliseconds`; nothing
    // while it still runs.
    std::optional<DWORD> exitCode(DWORD milliseconds) const {
        if (!started_ || WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

}  // namespace realsuffix::testing
