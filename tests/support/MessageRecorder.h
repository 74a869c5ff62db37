// Captures what the logic tells the user, and answers its questions, for the
// lifetime of the object.
#pragma once

#include "platform/UserMessages.h"

#include <string>
#include <vector>

namespace vuvtest {

struct RecordedMessage {
    std::string text;
    std::string title;
    vuv::MessageButtons buttons;
    vuv::MessageIcon icon;
};

class MessageRecorder {
public:
    explicit MessageRecorder(vuv::MessageAnswer answer = vuv::MessageAnswer::Ok)
    {
        vuv::SetMessageSink([this, answer](const std::string& text, const std::string& title,
                                           vuv::MessageButtons buttons, vuv::MessageIcon icon) {
            messages.push_back({text, title, buttons, icon});
            return answer;
        });
    }
    ~MessageRecorder() { vuv::SetMessageSink(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<RecordedMessage> messages;
};

}  // namespace vuvtest
