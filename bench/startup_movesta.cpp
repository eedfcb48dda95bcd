// Movesta's own start-up, ended once the main window has been painted and the event loop is idle.
// hyperfine times this whole process against startup_floor.

#include <QCoreApplication>

#include "app/application.h"

int main(int argc, char* argv[])
{
    return movesta::RunMovesta(argc, argv, [] { QCoreApplication::quit(); });
}
