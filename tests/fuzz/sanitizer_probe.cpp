// Breaks a sanitizer rule on purpose: with the run options it dies by a signal, not status 1.
#include <climits>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "overflow") == 0) {
        volatile int big = INT_MAX;
        std::printf("%d\n", big + argc); // signed overflow
    } else if (argc > 1 && std::strcmp(argv[1], "heap") == 0) {
        int* small = new int[2];
        volatile int past = small[argc + 1]; // read past the end
        std::printf("%d\n", past);
        delete[] small;
    }
    return 1;
}
