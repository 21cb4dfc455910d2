#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class QToolButton;

// The old framework's controls that Qt has no exact counterpart for.

// Up/down arrows: two small buttons stacked, raising Up and Down.
class LittleArrows final : public QWidget {
    Q_OBJECT
public:
    explicit LittleArrows(QWidget* parent);
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

Q_SIGNALS:
    void Up();
    void Down();

private:
    QToolButton* m_up;
    QToolButton* m_down;
};

// A canvas whose backdrop picture can be set and read.
class Canvas final : public QLabel {
    Q_OBJECT
public:
    explicit Canvas(QWidget* parent) : QLabel(parent) {}
    void setBackdrop(const QImage& picture);
    QImage backdrop() const { return m_backdrop; }

private:
    QImage m_backdrop;
};

// A push button that never takes the keyboard focus, so clicking it leaves the application the
// user works in active.
class PaletteButton : public QPushButton {
    Q_OBJECT
public:
    PaletteButton(const QString& name, const QString& caption, QWidget* parent);
};

// A bevel button: a flat button with an optional icon.
class BevelButton final : public PaletteButton {
    Q_OBJECT
public:
    BevelButton(const QString& name, const QString& caption, QWidget* parent);
    void setIconOffset(int offset) { m_iconOffset = offset; }
    int iconOffset() const { return m_iconOffset; }

Q_SIGNALS:
    void MouseEnter();

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    int m_iconOffset = 0;
};

// A check box whose caption wraps onto a second line, as the old layouts expect of their
// narrow boxes.
class WrappingCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    WrappingCheckBox(const QString& name, const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A horizontal separator line.
class Separator final : public QFrame {
    Q_OBJECT
public:
    Separator(const QString& name, QWidget* parent);
};

// Places a control as the old layouts give it: left, top, width, height.
void place(QWidget* control, int left, int top, int width, int height);

// Sets a control's font: family and point size.
void setControlFont(QWidget* control, const QString& family, int size);
