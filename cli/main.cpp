#include <cstdio>
int main() { std::puts("tralyx-lrc: check, dump, write (coming)"); return 0; }
