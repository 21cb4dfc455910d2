#pragma once

#include "VelloraTest.h"

#include "platform/Files.h"
#include "platform/WASTEfield.h"
#include "printboard/PrintBoardWindow.h"
#include "printboard/SaveChangesToProjectBoard.h"
#include "printboard/WASTEclass.h"
#include "settings/Settings.h"

#include <QFile>
#include <QTest>

// A run with helpers to read and write the PrintBoard file and to answer the Save Changes dialog.
class PrintBoardTest : public VelloraTest {
protected:
    struct Asked {
        QString text;
        bool cancelEnabled = false;
    };

    PrintBoardWindow& open() {
        main().PushButton1->click();
        return PrintBoardWindow::instance();
    }
    WASTEclass& field() { return *PrintBoardWindow::instance().PrintBoardEditField1; }

    // Writes a board holding text, as an earlier run saved it.
    void saveBoard(const QString& text) {
        WASTEfield scratch(QStringLiteral("scratch"), QStringLiteral("Geneva"), 12);
        scratch.SetText(text);
        ASSERT_TRUE(scratch.SaveFile(Settings::PrintBoard));
    }
    // Returns the board file's text, or "<missing>".
    QString boardText() {
        WASTEfield scratch(QStringLiteral("scratch"), QStringLiteral("Geneva"), 12);
        if (!Files::exists(Settings::PrintBoard))
            return QStringLiteral("<missing>");
        EXPECT_TRUE(scratch.LoadFile(Settings::PrintBoard, 0, 0));
        return scratch.Text();
    }
    QByteArray boardBytes() {
        QFile f(Files::resolve(Settings::PrintBoard));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Answers the next Save Changes dialogs with this button, recording what was asked.
    void answer(const QString& button) {
        sim().answerDialog(QStringLiteral("SaveChangesToProjectBoard"), [this, button](QDialog& d) {
            auto& dialog = static_cast<SaveChangesToProjectBoard&>(d);
            asked.push_back({dialog.StaticText1->text(), dialog.PushButton3->isEnabled()});
            QPushButton* b = button == QLatin1String("Save")         ? dialog.PushButton2
                             : button == QLatin1String("Don't Save") ? dialog.PushButton1
                                                                     : dialog.PushButton3;
            if (b->isEnabled())
                b->click();
        });
    }
    void typeInBoard(const QString& text) { QTest::keyClicks(&field(), text); }

    std::vector<Asked> asked;
};
