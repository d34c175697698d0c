#include "CanvasAccessible.h"

#include "CPluvoView.h"

#include <QCoreApplication>

namespace {

QAccessibleInterface* CanvasFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CPluvoView") && object && object->isWidgetType())
        return new CanvasAccessible(static_cast<CPluvoView*>(object));
    return nullptr;
}

} // namespace

CanvasAccessible::CanvasAccessible(CPluvoView* view)
    : QAccessibleWidget(view, QAccessible::Canvas) {}

QString CanvasAccessible::Value() const { return static_cast<CPluvoView*>(widget())->SpokenText(); }

QString CanvasAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return QCoreApplication::translate("CanvasAccessible", "Tekening");
    case QAccessible::Description:
        return QCoreApplication::translate(
            "CanvasAccessible",
            "Het tekenveld. De pijltjestoetsen zetten de cursor een rasterhokje verder, met Alt "
            "een pixel; spatie of Enter klikt, met Shift en Ctrl zoals bij de muis; Esc breekt "
            "af; de menutoets opent Kenmerken; F6 gaat naar de werkbalk en de kleurenbalk.");
    case QAccessible::Value:
        return Value();
    default:
        return QAccessibleWidget::text(t);
    }
}

void* CanvasAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void CanvasAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString CanvasAccessible::text(int startOffset, int endOffset) const {
    const QString value = Value();
    if (endOffset < 0 || endOffset > value.size()) endOffset = static_cast<int>(value.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return value.mid(startOffset, endOffset - startOffset);
}

int CanvasAccessible::characterCount() const { return static_cast<int>(Value().size()); }

QString CanvasAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return {};
}

void InstallCanvasAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CanvasFactory);
        return true;
    }();
    (void)installed;
}
