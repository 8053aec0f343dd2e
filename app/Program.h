#pragma once

#include <cstdint>

// The program's spine: from the start of the process to its exit status.
namespace Program {
// The process entry: RuntimeInit, initialize, _Main, finalize, RuntimeExit.
int32_t main();
// Builds every class's run-time record, the framework's first and the program's last.
void initialize();
// The start-up sequence; returns when the event loop has ended.
void _Main();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();
// Releases the module-level objects: the picture caches, the framework's lists, the menu bar last.
void finalize();
} // namespace Program
