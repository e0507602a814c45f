// The program's entry: the application object, the lock of the working folder, the
// main window, the login, the loop.
#include "app/kolomat_aplikace.h"
#include "app/main.h"
#include "core/zamek_slozky.h"
#include "widgets/zpravy.h"

#include <QDir>

#include <cstdio>

namespace {

// Exit statuses besides 0 (a normal end, also a login the learner cancelled).
constexpr int kChybaStartu = 1; // a data file the program cannot start with
constexpr int kUzBezi = 2;      // another program holds the working folder

} // namespace

int main(int argc, char** argv) {
    KolomatAplikace aplikace(argc, argv);
    ZamekSlozky zamek(QDir::currentPath());
    if (zamek.Zamknout() == ZamekSlozky::Vysledek::BeziJinde) {
        // Nothing is read or written: the running program owns the files.
        const QString text = QStringLiteral("Program Kolomat už v této pracovní složce běží "
                                            "(%1). Druhé spuštění nad stejnými soubory by "
                                            "přepsalo data prvního, proto se neotevřelo; "
                                            "pokračujte v okně, které už je otevřené.")
                                 .arg(QDir::toNativeSeparators(QDir::currentPath()));
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        if (!zamek.VyzvatBezici())
            zpravy::informace(nullptr, text);
        return kUzBezi;
    }
    THlavniFormular HlavniFormular;
    zamek.PriVyzve([&] { HlavniFormular.PrivolatDopredu(); });
    if (!HlavniFormular.FormCreate())
        return HlavniFormular.StartSelhal() ? kChybaStartu : 0;
    return aplikace.exec();
}
