// Test entry: an offscreen QApplication for the GUI tests, unless the caller chose a platform, and a
// scratch home of this process's own, so no editor a test starts keeps its recovery copy (or reads
// anything) in the developer's folders or another test's.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string make_scratch_home()
{
    char name[] = "/tmp/quadrix-test-home-XXXXXX";
    if (!mkdtemp(name)) std::abort();
    const std::string home = name;
    setenv("HOME", home.c_str(), 1);
    for (const char* variable : {"XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                                 "XDG_RUNTIME_DIR"}) {
        const std::string folder = home + "/" + variable;
        mkdir(folder.c_str(), 0700);
        setenv(variable, folder.c_str(), 1);
    }
    return home;
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string home = make_scratch_home();
    int status = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return status;
}
