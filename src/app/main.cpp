#include "StartUp.h"

int main(int argc, char **argv)
{
    return tarnelMain(argc, argv);
}
