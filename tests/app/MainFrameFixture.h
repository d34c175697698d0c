// A main window over a drawing of its own, with every question of the
// editor answered by the test instead of a person.
#pragma once

#include "../model/TestAccess.h"
#include "app/CMainFrame.h"
#include "app/Prompts.h"
#include "model/CPluvoDoc.h"
#include "view/CPluvoView.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings().clear();
        answers.file = [this](const FileQuestion& question) {
            questions.push_back(question);
            if (files.empty()) return QString();
            const QString path = files.front();
            files.pop_front();
            return path;
        };
        answers.saveChanges = [this](const QString& text) {
            saveQuestions.push_back(text);
            return saveAnswer;
        };
        answers.message = [this](const QString& text, const QString& caption) {
            messages.push_back(caption + ": " + text);
        };
        standIn = std::make_unique<PromptStandIn>(answers);
        frame = std::make_unique<CMainFrame>(doc);
        frame->resize(700, 500);
        frame->show();
        // Shortcuts reach the commands of the active window only.
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override {
        doc.SetModifiedFlag(false);
        frame.reset();
        standIn.reset();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    std::string Local(const QString& name) const { return Path(name).toStdString(); }

    QTemporaryDir dir;
    CPluvoDoc doc;
    std::unique_ptr<CMainFrame> frame;
    PromptAnswers answers;
    std::unique_ptr<PromptStandIn> standIn; // answers with `answers` as they were set
    std::deque<QString> files;              // the answers of the next file dialogs
    std::vector<FileQuestion> questions;
    SaveAnswer saveAnswer = SaveAnswer::No;
    QStringList saveQuestions;
    QStringList messages;
};
