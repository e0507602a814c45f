// Timing a window as the user sees it: from the command that opens it to the end of its
// first painted frame. Shared by the benchmarks that drive the program's real windows.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>

class PrvniSnimek : public QObject {
public:
    using JeOkno = std::function<bool(const QWidget*)>;
    explicit PrvniSnimek(JeOkno jeOkno) : jeOkno_(std::move(jeOkno)) {}

    // Starts the clock; potom runs on the window once its first frame is complete (inside
    // a modal window's own loop, so it can close the window there).
    void Start(std::function<void(QWidget*)> potom = {}) {
        potom_ = std::move(potom);
        konec_ = -1;
        videno_ = false;
        qApp->installEventFilter(this);
        hodiny_.start();
    }

    // Milliseconds from Start to the end of the first frame, waiting for it if need be.
    double Ms() {
        const QDeadlineTimer limit(10000);
        while (konec_ < 0 && !limit.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        qApp->removeEventFilter(this);
        if (konec_ < 0)
            throw std::runtime_error("the window was not painted within 10 s");
        return static_cast<double>(konec_) / 1e6;
    }

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override {
        if (!videno_ && udalost->type() == QEvent::Paint && objekt->isWidgetType() &&
            jeOkno_(static_cast<QWidget*>(objekt)->window())) {
            videno_ = true;
            qApp->removeEventFilter(this);
            QWidget* okno = static_cast<QWidget*>(objekt)->window();
            // Posted behind the frame being painted, so that its children are drawn too.
            QTimer::singleShot(0, this, [this, okno] {
                konec_ = hodiny_.nsecsElapsed();
                if (potom_)
                    potom_(okno);
            });
        }
        return false;
    }

private:
    JeOkno jeOkno_;
    std::function<void(QWidget*)> potom_;
    QElapsedTimer hodiny_;
    qint64 konec_ = -1;
    bool videno_ = false;
};

// Matches the top-level windows of class T.
template <class T> PrvniSnimek::JeOkno OknoTridy() {
    return [](const QWidget* w) { return dynamic_cast<const T*>(w) != nullptr; };
}
