// The program's entry: the application object, the main window, the login, the loop.
#include "kolomat_aplikace.h"
#include "main.h"

int main(int argc, char** argv) {
    KolomatAplikace aplikace(argc, argv);
    THlavniFormular HlavniFormular;
    if (!HlavniFormular.FormCreate())
        return 0;
    return aplikace.exec();
}
