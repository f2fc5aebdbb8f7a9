// Breaks a sanitizer rule on purpose. The test of the run options expects it
// to die by a signal; without them it would exit with status 1, the status
// that "faults found" has too.
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
