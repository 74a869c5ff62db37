// Processes, the message pump, temporary files and the system facts that
// the logic needs without touching Win32 itself.
#pragma once

#include <string>
#include <vector>

namespace vuv {

// Starts a process with the command line (normal priority, no inherited
// handles); waits for its end when `wait`. Whether it was started.
bool RunProgram(const std::string& commandLine, bool wait);

// Dispatches all waiting window messages of the calling thread, so that a
// long operation keeps its window responsive and a Cancel button works.
// User commands and timers may run inside the caller's work.
void PumpMessages();

// Creates a unique, empty temporary file (replacing one of the same name)
// in the system's temporary folder ("C:\Temp\" when there is none) and
// returns its name; empty when it could not be created.
std::string MakeTempFile(const std::string& prefix);
// Deletes the file when the name is not empty.
void DeleteTempFile(const std::string& name);

// Windows XP or Server 2003 (version 5.1 or 5.2).
bool IsWindowsXpFamily();

// The process's command-line arguments (the program name left out) that
// have no exact form in the ANSI code page, each as the ANSI text a
// program's ANSI arguments show for it ('?' or a look-alike letter in
// place of the characters the code page lacks). Empty when every argument
// travels whole.
std::vector<std::string> ArgumentsWithoutAnsiForm();

// The full path of the running program's executable.
std::string OwnExecutablePath();

// Ends the process at once with `code`, as a kill would: no clean-up, no
// destructors, files left as they are. For the tests' fault injection.
[[noreturn]] void EndProcessNow(unsigned code);

}  // namespace vuv
