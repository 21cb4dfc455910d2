#include "PrintBoardWindow.h"

#include "PrintBoardFile.h"
#include "SaveChangesToProjectBoard.h"
#include "WASTEclass.h"
#include "app/Module1.h"
#include "app/Vellora1.h"
#include "display/HelpTags.h"
#include "platform/Desktop.h"
#include "settings/Settings.h"

#include <QEvent>
#include <QTextCursor>

const QString PrintBoardWindow::kSaveFailed = QStringLiteral(
    "The PrintBoard could not be saved, so your changes are still only in the PrintBoard "
    "window.\r\rPlease make sure the folder \"Vellora Resources\" beside Vellora is in place and "
    "can be written to, then save again.");

namespace {
const QString kGeneva = QStringLiteral("Geneva");
} // namespace

PrintBoardWindow::PrintBoardWindow() {
    setObjectName(QStringLiteral("PrintBoardWindow"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("PrintBoard: Collect Info You Want to Print"));
    setMinimumSize(64, 64);
    setMaximumSize(520, 640);
    resize(300, 402);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x9E, 0xC6, 0xFF));
    setPalette(p);
    setAutoFillBackground(true);

    auto label = [this](const QString& name, const QString& text, QRect at, int size) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        setControlFont(l, kGeneva, size);
        l->setGeometry(at);
        return l;
    };
    auto button = [this](const QString& name, const QString& caption, QRect at,
                         const QString& tag) {
        auto* b = new PaletteButton(name, caption, this);
        setControlFont(b, kGeneva, 11);
        b->setGeometry(at);
        if (!tag.isEmpty())
            HelpTags::set(b, tag);
        return b;
    };

    FontLabel = label(QStringLiteral("FontLabel"), QStringLiteral("Font:"), {13, 8, 28, 20}, 12);
    fontpopup = new QComboBox(this);
    fontpopup->setObjectName(QStringLiteral("fontpopup"));
    fontpopup->setGeometry(45, 8, 136, 20);
    setControlFont(fontpopup, kGeneva, 12);
    HelpTags::set(
        fontpopup,
        QStringLiteral("Displays font of selected text or font being used at insertion point."));
    SizeLabel = label(QStringLiteral("SizeLabel"), QStringLiteral("Size:"), {196, 8, 26, 20}, 12);
    sizepopup = new QComboBox(this);
    sizepopup->setObjectName(QStringLiteral("sizepopup"));
    sizepopup->setGeometry(227, 8, 60, 20);
    setControlFont(sizepopup, kGeneva, 12);
    sizepopup->addItems({"9", "10", "11", "12", "14", "15", "16", "18", "24", "36", "48", "64"});
    HelpTags::set(
        sizepopup,
        QStringLiteral(
            "Displays point size of selected text or point size being used at insertion point."));

    CancelPrintBoardButton =
        button(QStringLiteral("CancelPrintBoardButton"), QStringLiteral("Cancel"), {9, 38, 56, 20},
               QStringLiteral("Closes the PrintBoard window.\r\rTIP:  You can drag either text or "
                              "images that are on the "
                              "PrintBoard to the Finder to create a clipping file."));
    PrintPrintBoardButton =
        button(QStringLiteral("PrintPrintBoardButton"), QStringLiteral("Print"), {72, 38, 56, 20},
               QStringLiteral("Prints the entire contents of the PrintBoard.\r\rHold down the "
                              "Command key while clicking the "
                              "button to bring up the Page Setup dialog box.\r\rPlease use the "
                              "\"Help\" button for more "
                              "details on using the PrintBoard."));
    PrintSelectionPushButton = button(QStringLiteral("PrintSelectionPushButton"),
                                      QStringLiteral("Print Selection"), {135, 38, 94, 20},
                                      QStringLiteral("Prints just the material in the PrintBoard "
                                                     "that is selected.\r\rSelect text or an image "
                                                     "first, then click this button."));
    SavePushButton = button(
        QStringLiteral("SavePushButton"), QStringLiteral("Save"), {236, 38, 56, 20},
        QStringLiteral(
            "Normally, you will be prompted to save any unsaved changes when closing the "
            "PrintBoard.\r\rThis button lets you immediately save any changes you have made to the "
            "contents of the PrintBoard."));
    FindPushButton = button(
        QStringLiteral("FindPushButton"), QStringLiteral("Find"), {39, 70, 56, 20},
        QStringLiteral(
            "Brings up the Find window for searching the contents of the PrintBoard.\r\rThe search "
            "can match whole words, letter case and diacriticals."));
    ClearPushButton =
        button(QStringLiteral("ClearPushButton"), QStringLiteral("Clear"), {122, 70, 56, 20},
               QStringLiteral("Clears the entire contents of the PrintBoard.\r\rNOTE:  If you "
                              "inadvertently delete the "
                              "contents of the PrintBoard, you may be able to recover the contents "
                              "by not saving your "
                              "changes or by using the PrintBoard's \"Undo\" feature."));
    HelpPrintBoardButton =
        button(QStringLiteral("HelpPrintBoardButton"), QStringLiteral("Help"), {205, 70, 56, 20},
               QStringLiteral("Click to view helpful information and tips on using the "
                              "PrintBoard.\r\rThe help text can "
                              "be printed from its own window."));
    ImageWell1 = new QLabel(QStringLiteral("D+D"), this);
    ImageWell1->setObjectName(QStringLiteral("ImageWell1"));
    ImageWell1->setAlignment(Qt::AlignCenter);
    ImageWell1->setFrameShape(QFrame::Box);
    ImageWell1->setGeometry(245, 99, 47, 25);
    HelpTags::set(
        ImageWell1,
        QStringLiteral(
            "If you find that dropping some images onto the PrintBoard only places a reference "
            "to the item on the PrintBoard (Safari, for example), drop the images onto the "
            "\"D+D\" field."));
    // The old caption doubles the ampersands, which show as one.
    StaticText1 = label(QStringLiteral("StaticText1"),
                        QStringLiteral("Drag & drop pictures onto the \"D&D\" field."),
                        {11, 108, 226, 12}, 11);
    StaticText1->setTextFormat(Qt::PlainText);

    PrintBoardEditField1 = new WASTEclass(QStringLiteral("PrintBoardEditField1"), this);
    PrintBoardEditField1->setGeometry(-1, 128, 302, 263);
    PushButton1 = button(QStringLiteral("PushButton1"), QStringLiteral("Untitled"),
                         {-80, 31, 69, 20}, QString());
    PrintBoardWASTEfield2 = new WASTEfield(QStringLiteral("PrintBoardWASTEfield2"),
                                           QStringLiteral("Lucida Grande"), 12, this);
    PrintBoardWASTEfield2->setGeometry(-220, -4, 200, 200);
    PrintBoardWASTEfield2->hide();

    connect(PrintBoardEditField1, &WASTEfield::SelChange, this, [this] { updateButtons(); });
    connect(PrintBoardEditField1, &WASTEfield::TextChange, this, [this] { contentChanged(); });
    connect(CancelPrintBoardButton, &QPushButton::clicked, this, [this] { close(); });
    connect(SavePushButton, &QPushButton::clicked, this, [this] {
        if (!saveDocument()) {
            desktop().beep();
            desktop().showMessage(
                QStringLiteral("Error saving to the file:  Can't find the PrintBoard."));
        }
        updateButtons();
    });
    connect(ClearPushButton, &QPushButton::clicked, this, [this] {
        // Deleting through the cursor keeps the Clear undoable.
        QTextCursor c(PrintBoardEditField1->document());
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        PrintBoardEditField1->viewport()->update();
    });
}

void PrintBoardWindow::Open() {
    Desktop& d = desktop();
    WASTEclass& field = *PrintBoardEditField1;
    d.BringProcessFront();
    QString aside;
    if (PrintBoardFile::loadInto(field, &aside) == PrintBoardFile::Loaded::SetAside) {
        d.beep();
        d.showMessage(PrintBoardFile::setAsideMessage(aside));
    }
    field.SetSelLength(0);
    field.ResetModCount();
    markClean();
    d.PostKeyEvent(QStringLiteral("C"), 123, true);
    d.PostKeyEvent(QStringLiteral("C"), 123, false);
    ClearPushButton->setEnabled(!field.Text().isEmpty());
    PrintPrintBoardButton->setEnabled(false);
    SavePushButton->setEnabled(false);

    resize(width(), 330);
    Module1::PrintBoardMenuItems = 1;
    Module1::PrintBoardVisible = true;
    Module1::DragNDropSaveFlag = false;
    Module1::PrintBoardWindowReopen = false;
    if (const auto at = Settings::readPosition(Settings::PrintBoardPosition)) {
        setGeometry(at->x(), at->y(), width(), height());
    } else {
        const QSize screen = d.screenSize();
        int top = Vellora1::instance().Top() + 330;
        if (top > screen.height() - 340)
            top = screen.height() - 340;
        setGeometry(screen.width() - 350, top, width(), height());
    }
}

void PrintBoardWindow::markClean() {
    m_clean = ContentSnapshot(*PrintBoardEditField1->document());
    m_cleanRevision = PrintBoardEditField1->document()->revision();
    m_dirty = false;
    Module1::OpeningPrintBoardTextValue = PrintBoardEditField1->GetTextLength();
}

bool PrintBoardWindow::hasUnsavedChanges() const {
    return m_dirty;
}

void PrintBoardWindow::contentChanged() {
    // Compared once per change of the content, not per move of the insertion point.
    const QTextDocument& document = *PrintBoardEditField1->document();
    m_dirty = document.revision() != m_cleanRevision && !m_clean.matches(document);
    updateButtons();
}

void PrintBoardWindow::updateButtons() {
    const bool empty = PrintBoardEditField1->Text().isEmpty();
    PrintPrintBoardButton->setEnabled(!empty);
    ClearPushButton->setEnabled(!empty);
    SavePushButton->setEnabled(hasUnsavedChanges());
}

bool PrintBoardWindow::saveDocument() {
    if (!PrintBoardFile::folderExists() || !PrintBoardFile::save(*PrintBoardEditField1))
        return false;
    PrintBoardEditField1->ResetModCount();
    markClean();
    return true;
}

bool PrintBoardWindow::CancelClose() {
    if (!hasUnsavedChanges())
        return false;
    Desktop& d = desktop();
    d.beep();
    SaveChangesToProjectBoard& dialog = SaveChangesToProjectBoard::instance();
    d.runModal(dialog);
    const QString pressed = dialog.ButtonPressed;
    dialog.close();
    if (pressed == QLatin1String("Don't Save")) {
        Module1::OpeningPrintBoardTextValue = PrintBoardEditField1->GetTextLength();
        SavePushButton->setEnabled(false);
        return false;
    }
    if (pressed == QLatin1String("Save")) {
        if (saveDocument()) {
            SavePushButton->setEnabled(false);
            return false;
        }
        // A failed save keeps the window open with its changes, whatever asked it to close.
        d.beep();
        d.showMessage(kSaveFailed);
        SavePushButton->setEnabled(true);
        return true;
    }
    return true; // "Cancel", or the dialog closed some other way
}

void PrintBoardWindow::Close() {
    Settings::writePosition(Settings::PrintBoardPosition, QPoint(geometry().x(), geometry().y()));
    Module1::PrintBoardMenuItems = 0;
    Module1::PrintBoardVisible = false;
}

void PrintBoardWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            PrintBoardEditField1->Activate();
        else
            PrintBoardEditField1->Deactivate();
    }
    SingletonWindow<PrintBoardWindow>::changeEvent(event);
}

void PrintBoardWindow::install(Vellora1& main) {
    connect(main.PushButton1, &QPushButton::clicked, &main, [] {
        PrintBoardWindow& w = instance();
        w.show();
        w.activateWindow();
    });
}
