// Default settings of the sanitizer runtimes, read before main. Options given
// in ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS still override them.

extern "C" {

const char* __asan_default_options() {
    return "check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1";
}

const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}

// The suppressions are for leaks inside libraries below Qt; the file says why.
// The path is quoted, as the source tree may lie in a folder with blanks. The
// count of suppressed leaks is not printed: the program's stderr is checked to
// hold only the program's own one-line messages.
const char* __lsan_default_options() {
    return "suppressions='" HUEPROBE_LSAN_SUPPRESSIONS "':print_suppressions=0";
}

} // extern "C"
