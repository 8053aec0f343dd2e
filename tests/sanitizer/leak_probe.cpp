// The palette as it runs, with one counted object of ours whose last reference is never released. The
// sanitizer stage runs it under LeakSanitizer with the project's suppressions: the report must name
// this leak, so that the suppressions are seen to hide the system's leaks and not ours.
#include "app/Program.h"
#include "framework/RegEx.h"

[[gnu::noinline]] static void leakAnExpression()
{
    fw::New<fw::RegEx>().leak();
}

int main()
{
    leakAnExpression();
    return Program::main();
}
