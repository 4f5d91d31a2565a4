// Helpers shared by the tests: capturing the console trace, and temporary folders.
#pragma once

#include <string>

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

std::string read_all(const std::string& path);
void write_all(const std::string& path, const std::string& bytes);
