#include "app/napoveda.h"

#include "widgets/okna.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TNapovedaForm::TNapovedaForm(QWidget* vlastnik) : QDialog(vlastnik) {
    setObjectName(QStringLiteral("NapovedaForm"));
    setWindowTitle(QStringLiteral("Nápověda programu Kolomat"));
    resize(700, 500);
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(0, 0, 0, 0);
    TextBrowser1 = new QTextBrowser(this);
    TextBrowser1->setAccessibleName(QStringLiteral("Nápověda"));
    TextBrowser1->setObjectName(QStringLiteral("TextBrowser1"));
    TextBrowser1->setOpenLinks(true);
    TextBrowser1->setOpenExternalLinks(false);
    svisle->addWidget(TextBrowser1);
    VycentrujNaObrazovce(this);
    FormCreate();
}

QString TNapovedaForm::UvodniStranka() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Help/index.htm"));
}

void TNapovedaForm::FormCreate() {
    const QString stranka = UvodniStranka();
    if (!QFileInfo(stranka).isFile()) {
        TextBrowser1->setHtml(
            QStringLiteral("<h2>Nápověda nebyla nalezena</h2><p>Soubor nápovědy %1 chybí. "
                           "Nápověda patří do složky Help vedle programu.</p>")
                .arg(QDir::toNativeSeparators(stranka).toHtmlEscaped()));
        return;
    }
    TextBrowser1->setSource(QUrl::fromLocalFile(stranka));
}
