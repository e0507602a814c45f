// The about, history and help windows, opened from the main window's menus.

// Mouse moves go through the window system, which tells widgets of entering and leaving.
#define QTEST_QPA_MOUSE_HANDLING
#include "app/about.h"
#include "app/history.h"
#include "app/main.h"
#include "app/napoveda.h"
#include "tests/podpora/generator_katalogu.h"
#include "tests/podpora/http_server.h"
#include "tests/podpora/pracovni_slozka.h"
#include "tests/podpora/testovaci_main.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>

namespace {

// Triggers a menu item that opens a modal window, lets prohlidni look at the window and
// closes it. Returns the window's class name ("" when no modal window came up).
template <class Okno>
QString OtevriModalni(QAction* polozka, const std::function<void(Okno*)>& prohlidni) {
    QString nalezeno;
    QTimer::singleShot(0, [&] {
        QWidget* modalni = QApplication::activeModalWidget();
        if (!modalni)
            return;
        nalezeno = QString::fromLatin1(modalni->metaObject()->className());
        if (auto* okno = qobject_cast<Okno*>(modalni))
            prohlidni(okno);
        modalni->close();
    });
    polozka->trigger();
    return nalezeno;
}

} // namespace

class TestInformace : public QObject {
    Q_OBJECT
private slots:
    void oProgramu() {
        PracovniSlozka slozka;
        ZapisKatalog();
        NastavCasSouboru(QStringLiteral("otazky.xml"),
                         QDateTime(QDate(2026, 3, 9), QTime(14, 5, 0)));
        THlavniFormular hlavni;
        hlavni.show();

        QString caption, databaze;
        QSize velikost;
        QPoint poloha;
        QImage obrazek;
        QColor nadOdkazem, mimoOdkaz;
        bool vystaveno = false;
        const QString trida =
            OtevriModalni<TOProgramu>(hlavni.Informaceoprogramu1, [&](TOProgramu* okno) {
                caption = okno->windowTitle();
                databaze = okno->lbDatabaze->text();
                velikost = okno->size();
                poloha = okno->pos();
                obrazek = okno->imgIkona->pixmap().toImage();
                vystaveno = QTest::qWaitForWindowExposed(okno);
                QTest::mouseMove(okno->lbNet);
                nadOdkazem = okno->lbNet->palette().color(QPalette::WindowText);
                QTest::mouseMove(okno->Button1);
                mimoOdkaz = okno->lbNet->palette().color(QPalette::WindowText);
            });
        QCOMPARE(trida, QStringLiteral("TOProgramu"));
        QCOMPARE(caption, QStringLiteral("O programu"));
        QCOMPARE(databaze, QStringLiteral("databáze otázek z: 9.3.2026"));
        QCOMPARE(velikost, QSize(380, 380));
        const QRect h = hlavni.frameGeometry();
        QCOMPARE(poloha,
                 QPoint(h.left() + (h.width() - 380) / 2, h.top() + (h.height() - 380) / 2));
        QVERIFY(vystaveno);
        QCOMPARE(nadOdkazem, QColor(Qt::red));
        QCOMPARE(mimoOdkaz, QColor(Qt::blue));
        // The picture is the program's own icon, linked in as a resource.
        const QImage ikona(QStringLiteral(":/ikona/kolomat_32.png"));
        QVERIFY2(!ikona.isNull(), "the icon resource :/ikona/kolomat_32.png is linked in");
        QCOMPARE(obrazek.convertToFormat(QImage::Format_ARGB32),
                 ikona.convertToFormat(QImage::Format_ARGB32));
        for (const int strana : {16, 32, 48, 64, 128, 256})
            QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(strana, strana)));

        // "OK" closes it; so does the about item of the browse menu bar.
        bool zavreno = false;
        QTimer::singleShot(0, [&] {
            if (auto* okno = qobject_cast<TOProgramu*>(QApplication::activeModalWidget())) {
                QTest::mouseClick(okno->Button1, Qt::LeftButton);
                zavreno = !okno->isVisible();
            }
        });
        hlavni.Oprogramu1->trigger();
        QVERIFY(zavreno);
        QCOMPARE(OtevriModalni<TOProgramu>(hlavni.Oprogramu2, [](TOProgramu*) {}),
                 QStringLiteral("TOProgramu"));

        // No catalogue: the line says so instead of showing a date.
        QFile::remove(QStringLiteral("otazky.xml"));
        QCOMPARE(TOProgramu::PopisDatabaze(),
                 QStringLiteral("databáze otázek z: soubor otazky.xml nebyl nalezen"));
    }

    void historie() {
        THlavniFormular hlavni;
        hlavni.show();
        QString caption, text;
        bool jenCteni = false;
        QCOMPARE(OtevriModalni<THistorie>(hlavni.Historieopravaaktualizac1,
                                          [&](THistorie* okno) {
                                              caption = okno->windowTitle();
                                              text = okno->Memo1->toPlainText();
                                              jenCteni = okno->Memo1->isReadOnly();
                                          }),
                 QStringLiteral("THistorie"));
        QCOMPARE(caption, QStringLiteral("Historie oprav a aktualizací"));
        QVERIFY(jenCteni);
        QCOMPARE(text, THistorie::TextHistorie());

        // Every entry: a date line, hyphens as long as it, items, an empty line.
        const QStringList zaznamy = text.trimmed().split(QStringLiteral("\n\n"));
        QVERIFY(!zaznamy.isEmpty());
        const QRegularExpression datum(
            QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})( - (Update|Upgrade|Oprava))?$"));
        QDate predchozi(9999, 12, 31);
        for (const QString& zaznam : zaznamy) {
            const QStringList radky = zaznam.split(u'\n');
            QVERIFY2(radky.size() >= 3, qPrintable(zaznam));
            const QRegularExpressionMatch m = datum.match(radky[0]);
            QVERIFY2(m.hasMatch(), qPrintable(radky[0]));
            const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
            QVERIFY(d.isValid() && d < predchozi);
            predchozi = d;
            QCOMPARE(radky[1], QString(radky[0].size(), u'-'));
            for (qsizetype i = 2; i < radky.size(); ++i)
                QVERIFY2(radky[i].startsWith(QStringLiteral(" - ")), qPrintable(radky[i]));
        }
    }

    void napovedaZJineSlozky() {
        PracovniSlozka slozka; // the working folder has no Help of its own
        QVERIFY(QDir::currentPath() != QCoreApplication::applicationDirPath());
        const QString stranka = QCoreApplication::applicationDirPath() + "/Help/index.htm";
        QVERIFY2(QFileInfo::exists(stranka), "the build copies data/Help beside the program");

        THlavniFormular hlavni;
        hlavni.show();
        QString caption, titul;
        QUrl zdroj;
        QSize velikost;
        QCOMPARE(OtevriModalni<TNapovedaForm>(hlavni.Npovda1,
                                              [&](TNapovedaForm* okno) {
                                                  caption = okno->windowTitle();
                                                  zdroj = okno->TextBrowser1->source();
                                                  titul = okno->TextBrowser1->documentTitle();
                                                  velikost = okno->size();
                                              }),
                 QStringLiteral("TNapovedaForm"));
        QCOMPARE(caption, QStringLiteral("Nápověda programu Kolomat"));
        QCOMPARE(zdroj, QUrl::fromLocalFile(stranka));
        QVERIFY2(titul.startsWith(QStringLiteral("Nápověda programu Kolomat")), qPrintable(titul));
        QCOMPARE(velikost, QSize(700, 500));

        // Links between the pages resolve beside the start page too.
        TNapovedaForm okno(nullptr);
        okno.TextBrowser1->setSource(QUrl(QStringLiteral("aktualizace.htm")));
        QVERIFY(okno.TextBrowser1->toPlainText().contains(
            QStringLiteral("Aktualizace databáze otázek")));
    }
};

KOLOMAT_TEST_MAIN(TestInformace)
#include "test_informace.moc"
