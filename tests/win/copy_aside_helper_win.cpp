// Copies a file aside the way the store does, so a test can kill the copy
// midway: copy_aside_helper FROM TO.
#include "core/file_access.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    return tolvane::HostFiles().copyNew(argv[1], argv[2]).ok() ? 0 : 1;
}
