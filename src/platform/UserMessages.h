// How the program tells the user something or asks a question. The editor
// shows message boxes; vuvtool and the tests install their own sink, so that
// no logic below the user interface ever needs a window.
#pragma once

#include <functional>
#include <string>

namespace vuv {

enum class MessageIcon { None, Information, Warning, Error, Question };

enum class MessageButtons { Ok, YesNo, RetryCancel, OkCancel };

enum class MessageAnswer { Ok, Yes, No, Retry, Cancel };

constexpr const char* kProgramTitle = "Tonbrook";

// Answers one message. Must be callable from the user-interface thread; the
// worker threads never show messages.
using MessageSink = std::function<MessageAnswer(const std::string& text, const std::string& title,
                                                MessageButtons buttons, MessageIcon icon)>;

// Replaces the sink; an empty sink restores the message boxes.
void SetMessageSink(MessageSink sink);

MessageAnswer ShowMessage(const std::string& text, const std::string& title = kProgramTitle,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::Information);

// A Yes/No question box with the question icon; true only on Yes.
bool AskYesNo(const std::string& question, const std::string& title = kProgramTitle);

}  // namespace vuv
