#include "views/textove_pole.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {
constexpr int kOkraj = 2;
}

TextovePole::TextovePole(QWidget* rodic) : QTextEdit(rodic) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setAcceptRichText(false);
    document()->setDocumentMargin(kOkraj);
    viewport()->setCursor(Qt::ArrowCursor);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Base, Qt::transparent);
    setPalette(paleta);
}

void TextovePole::nastavText(const QString& text) {
    setPlainText(text);
}

void TextovePole::nastavZarovnani(Qt::Alignment zarovnani) {
    QTextOption volby = document()->defaultTextOption();
    volby.setAlignment(zarovnani);
    document()->setDefaultTextOption(volby);
}

int TextovePole::pocetRadku() const {
    return PocetRadku(toPlainText(), font(), width());
}

int TextovePole::vyskaProText(int velikostPisma) const {
    return pocetRadku() * velikostPisma * 2;
}

void TextovePole::mousePressEvent(QMouseEvent* udalost) {
    emit stisknuto(udalost->button());
    udalost->ignore();
}

void TextovePole::mouseDoubleClickEvent(QMouseEvent* udalost) {
    udalost->ignore();
}
void TextovePole::mouseReleaseEvent(QMouseEvent* udalost) {
    udalost->ignore();
}
void TextovePole::mouseMoveEvent(QMouseEvent* udalost) {
    udalost->ignore();
}

int PocetRadku(const QString& text, const QFont& pismo, int sirka) {
    QTextDocument dokument;
    dokument.setDefaultFont(pismo);
    dokument.setDocumentMargin(kOkraj);
    QTextOption volby = dokument.defaultTextOption();
    volby.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    dokument.setDefaultTextOption(volby);
    dokument.setPlainText(text);
    dokument.setTextWidth(std::max(sirka, 1));
    dokument.documentLayout()->documentSize(); // lays the whole text out
    int radku = 0;
    for (QTextBlock blok = dokument.begin(); blok.isValid(); blok = blok.next())
        radku += std::max(1, blok.layout() ? blok.layout()->lineCount() : 1);
    return std::max(1, radku);
}
