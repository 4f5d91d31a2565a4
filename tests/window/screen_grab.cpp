// Screen helper of the real-window tests.
//   screen_grab save FILE.png              the whole X screen
//   screen_grab pixels FILE.png X Y ...    RRGGBB of each point, one per line
//   screen_grab find FILE.png NEEDLE       "X Y" of the top-left of each exact copy of NEEDLE, a
//                                          PNG file or "tool:HANDLE", one of the tool pictures
#include "canvas/tool_table.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstring>

namespace {

int save(const char* file)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 2;
    return screen->grabWindow(0).toImage().save(file, "PNG") ? 0 : 2;
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "save") == 0) {
        QGuiApplication app(argc, argv);
        return save(argv[2]);
    }
    if (argc >= 3 && std::strcmp(argv[1], "pixels") == 0) return pixels(argv[2], argc - 3, argv + 3);
    if (argc >= 4 && std::strcmp(argv[1], "find") == 0) return find(argv[2], argv[3]);
    std::fprintf(stderr, "usage: screen_grab save|pixels|find ...\n");
    return 2;
}
