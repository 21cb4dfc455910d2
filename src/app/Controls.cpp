#include "Controls.h"

#include <QEnterEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

LittleArrows::LittleArrows(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LittleArrows1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("Up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("Down"));
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {m_up, m_down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    connect(m_up, &QToolButton::clicked, this, &LittleArrows::Up);
    connect(m_down, &QToolButton::clicked, this, &LittleArrows::Down);
}

void Canvas::setBackdrop(const QImage& picture) {
    m_backdrop = picture;
    setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

PaletteButton::PaletteButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
}

BevelButton::BevelButton(const QString& name, const QString& caption, QWidget* parent)
    : PaletteButton(name, caption, parent) {
    setFlat(false);
}

void BevelButton::enterEvent(QEnterEvent* event) {
    PaletteButton::enterEvent(event);
    Q_EMIT MouseEnter();
}

WrappingCheckBox::WrappingCheckBox(const QString& name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    option.rect = indicator.translated(0, (height() - indicator.height()) / 2 - indicator.top());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const QRect text = rect().adjusted(option.rect.right() + 3, 0, 0, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, caption.trimmed());
}

Separator::Separator(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::HLine);
    setFrameShadow(QFrame::Sunken);
}

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(left, top, width, height);
}

void setControlFont(QWidget* control, const QString& family, int size) {
    // The layouts were drawn for a 72-dpi screen, where a point is a pixel; sized in points on a
    // 96-dpi desktop the captions would no longer fit their buttons.
    QFont font(family);
    font.setPixelSize(size);
    font.setStretch(QFont::SemiCondensed);
    control->setFont(font);
}
