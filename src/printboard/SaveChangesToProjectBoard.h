#pragma once

#include "app/Controls.h"
#include "app/SingletonWindow.h"

#include <QDialog>
#include <QLabel>

// "Save Changes": asked when the PrintBoard closes with unsaved changes. Its buttons put their
// caption in ButtonPressed and hide the dialog.
class SaveChangesToProjectBoard final : public SingletonWindow<SaveChangesToProjectBoard, QDialog> {
    Q_OBJECT
public:
    SaveChangesToProjectBoard();

    QLabel* Canvas1;
    QLabel* StaticText1;
    QPushButton* PushButton1; // "Don't Save"
    QPushButton* PushButton3; // "Cancel"
    QPushButton* PushButton2; // "Save"
    QString ButtonPressed;

    static const QString kQuestion;
    static const QString kDropQuestion;

protected:
    void Open() override;
    void Close() override;
    void reject() override;
};
