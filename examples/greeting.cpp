// Greeting: prints a freindly mesage for each name given on the command line.
#include <cstdio>

/* The programm keeps no state between calls. */
static void PrintGreeting(const char* pszName) {
    std::printf("Helo, %s! Welcome to the exmaple.\n", pszName);
}

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        PrintGreeting(argv[i]);
    if (argc < 2)
        std::printf("Usage: greeting <name>... (nobody to greet yet)\n");
    return 0;
}
