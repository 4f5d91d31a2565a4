// Message boxes, yes-or-no questions and file dialogs. Each goes through a replaceable function, so tests run every
// command without a modal window ever blocking.
#pragma once

#include <functional>
#include <optional>
#include <string>

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind;
    std::string title;        // "TITLE"
    std::string filter;       // "FILTER", e.g. "*.edt"
    std::string filter_info;  // "FILTERINFO", the filter's description
};

using MessageFn = std::function<void(const std::string& title, const std::string& text)>;
using QuestionFn = std::function<bool(const std::string& title, const std::string& text)>;
using FileDialogFn = std::function<std::optional<std::string>(const FileDialogRequest&)>;

// A modal box with one OK button and no icon.
void show_message(const std::string& title, const std::string& text);
// A modal box with the buttons "Sim" (the default, Return) and "Nao" (Escape), no icon; true for Sim.
bool ask_question(const std::string& title, const std::string& text);
// The chosen full path, or nothing when the user cancelled.
std::optional<std::string> popup_file_dialog(const FileDialogRequest& request);

// Replace the real dialogs; an empty function restores them.
void set_message_handler(MessageFn fn);
void set_file_dialog_handler(FileDialogFn fn);
void set_question_handler(QuestionFn fn);
