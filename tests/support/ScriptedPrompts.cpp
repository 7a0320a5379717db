#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

namespace ql::test {

ui::CUserPrompts::Answer ScriptedPrompts::Next(Answer fallback) {
    if (answers.empty()) {
        ADD_FAILURE() << "a question without a scripted answer: " << shown.back();
        return fallback;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

ui::CUserPrompts::Answer ScriptedPrompts::OkCancel(const QString& text) {
    Shown("question: " + text.toStdString());
    return Next(Answer::kCancel);
}

ui::CUserPrompts::Answer ScriptedPrompts::YesNoCancel(const QString& text) {
    Shown("question: " + text.toStdString());
    return Next(Answer::kCancel);
}

ui::CUserPrompts::Answer ScriptedPrompts::YesNo(const QString& text) {
    Shown("exclamation: " + text.toStdString());
    return Next(Answer::kNo);
}

void ScriptedPrompts::Warning(const QString& text) {
    Shown("warning: " + text.toStdString());
}

void ScriptedPrompts::WarningWithCause(const QString& text, const QString& cause) {
    causes.push_back(cause.toStdString());
    Warning(text);
}

void ScriptedPrompts::Information(const QString& text) {
    Shown("information: " + text.toStdString());
}

std::optional<QString> ScriptedPrompts::OpenFile(const QString& filter, const QString& folder) {
    folders.push_back(folder);
    Shown("open: " + filter.toStdString());
    if (files.empty()) {
        ADD_FAILURE() << "a file dialog without a scripted name";
        return std::nullopt;
    }
    QString name = files.front();
    files.pop_front();
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> ScriptedPrompts::SaveFile(const QString& suggested, const QString& filter,
                                                 const QString& extension, const QString& folder) {
    folders.push_back(folder);
    Shown("save: " + suggested.toStdString() + " " + filter.toStdString() + " " +
          extension.toStdString());
    if (files.empty()) {
        ADD_FAILURE() << "a file dialog without a scripted name";
        return std::nullopt;
    }
    QString name = files.front();
    files.pop_front();
    if (name.isEmpty()) return std::nullopt;
    return name;
}

void ScriptedPrompts::Shown(std::string line) {
    shown.push_back(std::move(line));
    if (onShow) onShow();
}

std::vector<std::string> ScriptedPrompts::Take() {
    std::vector<std::string> taken;
    taken.swap(shown);
    return taken;
}

}  // namespace ql::test
