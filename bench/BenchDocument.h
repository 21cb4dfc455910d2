#pragma once

#include <QImage>
#include <QString>
#include <memory>

class QTextDocument;

// The documents the benchmarks work on. They are built from a fixed seed, so every run measures
// the same content.
namespace BenchDocument {

// How many pictures fillField() puts into the field.
constexpr int kFieldPictures = 20;

// Returns a 300 x 200 picture with gradients, shapes, a caption and a little grain, so that its
// PNG is about the size of a screenshot's, not of a flat colour's.
QImage picture(int index);

// Fills document (a field's) with about 2 MB of saved file: paragraphs of runs in varied fonts,
// sizes, colours and styles, and kFieldPictures pictures added as the field adds pasted ones.
void fillField(QTextDocument& document);

// One in this many PrintBoard entries is a picture, the first of them the tenth entry.
constexpr int kBoardPictureEvery = 20;

// What a user saves to the PrintBoard as one entry: a picture(), or text of one to four
// sentences that every fourth time comes as styled HTML too, as a browser or word processor
// copies it.
struct BoardEntry {
    QString text;
    QString html;
    QImage picture;
};
BoardEntry boardEntry(int index);

// Returns how many of the first entries boardEntry() makes pictures.
constexpr int boardPictures(int entries) {
    return (entries + kBoardPictureEvery / 2) / kBoardPictureEvery;
}

// Returns a document of plain paragraphs at 12 pt, with a bold or italic word here and there,
// that takes exactly pages pages with the default page setup.
std::unique_ptr<QTextDocument> printable(int pages);

} // namespace BenchDocument
