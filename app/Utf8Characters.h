#pragma once

#include <clocale>
#include <cstdlib>
#include <cstring>

#ifdef __linux__
#include <langinfo.h>
#endif

namespace hueprobe {

// Hueprobe's texts are Japanese, so it reads and writes characters as UTF-8 whatever
// locale it was started in. A minimal system sets none (the POSIX locale): Qt would
// then print a four-line warning on stderr, or title the windows in bytes that other
// programs cannot read. Only the character type changes; the starter's other locale
// settings stay as they were.
inline void useUtf8Characters() {
#ifdef __linux__
    std::setlocale(LC_ALL, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0)
        return;
    // LC_ALL would outrank LC_CTYPE: its value becomes the default for the rest instead.
    if (const char* all = std::getenv("LC_ALL"); all != nullptr && *all != '\0') {
        setenv("LANG", all, 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", "C.UTF-8", 1);
#endif
}

} // namespace hueprobe
