// `kvr --check FILE...`: the experiments run as the windows run them, with no window at all,
// one row of a table each: a TSV on standard output or in a file, or a workbook.
#pragma once

#include "CommandLine.h"

namespace kvr {

// Returns the exit status; `program` is main()'s first argument.
int RunCheck(char *program, const Command &command);

} // namespace kvr
