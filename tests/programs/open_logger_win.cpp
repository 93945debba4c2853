// A program that notes how the shell started it: "open_logger.exe LOGFILE ADDRESS" appends ADDRESS
// and a line feed to LOGFILE. The tests register it as the opener of a made-up address scheme.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 1;
    FILE* log = std::fopen(__argv[1], "ab");
    if (!log) return 2;
    std::fprintf(log, "%s\n", __argv[2]);
    std::fclose(log);
    return 0;
}
