// The one piece of start-up that depends on the platform: telling whether there is a display.
#include "app/Display.h"

#include <QtGlobal>
#include <cstdlib>
#include <cstring>

namespace voxtrel {

bool DisplayAvailable(int argc, char** argv) {
#ifdef Q_OS_LINUX
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true; // the user chose a plugin; Qt reports what it makes of it
        }
    }
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true; // a desktop system always has one
#endif
}

} // namespace voxtrel
