#include "zlibtool/ZlibToolMain.h"

#include <iostream>

int main(int argc, char** argv) {
    return voxtrel::ZlibToolMain::run(argc, argv, std::cout, std::cerr);
}
