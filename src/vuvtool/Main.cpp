// vuvtool: the editor's logic on the console, on the same settings and files,
// for scripting and for testing the program from outside. Exit status 0 on
// success, 1 on bad usage, 2 when the operation failed (message on stderr).
#include "vuvtool/ToolCommand.h"

#include "platform/Process.h"
#include "platform/Settings.h"
#include "platform/UserMessages.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>

namespace vuvtool {

namespace {

std::vector<CommandInfo>& Registry()
{
    static std::vector<CommandInfo> commands;
    return commands;
}

void PrintUsage()
{
    fprintf(stderr, "usage: vuvtool [--collection PATH] COMMAND [ARGS]\ncommands:\n");
    for (const CommandInfo& c : Registry())
        fprintf(stderr, "  %s %s\n", c.name, c.usage);
}

// Messages go to stderr; questions are answered as the command's caller
// decided beforehand (commands that must not ask install their own sink).
vuv::MessageAnswer ConsoleMessage(const std::string& text, const std::string& title,
                                  vuv::MessageButtons buttons, vuv::MessageIcon)
{
    fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    switch (buttons) {
    case vuv::MessageButtons::YesNo: return vuv::MessageAnswer::Yes;
    case vuv::MessageButtons::RetryCancel: return vuv::MessageAnswer::Cancel;
    case vuv::MessageButtons::OkCancel: return vuv::MessageAnswer::Ok;
    default: return vuv::MessageAnswer::Ok;
    }
}

}  // namespace

const std::vector<CommandInfo>& Commands() { return Registry(); }

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFunction run)
{
    Registry().push_back({name, usage, run});
}

int Fail(const std::string& message)
{
    fprintf(stderr, "vuvtool: %s\n", message.c_str());
    return kFailed;
}

int BadUsage(const char* command)
{
    for (const CommandInfo& c : Registry())
        if (strcmp(c.name, command) == 0)
            fprintf(stderr, "usage: vuvtool [--collection PATH] %s %s\n", c.name, c.usage);
    return kBadUsage;
}

void PrintLine(const std::string& text)
{
    fwrite(text.data(), 1, text.size(), stdout);
    fputc('\n', stdout);
}

}  // namespace vuvtool

int main(int argc, char** argv)
{
    // Texts are printed as their stored bytes: no CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    vuv::SetDefaultLocation(vuv::SettingsRoot::CurrentUser, vuv::kProgramSettingsKey);
    vuv::SetMessageSink(vuvtool::ConsoleMessage);
    vuvtool::ApplyTestFaults();

    // Every argument is a path or a tag text in the ANSI code page; one that
    // lost characters on the way would name another file or write another
    // text.
    const std::vector<std::string> lossy = vuv::ArgumentsWithoutAnsiForm();
    if (!lossy.empty())
        return vuvtool::Fail("an argument has no form in the ANSI code page: " + lossy[0]);

    vuvtool::ToolContext context;
    int i = 1;
    if (i < argc && strcmp(argv[i], "--collection") == 0) {
        if (i + 1 >= argc) {
            vuvtool::PrintUsage();
            return vuvtool::kBadUsage;
        }
        context.collectionOverride = argv[i + 1];
        i += 2;
    }
    if (i >= argc) {
        vuvtool::PrintUsage();
        return vuvtool::kBadUsage;
    }
    const char* name = argv[i];
    std::vector<std::string> args(argv + i + 1, argv + argc);
    for (const vuvtool::CommandInfo& c : vuvtool::Commands())
        if (strcmp(c.name, name) == 0) {
            int rc = c.run(context, args);
            fflush(stdout);
            return rc;
        }
    fprintf(stderr, "vuvtool: unknown command '%s'\n", name);
    vuvtool::PrintUsage();
    return vuvtool::kBadUsage;
}
