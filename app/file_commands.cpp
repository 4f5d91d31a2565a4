// File commands. Open replaces the drawing only after a whole successful read; Save writes
// through a temporary file, so a failure never costs the drawing on screen or the file on disk.
#include "app/file_commands.h"

#include "app/messages.h"
#include "canvas/canvas_context.h"
#include "canvas/door.h"
#include "canvas/selection.h"
#include "canvas/interaction_state.h"
#include "canvas/shape_drawing.h"
#include "core/shape_file.h"
#include "core/trace.h"
#include "toolkit/attributes.h"
#include "toolkit/callbacks.h"
#include "toolkit/canvas_widget.h"


namespace {

ObjectList* item_list(QObject* item) { return get_pointer_attribute<ObjectList>(item, "objetos"); }

// Writes to name, which becomes the current file even when the write fails, so a later Save
// tries it again without asking; cancelling the dialog writes nothing and says nothing.
void save_to(ObjectList* list, std::optional<std::string> name)
{
    if (!name) return;
    if (save_drawing(list, *name)) trace("\nSave.");
    else show_message(MESSAGE_TITLE, WRITE_ERROR);
}

void forget_on(QObject* element, ObjectList* list)
{
    if (get_pointer_attribute<ObjectList>(element, "objetos") == list)
        set_pointer_attribute(element, "objetos", nullptr);
}

// After Exit frees the list, no element of the window may still hand it to a late callback.
void forget_list(QObject* item, ObjectList* list)
{
    if (!list) return;
    QObject* root = item;
    while (root->parent()) root = root->parent();
    forget_on(root, list);
    for (QObject* element : root->findChildren<QObject*>()) forget_on(element, list);
}

}  // namespace

std::optional<std::string> ask_file_name(FileDialogKind kind)
{
    return popup_file_dialog({kind, "Selecione o arquivo ", "*.edt", "Aquivos do Editor "});
}

int AtoNovo(QObject* item)
{
    ObjectList* list = item_list(item);
    CanvasWidget* canvas = item_canvas(item);
    if (!list) return IUP_DEFAULT;
    mark_shape(list, -1, canvas);
    canvas_clear(canvas);
    new_drawing(list);
    return IUP_DEFAULT;
}

int open_act(QObject* item)
{
    ObjectList* list = item_list(item);
    if (!list) return IUP_DEFAULT;
    std::optional<std::string> name = ask_file_name(FileDialogKind::Open);
    if (!name) return IUP_DEFAULT;
    open_named(list, item_canvas(item), *name);
    return IUP_DEFAULT;
}

// The name becomes current only with the drawing read from it (open_drawing): a later Save must
// not overwrite a file that could not be read.
bool open_named(ObjectList* list, CanvasWidget* canvas, const std::string& name)
{
    if (open_drawing(list, name) < 0) {
        show_message(MESSAGE_TITLE, READ_ERROR);
        return false;
    }
    trace("\nOpen.");
    redraw_all(canvas, list);
    return true;
}

int save_act(QObject* item)
{
    ObjectList* list = item_list(item);
    if (!list) return IUP_DEFAULT;
    save_to(list, current_file_name() == NO_FILE_NAME ? ask_file_name(FileDialogKind::Save)
                                            : std::optional<std::string>(current_file_name()));
    return IUP_DEFAULT;
}

int AtoSalvarComo(QObject* item)
{
    ObjectList* list = item_list(item);
    if (!list) return IUP_DEFAULT;
    save_to(list, ask_file_name(FileDialogKind::Save));
    return IUP_DEFAULT;
}

int exit_act(QObject* item)
{
    ObjectList* list = item_list(item);
    CanvasWidget* canvas = item_canvas(item);
    show_message(MESSAGE_TITLE, FAREWELL);
    trace("\nExit");
    forget_list(item, list);
    if (canvas) canvas_context_free(canvas);
    list_free(list);
    return IUP_CLOSE;
}

int info_act(QObject*)
{
    show_message(MESSAGE_TITLE, INFO_TEXT);
    return IUP_DEFAULT;
}

int AtoAjuda(QObject*)
{
    show_message(MESSAGE_TITLE, HELP_TEXT);
    return IUP_DEFAULT;
}
