// Asks for the library planted beside it by name, once, prepared as the
// program prepares itself or, given "unprepared", not: exits 0 when it loaded.
#include "platform/ProcessStart.h"

#include <cstring>

#include <windows.h>

int main(int argc, char *argv[])
{
    if (argc < 2 || std::strcmp(argv[1], "unprepared") != 0)
        platform::prepareProcess();
    return LoadLibraryW(L"" PLANTED_LIBRARY) ? 0 : 1;
}
