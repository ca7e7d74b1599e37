#pragma once
// The calling thread's instances of the database files and its connection.
// Each thread gets its own, all closed and empty at first; when the thread
// ends its files are closed and its connection with them.

#include "data/connection.h"
#include "data/file.h"
#include "data/tables.h"

namespace zorozo::data {

File& file(FileId id);
Connection& thread_connection();

// Closes every file of this thread and its connection (the next open
// connects again with the settings of that moment).
void close_thread_files();

} // namespace zorozo::data
