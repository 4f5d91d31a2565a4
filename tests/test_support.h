// Helpers shared by the tests: capturing the console trace, temporary folders, records and bytes,
// and acting as an unprivileged user.
#pragma once

#include "core/shape_list.h"

#include <cstdint>
#include <initializer_list>
#include <string>

#include <sys/types.h>

// Captures what is written to standard output between construction and take().
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    std::string take();  // what was written since construction or the last take()
private:
    int saved_fd_ = -1;
    std::string path_;
    long offset_ = 0;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
private:
    std::string path_;
};

// Root ignores file permissions, so permission tests run their subject as nobody.
constexpr uid_t NOBODY = 65534;
// Makes the calling process nobody (in a forked child); true when it is nobody afterwards.
bool drop_privileges();
// Gives path to nobody when the tests run as root, so nobody's permissions apply to it.
void give_to_nobody(const std::string& path);

std::string read_all(const std::string& path);
void write_all(const std::string& path, const std::string& bytes);

// shape_contains's answers.
constexpr int HIT = 0;
constexpr int MISS = 1;

// Figures by their points as a user gives them, (x, y) pairs; the others' third point holds -1.
inline ShapeRecord rect(int xa, int ya, int xb, int yb) { return {SHAPE_RECT, xa, xb, -1, ya, yb, -1}; }
inline ShapeRecord ellipse(int xa, int ya, int xb, int yb) { return {SHAPE_ELLIPSE, xa, xb, -1, ya, yb, -1}; }
inline ShapeRecord triangle(int xa, int ya, int xb, int yb, int xc, int yc)
{
    return {SHAPE_TRIANGLE, xa, xb, xc, ya, yb, yc};
}

// True when r holds exactly these seven values, in record order (type, x1, x2, x3, y1, y2, y3).
bool same_record(const ShapeRecord& r, std::initializer_list<int> v);
// The four little-endian bytes of v, as a file holds them.
std::string le32(int32_t v);
