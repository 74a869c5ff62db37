#include "platform/UserMessages.h"

#include "platform/WindowSystem.h"

#include <windows.h>

#include <mutex>

namespace vuv {
namespace {

std::mutex g_sinkLock;
MessageSink g_sink;

MessageAnswer ShowMessageBox(const std::string& text, const std::string& title,
                             MessageButtons buttons, MessageIcon icon)
{
    UINT type = MB_SETFOREGROUND;
    switch (buttons) {
    case MessageButtons::Ok: type |= MB_OK; break;
    case MessageButtons::YesNo: type |= MB_YESNO; break;
    case MessageButtons::RetryCancel: type |= MB_RETRYCANCEL; break;
    case MessageButtons::OkCancel: type |= MB_OKCANCEL; break;
    }
    switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: type |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: type |= MB_ICONWARNING; break;
    case MessageIcon::Error: type |= MB_ICONERROR; break;
    case MessageIcon::Question: type |= MB_ICONQUESTION; break;
    }
    // No window system (never on a real desktop): as a box that could not be
    // shown, which answers no question with Yes.
    const auto messageBox = WindowSystem<decltype(&MessageBoxA)>("MessageBoxA");
    const auto activeWindow = WindowSystem<decltype(&GetActiveWindow)>("GetActiveWindow");
    const int answer = messageBox != nullptr && activeWindow != nullptr
                           ? messageBox(activeWindow(), text.c_str(), title.c_str(), type)
                           : 0;
    switch (answer) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    case IDRETRY: return MessageAnswer::Retry;
    case IDCANCEL: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

}  // namespace

void SetMessageSink(MessageSink sink)
{
    std::lock_guard<std::mutex> lock(g_sinkLock);
    g_sink = std::move(sink);
}

MessageAnswer ShowMessage(const std::string& text, const std::string& title,
                          MessageButtons buttons, MessageIcon icon)
{
    MessageSink sink;
    {
        std::lock_guard<std::mutex> lock(g_sinkLock);
        sink = g_sink;
    }
    return sink ? sink(text, title, buttons, icon) : ShowMessageBox(text, title, buttons, icon);
}

bool AskYesNo(const std::string& question, const std::string& title)
{
    return ShowMessage(question, title, MessageButtons::YesNo, MessageIcon::Question) ==
           MessageAnswer::Yes;
}

}  // namespace vuv
