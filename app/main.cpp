#include "app/Program.h"

int main()
{
    return Program::main();
}
