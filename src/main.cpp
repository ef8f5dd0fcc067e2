// Start-up of the program: hands control to the window back-end.
// Nothing here but choosing the back-end; the program itself lives in the subsystems.
#include <cstdio>

int main()
{
    std::puts("velk_QZ: okno programu nie jest jeszcze dostępne w tej wersji.");
    return 0;
}
