#include <iostream>

#include "tools/MediaTool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return norvalt::RunMediaTool(args, std::cout, std::cerr);
}
