// quadrix-export: converts a Quadrix drawing to SVG, PDF or PNG without any window system. The
// whole run is export_main in export/convert.cpp.
#include "export/convert.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return export_main(std::vector<std::string>(argv + 1, argv + argc), QUADRIX_VERSION);
}
