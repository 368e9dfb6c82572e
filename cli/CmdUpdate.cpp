// Placeholder until this command is built.
#include "Commands.h"

#include <cstdio>

namespace tralyx::cli {
int CmdUpdate(const QStringList&)
{
    std::fputs("tralyx-lrc: not built yet\n", stderr);
    return 2;
}
}  // namespace tralyx::cli
