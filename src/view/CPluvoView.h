// The canvas of the main window. It keeps the painted canvas in a backing
// image: a paint event only copies that image to the screen, the drawing is
// painted into it again only when the view was invalidated, and the feedback
// of a gesture (rubber band, polygon marks) and each placed figure are drawn
// straight into it. Mouse and key events are handed to the gesture machine.
#pragma once

#include "interaction/Gesture.h"

#include <QImage>
#include <QWidget>

#include <memory>

class CPluvoDoc;
class QtSurface;

class CPluvoView : public QWidget {
    Q_OBJECT
public:
    // The view repaints after every edit on the road that asks for it.
    CPluvoView(CPluvoDoc& doc, EditRoad& road, GestureStatus& status, QWidget* parent = nullptr);
    ~CPluvoView() override;

    // The drawing changed: paint the whole canvas again before it is shown.
    void Invalidate();
    // After New or Open: a gesture in progress is dropped and the canvas is
    // painted again.
    void InitialUpdate();
    // Cancels the gesture in progress as ESC does.
    void CancelGesture();

    // The canvas of the view's size painted as the screen shows it (the
    // marks of a polygon being entered included, no rubber band), for the
    // clipboard and the PNG export.
    QImage CaptureCanvas() const;
    // The backing image, painted up to date.
    const QImage& Canvas();

    Gesture& GestureMachine() { return m_gesture; }

signals:
    // The right mouse button asks for the properties dialog.
    void PropertiesRequested();
    // An edit or a gesture step changed the drawing or its undo state.
    void DrawingTouched();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    // Paints the drawing into the backing image when it was invalidated or
    // the view changed size, and puts a running gesture's feedback back.
    void EnsureCanvas();
    void Handle(const GestureOutcome& outcome);
    void UpdateCursor();

    CPluvoDoc& m_doc;
    Gesture m_gesture;
    QImage m_canvas;
    // The surface over the backing image, kept from one paint to the next so
    // that what a placed figure finds on it (the background mode after texts,
    // for one) is what it would find in a fresh paint.
    std::unique_ptr<QtSurface> m_surface;
    bool m_invalid = true;
};
