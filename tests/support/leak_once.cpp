// Leaks one block and ends, so that LeakSanitizer, which reads its suppressions only once it finds a leak,
// has to read them at exit.
#include <cstdlib>

void* volatile leakedBlock;

int main() {
    leakedBlock = std::malloc(64);
    leakedBlock = nullptr;
    return 0;
}
