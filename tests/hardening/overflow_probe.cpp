// A test-only program, not part of the product: built with the DLL's hardening flags,
// it writes past a 16-byte buffer on the stack on request, to show that the process
// ends there instead of going on with a corrupted stack (scripts/tests.d/13-overflow.sh).
//
//   overflow_probe stack N    writes N bytes through a pointer that hides the buffer's
//                             size: the stack protector must end the process on return
//   overflow_probe memcpy N   copies N bytes into the buffer: the fortified memcpy knows
//                             its size and must end the process before the copy
//
// Either prints "calling", then "returned" only when the function came back (N of 16
// or less); exit status 0 then.
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char source[256];

// Out of line, so that neither the compiler nor the fortified functions see how large
// the buffer is.
__attribute__((noinline)) void Fill(char* target, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) target[i] = 'x';
    __asm__ volatile("" : : "r"(target) : "memory");
}

__attribute__((noinline)) int StackWrite(std::size_t count)
{
    char buffer[16];
    Fill(buffer, count);
    return buffer[0];
}

__attribute__((noinline)) int CopyWrite(std::size_t count)
{
    char buffer[16];
    std::memcpy(buffer, source, count);
    __asm__ volatile("" : : "r"(buffer) : "memory");
    return buffer[0];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "stack") != 0 && std::strcmp(argv[1], "memcpy") != 0)) {
        std::fprintf(stderr, "usage: overflow_probe stack|memcpy N\n");
        return 2;
    }
    std::memset(source, 'y', sizeof source);
    std::size_t count = std::strtoul(argv[2], nullptr, 10);
    if (count > sizeof source) return 2;
    std::printf("calling\n");
    std::fflush(stdout);
    int result = std::strcmp(argv[1], "stack") == 0 ? StackWrite(count) : CopyWrite(count);
    std::printf("returned %d\n", result);
    std::fflush(stdout);
    return 0;
}
