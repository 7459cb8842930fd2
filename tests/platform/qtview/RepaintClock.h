#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

// Times keys typed into a widget until another widget (the preview) paints, the way a person
// sees a keystroke land.
class RepaintClock : public QObject {
public:
    explicit RepaintClock(QWidget& watched) : watched_(&watched) {
        watched_->installEventFilter(this);
    }
    ~RepaintClock() override { watched_->removeEventFilter(this); }

    // Milliseconds from each key to the next paint, sorted; empty when a key brought no paint
    // within a second.
    std::vector<double> Type(QWidget& target, const std::string& keys) {
        std::vector<double> millis;
        for (char key : keys) {
            QApplication::processEvents();
            paintedAt_ = -1;
            clock_.start();
            QTest::keyClick(&target, key);
            if (!QTest::qWaitFor([&] { return paintedAt_ >= 0; }, 1000)) return {};
            millis.push_back(static_cast<double>(paintedAt_) / 1e6);
        }
        std::sort(millis.begin(), millis.end());
        return millis;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt_ < 0) paintedAt_ = clock_.nsecsElapsed();
        return false;
    }

private:
    QWidget* watched_;
    QElapsedTimer clock_;
    qint64 paintedAt_ = -1;
};
