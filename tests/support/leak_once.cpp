// Leaks one block and ends, so that LeakSanitizer, which reads its suppressions only once it finds a leak,
// has to read them at exit.
#include <cstdlib>

void* volatile g_block;

int main() {
    g_block = std::malloc(64);
    g_block = nullptr;
    return 0;
}
