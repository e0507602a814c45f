#include "widgets/zvetseny_obrazek.h"

#include "core/obrazek_otazky.h"
#include "widgets/okna.h"

#include <QBoxLayout>
#include <QLabel>

TZvetsenyObrazek::TZvetsenyObrazek(QWidget* vlastnik, const QString& cesta) : QDialog(vlastnik) {
    setObjectName(QStringLiteral("TZvetsenyObrazek"));
    setWindowTitle(QStringLiteral("Obrázek k otázce (zavřete klávesou Esc)"));
    imgObrazek = new QLabel(this);
    imgObrazek->setObjectName(QStringLiteral("imgObrazek"));
    imgObrazek->setAccessibleName(QStringLiteral("Zvětšený obrázek k otázce"));
    // It takes the focus, so that a screen reader names it and Escape reaches the window.
    imgObrazek->setFocusPolicy(Qt::StrongFocus);
    // The @2x file shown pixel for pixel is twice the size and sharp; without one the
    // picture is scaled up smoothly.
    QImage obraz = NactiObrazekOtazky(cesta, 2.0);
    if (!obraz.isNull() && obraz.devicePixelRatio() < 2.0)
        obraz = obraz.scaled(obraz.size() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    obraz.setDevicePixelRatio(1.0);
    imgObrazek->setPixmap(QPixmap::fromImage(obraz));
    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->setContentsMargins(8, 8, 8, 8);
    rozvrzeni->addWidget(imgObrazek);
    setFixedSize(sizeHint());
}

bool TZvetsenyObrazek::MaObrazek() const {
    return !imgObrazek->pixmap().isNull();
}

void UkazZvetsenyObrazek(QWidget* vlastnik, const QString& cesta) {
    TZvetsenyObrazek okno(vlastnik, cesta);
    if (!okno.MaObrazek())
        return;
    Vycentruj(&okno, vlastnik ? vlastnik->window() : nullptr);
    okno.exec();
}
