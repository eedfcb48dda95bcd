#include "app/application.h"

int main(int argc, char* argv[])
{
    return movesta::RunMovesta(argc, argv);
}
