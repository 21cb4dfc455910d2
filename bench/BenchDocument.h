#pragma once

#include <QImage>
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

// Returns a document of plain paragraphs at 12 pt, with a bold or italic word here and there,
// that takes exactly pages pages with the default page setup.
std::unique_ptr<QTextDocument> printable(int pages);

} // namespace BenchDocument
