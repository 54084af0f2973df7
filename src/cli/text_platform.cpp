#include "cli/text_platform.h"

#include <string>

namespace dravicor {

namespace {
// Messages are printed on one line each.
std::string OneLine(std::string_view text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        line += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return line;
}
}  // namespace

void TextPlatform::showMessage(std::string_view text, std::string_view, MessageIcon) {
    out_ << "message: " << OneLine(text) << '\n';
}

Answer TextPlatform::ask(std::string_view text, std::string_view, MessageButtons buttons, MessageIcon) {
    out_ << "question: " << OneLine(text) << '\n';
    const bool okCancel = buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel;
    if (answerYes_) return okCancel ? Answer::Ok : Answer::Yes;
    return okCancel ? Answer::Cancel : Answer::No;
}

bool TextPlatform::showMessageWithOptOut(std::string_view text, std::string_view) {
    out_ << "message: " << OneLine(text) << '\n';
    return false;
}

}  // namespace dravicor
