// `kvr --report DIR FILE...`: the lab report of each experiment, as "Зберегти звіт у PDF…"
// writes it, drawn on no screen at all.
#pragma once

#include "CommandLine.h"

namespace kvr {

// Returns the exit status; `program` is main()'s first argument.
int RunReports(char *program, const Command &command);

} // namespace kvr
