// The canvas as a screen reader meets it through Qt's accessibility (AT-SPI
// on Linux): named "Tekening", described by the keys that draw on it, and
// with the text the view speaks (the cursor's place, the gesture, the
// figures there, the tool) as its value, which is also its read-only text so
// that every AT-SPI client can read it. The view announces its changes.
#pragma once

#include <QAccessibleWidget>

class CPluvoView;

class CanvasAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CanvasAccessible(CPluvoView* view);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The value as text: no selections, the caret at its start.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QString Value() const;
};

// Makes Qt's accessibility describe every canvas with CanvasAccessible.
void InstallCanvasAccessibility();
