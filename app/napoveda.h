// The help window: the HTML help pages beside the executable, with their links.
#pragma once

#include <QDialog>

class QTextBrowser;

class TNapovedaForm : public QDialog {
    Q_OBJECT
public:
    explicit TNapovedaForm(QWidget* vlastnik);

    // Help/index.htm in the folder of the executable, whatever the working folder.
    static QString UvodniStranka();

    QTextBrowser* TextBrowser1 = nullptr;

private:
    void FormCreate();
};
