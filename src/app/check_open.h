#pragma once
// CHECKOPEN: opens a data file for a procedure of the calling thread and deals
// with every way the open can fail. A locked file is retried once; a missing
// table is created from its declaration when override_create is 1 (and only
// then); a damaged one is rebuilt when the user agrees. Every other failure
// ends the program after a standard warning, so this returns only with the
// file open.
//
// Called on procedure threads; the file is the calling thread's instance.

#include "data/file.h"

namespace zorozo::app {

void check_open(data::File& file, int override_create);

// CREATEFILE: creates the table and opens it; a failure stops the program.
void create_file(data::File& file);

} // namespace zorozo::app
