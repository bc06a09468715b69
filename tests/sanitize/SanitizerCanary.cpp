// Commits one deliberate fault of the kind named on the command line, so the
// sanitizer build can show that it catches such faults and stops on them,
// rather than passing a suite it no longer checks.

#include <climits>
#include <cstdio>
#include <string_view>

namespace {

void reportSurvival() {
    std::puts("the sanitizer let the fault pass");
}

[[gnu::noinline]] void readAfterDelete() {
    int* volatile number = new int(1);
    delete number;
    std::printf("the deleted number read %d\n", *number);
    reportSurvival();
}

[[gnu::noinline]] void overflowSignedInt() {
    volatile int largest = INT_MAX;
    const int sum = largest + 1;
    std::printf("INT_MAX + 1 gave %d\n", sum);
    reportSurvival();
}

// Reported only when the program ends, by the leak check.
[[gnu::noinline]] void dropAllocation() {
    int* volatile numbers = new int[8];
    numbers[0] = 1;
}

struct Fault {
    std::string_view name;
    void (*commit)();
};

constexpr Fault Faults[] = {
    {"use-after-free", readAfterDelete},
    {"signed-overflow", overflowSignedInt},
    {"leak", dropAllocation},
};

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view wanted = argc > 1 ? argv[1] : "";
    for (const Fault& fault : Faults) {
        if (fault.name == wanted) {
            fault.commit();
            return 0;
        }
    }
    std::fprintf(stderr, "usage: sanitizer_canary use-after-free|signed-overflow|leak\n");
    return 2;
}
