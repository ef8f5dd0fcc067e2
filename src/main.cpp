// Start-up of the program: the Qt window back-end, a context over the current directory, and the
// program's start. Nothing here but choosing the back-end; the program itself lives in the subsystems.
#include <cstdio>
#include <exception>

#ifdef VELK_HAS_QT
#include "app/start.h"
#include "kb/context.h"
#include "platform/qt/qt_toolkit.h"
#endif

int main(int argc, char** argv)
{
#ifdef VELK_HAS_QT
    try {
        platform::QtApplication application(argc, argv);
        platform::QtToolkit ui;
        kb::Context ctx(ui);
        app::start_programu(ctx);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velk_QZ: %s\n", error.what());
        return 1;
    }
#else
    (void)argc;
    (void)argv;
    std::fputs("velk_QZ: ta wersja została zbudowana bez biblioteki Qt 6, więc nie ma okna programu.\n"
               "Zainstaluj qt6-base-dev (scripts/install-deps.sh) i zbuduj program ponownie.\n",
               stderr);
    return 1;
#endif
}
