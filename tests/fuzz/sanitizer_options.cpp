// The run options of every program of a sanitizer build: the first report
// stops the program with a signal, so that no test that expects a plain
// exit status (1 for "faults found") can pass on a sanitizer abort. The
// environment may still add to them.
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
