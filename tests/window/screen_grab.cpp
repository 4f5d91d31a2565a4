// Screen helper of the real-window tests.
//   screen_grab save FILE.png [WINDOW_ID]  the whole X screen, or only that window's rectangle
//   screen_grab pixels FILE.png X Y ...    RRGGBB of each point, one per line
//   screen_grab find FILE.png NEEDLE       "X Y" of the top-left of each exact copy of NEEDLE, a
//                                          PNG file or "tool:HANDLE", one of the tool pictures
//   screen_grab close WINDOW_ID            what a window manager's close box sends: WM_DELETE_WINDOW
#include "canvas/tool_table.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace {

int save(const char* file, const char* window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 2;
    const WId id = window ? WId(std::strtoul(window, nullptr, 0)) : 0;
    return screen->grabWindow(id).toImage().save(file, "PNG") ? 0 : 2;
}

int pixels(const char* file, int count, char** coords)
{
    QImage image(file);
    if (image.isNull()) return 2;
    for (int i = 0; i + 1 < count; i += 2) {
        QPoint p(atoi(coords[i]), atoi(coords[i + 1]));
        QRgb c = image.valid(p) ? image.pixel(p) : 0;
        std::printf("%06X\n", c & 0xFFFFFF);
    }
    return 0;
}

bool matches_at(const QImage& hay, const QImage& needle, int x, int y)
{
    for (int j = 0; j < needle.height(); ++j)
        for (int i = 0; i < needle.width(); ++i)
            if ((hay.pixel(x + i, y + j) & 0xFFFFFF) != (needle.pixel(i, j) & 0xFFFFFF)) return false;
    return true;
}

QImage needle_image(const char* needle)
{
    if (std::strncmp(needle, "tool:", 5) != 0) return QImage(needle);
    for (const Tool& tool : TOOLS)
        for (const ToolPicture& picture : tool.pictures)
            if (picture.handle && std::strcmp(picture.handle, needle + 5) == 0) return picture.build();
    return QImage();
}

int find(const char* file, const char* needle_name)
{
    QImage hay = QImage(file).convertToFormat(QImage::Format_RGB32);
    QImage needle = needle_image(needle_name).convertToFormat(QImage::Format_RGB32);
    if (hay.isNull() || needle.isNull()) return 2;
    int found = 0;
    for (int y = 0; y + needle.height() <= hay.height(); ++y)
        for (int x = 0; x + needle.width() <= hay.width(); ++x)
            if (matches_at(hay, needle, x, y)) {
                std::printf("%d %d\n", x, y);
                ++found;
            }
    return found ? 0 : 1;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

// The tests run with no window manager, so the close box's message is sent by hand.
int close_window(const char* id)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return 2;
    xcb_connection_t* c = x11->connection();
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(std::strtoul(id, nullptr, 0));
    event.type = atom(c, "WM_PROTOCOLS");
    event.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    return xcb_flush(c) > 0 ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) {
        QGuiApplication app(argc, argv);
        return save(argv[2], argc >= 4 ? argv[3] : nullptr);
    }
    if (argc >= 3 && std::strcmp(argv[1], "close") == 0) {
        QGuiApplication app(argc, argv);
        return close_window(argv[2]);
    }
    if (argc >= 3 && std::strcmp(argv[1], "pixels") == 0) return pixels(argv[2], argc - 3, argv + 3);
    if (argc >= 4 && std::strcmp(argv[1], "find") == 0) return find(argv[2], argv[3]);
    std::fprintf(stderr, "usage: screen_grab save|pixels|find|close ...\n");
    return 2;
}
