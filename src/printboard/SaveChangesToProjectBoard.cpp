#include "SaveChangesToProjectBoard.h"

#include "app/Module1.h"
#include "platform/Desktop.h"

#include <QStyle>

const QString SaveChangesToProjectBoard::kQuestion =
    QStringLiteral("Save changes to the PrintBoard?");
const QString SaveChangesToProjectBoard::kDropQuestion =
    QStringLiteral("Save changes to the PrintBoard before adding your dropped material?");

SaveChangesToProjectBoard::SaveChangesToProjectBoard() {
    setObjectName(QStringLiteral("SaveChangesToProjectBoard"));
    setWindowTitle(QStringLiteral("Save Changes"));
    setModal(true);
    setFixedSize(345, 115);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Canvas1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(46, 46));
    place(Canvas1, 13, 14, 46, 46);
    StaticText1 = new QLabel(kQuestion, this);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    StaticText1->setWordWrap(true);
    setControlFont(StaticText1, QStringLiteral("Geneva"), 12);
    place(StaticText1, 65, 30, 240, 28);

    auto button = [this](const QString& name, const QString& caption, int left, int width) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        setControlFont(b, QStringLiteral("System"), 12);
        place(b, left, 75, width, 20);
        connect(b, &QPushButton::clicked, this, [this, caption] {
            ButtonPressed = caption;
            hide();
        });
        return b;
    };
    PushButton1 = button(QStringLiteral("PushButton1"), QStringLiteral("Don't Save"), 13, 90);
    PushButton3 = button(QStringLiteral("PushButton3"), QStringLiteral("Cancel"), 146, 69);
    PushButton2 = button(QStringLiteral("PushButton2"), QStringLiteral("Save"), 264, 69);
    PushButton2->setDefault(true);
}

void SaveChangesToProjectBoard::Open() {
    desktop().BringProcessFront();
    if (Module1::DragNDropSaveFlag) {
        PushButton3->setEnabled(false);
        place(StaticText1, 65, 13, 240, 44);
        StaticText1->setText(kDropQuestion);
    } else {
        PushButton3->setEnabled(true);
        place(StaticText1, 65, 30, 240, 28);
        StaticText1->setText(kQuestion);
    }
}

void SaveChangesToProjectBoard::Close() {
    Module1::DragNDropSaveFlag = false;
    place(StaticText1, 65, 30, 240, 28);
    StaticText1->setText(kQuestion);
}

void SaveChangesToProjectBoard::reject() {
    // Escape answers Cancel, and only while Cancel can be chosen.
    if (PushButton3->isEnabled())
        PushButton3->click();
}
