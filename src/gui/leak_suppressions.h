#pragma once

// Included once by each program's main file. The leak checker of the sanitizer build reports the
// system D-Bus library's buffers, which it keeps until the process ends; they are not the program's.
#if defined(TARVELO_SANITIZE)
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}
#endif
