// What a test platform writes down of the calls that reach the user, the session or the
// process, and the scripted answers it gives them. Shared by the in-memory fake and the
// Wine tests' real-platform subclass.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace sd::test {

struct Recorder {
    struct Message { std::string text, title; MsgButtons buttons; MsgIcon icon; };

    std::vector<std::string> log;
    std::vector<Message> messages;
    std::deque<MsgAnswer> answers;           // Yes/Ok when empty
    std::vector<std::string> browseAnswers;  // the browse dialogs' answers, in order

    MsgAnswer AnswerMessage(const std::string& text, const std::string& title, MsgButtons buttons,
                       MsgIcon icon) {
        messages.push_back({text, title, buttons, icon});
        log.push_back("Message " + title);
        MsgAnswer answer = buttons == MsgButtons::YesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }

    std::string Browse(const std::string& what) {
        log.push_back(what);
        if (browseAnswers.empty()) return {};
        std::string answer = browseAnswers.front();
        browseAnswers.erase(browseAnswers.begin());
        return answer;
    }

    void Record(std::string line) { log.push_back(std::move(line)); }
};

}  // namespace sd::test
