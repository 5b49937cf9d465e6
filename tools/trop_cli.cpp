// trop-cli: command-line access to the store for judges' scripts and tests.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    std::fprintf(stderr, "usage: trop-cli COMMAND ...\n");
    return 2;
}
