#include "support/fake_platform.h"

namespace dravicor::test {

void FakePlatform::showMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
    messages.push_back({std::string(text), std::string(caption), icon});
}

Answer FakePlatform::ask(std::string_view text, std::string_view caption, MessageButtons buttons, MessageIcon) {
    questions.push_back({std::string(text), std::string(caption), buttons});
    if (answers.empty()) {
        return (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel) ? Answer::Ok : Answer::Yes;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakePlatform::showMessageWithOptOut(std::string_view text, std::string_view) {
    optOutBoxes.emplace_back(text);
    if (optOutTicks.empty()) return false;
    const bool ticked = optOutTicks.front();
    optOutTicks.pop_front();
    return ticked;
}

Timers::Id FakePlatform::start(std::chrono::milliseconds interval, bool repeat, std::function<void()> callback) {
    timers.push_back({interval, repeat, std::move(callback), true});
    return static_cast<Id>(timers.size() - 1);
}

void FakePlatform::stop(Id id) {
    if (id >= 0 && id < static_cast<Id>(timers.size())) timers[static_cast<size_t>(id)].active = false;
}

void FakePlatform::fire(Id id) {
    if (id < 0 || id >= static_cast<Id>(timers.size())) return;
    Timer& timer = timers[static_cast<size_t>(id)];
    if (!timer.active) return;
    if (!timer.repeat) timer.active = false;
    auto callback = timer.callback;  // the callback may start further timers
    callback();
}

std::optional<std::string> FakePlatform::nextFile() {
    if (chosenFiles.empty()) return std::nullopt;
    auto file = chosenFiles.front();
    chosenFiles.pop_front();
    return file;
}

std::optional<std::string> FakePlatform::chooseFileToOpen(std::string_view title, std::string_view directory,
                                                          std::string_view filter) {
    fileDialogs.push_back({std::string(title), std::string(directory), std::string(filter)});
    return nextFile();
}

std::optional<std::string> FakePlatform::chooseFileToSave(std::string_view title, std::string_view directory,
                                                          std::string_view filter) {
    fileDialogs.push_back({std::string(title), std::string(directory), std::string(filter)});
    return nextFile();
}

}  // namespace dravicor::test
