// Sanitizer builds stop at the first report by a signal, never by a plain exit status
// (1 is "faults found"); the environment may still add options.
extern "C" {

const char* __asan_default_options();
const char* __ubsan_default_options();

const char* __asan_default_options() {
    return "halt_on_error=1:abort_on_error=1:detect_leaks=1";
}

const char* __ubsan_default_options() {
    return "halt_on_error=1:abort_on_error=1:print_stacktrace=1";
}
}
