#pragma once
// The rule "spelling" (info): one problem per misspelt word of a translation, naming the word. Texts
// still equal to their source, and those only one side has, are not checked: they are not the
// translator's words yet.
#include "checks/basChecks.h"
#include "spelling/clsSpeller.h"

namespace tralyx {

void CheckSpelling(const clsSpeller& pobjSpeller, enuFileKind penuFile, const udtEntryText& pudtEntry,
                   std::vector<udtProblem>& pudtOut);

}  // namespace tralyx
