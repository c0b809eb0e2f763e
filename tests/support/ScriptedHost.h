#pragma once

#include "link/TransferHost.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// A front end that answers from a script and keeps a fake clock: sleeping only
// adds to a counter.
class ScriptedHost : public program::TransferHost {
public:
    struct Question {
        program::LinkMessage message;
        Buttons buttons;
    };

    // Answers to ask(), in order. Once they run out: OK to a message with only
    // an OK button, Cancel to any other question.
    std::deque<Answer> answers;
    // The pump step (counted from 1) from which the user has pressed Cancel; 0 never.
    int cancelAtPump = 0;
    // Runs at every pump step, for checks while a transfer is under way.
    std::function<void()> onPump;
    // Runs at every question before it is answered, as the user would act on the
    // radio while the message is up.
    std::function<void()> onQuestion;

    std::vector<Question> questions;
    std::vector<std::string> statuses; // English forms
    std::vector<std::string> chineseStatuses;
    int pumps = 0;
    int progressMaximum = -1;
    std::vector<int> progress;
    long sleptMs = 0;

    bool pumpEvent() override {
        ++pumps;
        if (onPump)
            onPump();
        return cancelAtPump > 0 && pumps >= cancelAtPump;
    }
    void showStatus(const program::BilingualText& status) override {
        statuses.push_back(status.english);
        chineseStatuses.push_back(status.chinese);
    }
    void setProgressRange(int maximum) override { progressMaximum = maximum; }
    void setProgress(int position) override { progress.push_back(position); }
    Answer ask(const program::LinkMessage& message, Buttons buttons) override {
        questions.push_back({message, buttons});
        if (onQuestion)
            onQuestion();
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void sleepMs(int milliseconds) override { sleptMs += milliseconds; }

    // Ids of the messages shown, 0 for literal texts.
    std::vector<int> messageIds() const {
        std::vector<int> ids;
        for (const Question& q : questions)
            ids.push_back(q.message.id);
        return ids;
    }
};

} // namespace testsupport
