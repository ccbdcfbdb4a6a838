#include <cstdio>

int main()
{
    std::fputs("usage: zql52-cli exec|show|info|read|write|sim ...\n", stderr);
    return 64;
}
