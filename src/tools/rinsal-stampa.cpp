// rinsal-stampa: prints a data file with the real windows, without a user.
#include "tools/stampa_batch.h"

int main(int argc, char* argv[])
{
    return stampaBatch(argc, argv);
}
