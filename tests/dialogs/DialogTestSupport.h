// Driving modal dialogs from a test: an action runs on the dialog once its
// own event loop has started, message boxes are answered and remembered, and
// the tab order is read back from the focus chain.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace dialogtest {

// Runs `act` on the modal dialog that the code about to run opens. The timer
// fires inside that dialog's event loop; a dialog of another kind is a test
// failure and is closed so that the test does not hang.
template <class Dialog> void WhenModal(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, qApp, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "expected a modal " << Dialog::staticMetaObject.className()
                          << ", found " << (modal ? modal->metaObject()->className() : "none");
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
            return;
        }
        act(*dialog);
    });
}

struct MessageSeen {
    bool shown = false;
    QString title;
    QString text;
};

// Answers the next message box with `button`, remembering what it said.
inline void AnswerMessage(MessageSeen& seen, QMessageBox::StandardButton button) {
    WhenModal<QMessageBox>([&seen, button](QMessageBox& box) {
        seen = {true, box.windowTitle(), box.text()};
        if (QAbstractButton* answer = box.button(button))
            QTest::mouseClick(answer, Qt::LeftButton);
        else
            box.reject();
    });
}

// Types `text` into a widget one key at a time; unlike QTest::keyClicks it
// also types characters that are not ASCII, as a keyboard layout would.
inline void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Replaces a line edit's text the way a user does: select all, then type.
inline void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    Type(edit, text);
}

// The controls that Tab visits, in order, starting from `first`.
inline std::vector<QWidget*> TabChain(QWidget* window, QWidget* first) {
    std::vector<QWidget*> chain;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(window) &&
            w->isEnabled() && window->isAncestorOf(w))
            chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != first && chain.size() < 1000);
    return chain;
}

} // namespace dialogtest
