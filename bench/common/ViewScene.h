// The window's view of a drawing for the Qt benchmarks: the view in a
// 1920x1080 window over a drawing of its own, painted once, and the events
// a user sends it, each followed by the screen update (the view painted
// into an image as the screen would get it).
#pragma once

#include "DrawingGenerator.h"
#include "interaction/EditRoad.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include <string>
#include <utility>

struct NoStatus : GestureStatus {
    void SetPaneText(int, const std::string&) override {}
};

struct ViewScene {
    CPluvoDoc doc;
    EditRoad road{doc};
    NoStatus status;
    CPluvoView view{doc, road, status};
    QImage screen{kBenchWidth, kBenchHeight, QImage::Format_RGB32};

    explicit ViewScene(CPluvoDoc drawing) {
        doc = std::move(drawing);
        view.resize(kBenchWidth, kBenchHeight);
        view.show();
        for (int k = 0; k < 1000 && !(view.windowHandle() && view.windowHandle()->isExposed()); ++k)
            QApplication::processEvents();
        view.InitialUpdate();
        Show();
    }
    // The screen update: the window paints what the view asked to update
    // into its backing image, as it does on a screen.
    void Show() { QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }
    void Wheel(QPoint angle, Qt::KeyboardModifiers keys) {
        const QPointF at(kBenchWidth / 2, kBenchHeight / 2);
        QWheelEvent event(at, at, QPoint(), angle, Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &event);
    }
    void Mouse(QEvent::Type type, QPoint at) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    }
    void Click(QPoint at) {
        Mouse(QEvent::MouseButtonPress, at);
        Mouse(QEvent::MouseButtonRelease, at);
    }
};
