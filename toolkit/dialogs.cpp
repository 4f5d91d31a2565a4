// Real message boxes, questions and file dialogs, replaceable by tests.
#include "toolkit/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageFn& message_handler()
{
    static MessageFn fn;
    return fn;
}

QuestionFn& question_handler()
{
    static QuestionFn fn;
    return fn;
}

FileDialogFn& file_dialog_handler()
{
    static FileDialogFn fn;
    return fn;
}

void real_message(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool real_question(const std::string& title, const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* yes = box.addButton("Sim", QMessageBox::YesRole);
    QPushButton* no = box.addButton("Nao", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::optional<std::string> real_file_dialog(const FileDialogRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title));
    dialog.setNameFilter(QString::fromStdString(request.filter_info + "(" + request.filter + ")"));
    bool open = request.kind == FileDialogKind::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

void show_message(const std::string& title, const std::string& text)
{
    if (message_handler()) message_handler()(title, text);
    else real_message(title, text);
}

bool ask_question(const std::string& title, const std::string& text)
{
    if (question_handler()) return question_handler()(title, text);
    return real_question(title, text);
}

std::optional<std::string> popup_file_dialog(const FileDialogRequest& request)
{
    if (file_dialog_handler()) return file_dialog_handler()(request);
    return real_file_dialog(request);
}

void set_message_handler(MessageFn fn) { message_handler() = std::move(fn); }
void set_file_dialog_handler(FileDialogFn fn) { file_dialog_handler() = std::move(fn); }
void set_question_handler(QuestionFn fn) { question_handler() = std::move(fn); }
