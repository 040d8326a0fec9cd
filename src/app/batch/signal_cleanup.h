#pragma once
// What the batch tool leaves when it is interrupted: on SIGINT, SIGTERM or SIGHUP it removes its
// scratch folder and the temporary files of the outputs it was writing, then exits with
// 128 + the signal number. The handler may only call async-signal-safe functions, so every
// path is recorded beforehand as plain characters, and the records are changed only while the
// three signals are held (SignalsHeld), so the handler never sees half a record.

#include <signal.h>

#include <filesystem>

namespace spanlyx::signal_cleanup {

// Installs the handler for the three signals.
void install();

// Holds the three signals in the calling thread for its lifetime; a signal that arrives
// meanwhile is handled when it ends. Threads started meanwhile keep them held for good, so
// only this thread ever runs the handler.
class SignalsHeld {
  public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t saved_;  // the thread's signal mask before
};

// The folder is emptied (with its subfolders) and removed on a signal. Call while held.
// False when the path cannot be recorded.
bool watch_folder(const std::filesystem::path& folder);
void forget_folder();

// The file is removed on a signal. Call while held; returns a slot for forget_file(), or -1
// when the path cannot be recorded.
int watch_file(const std::filesystem::path& file);
void forget_file(int slot);

}  // namespace spanlyx::signal_cleanup
