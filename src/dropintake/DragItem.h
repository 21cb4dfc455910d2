#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

class QMimeData;

// What a drop brings, read while the drop happens: its picture or its text (a dropped text or
// clipping file takes part only through its text), and the moment and the application it came
// from.
struct DragItem {
    QImage picture;
    QString text; // CR line breaks
    bool hasText = false;
    QString refusal; // why the drop cannot be taken, for a file that is not text
    QDateTime moment;
    QString creator;

    bool hasPicture() const { return !picture.isNull(); }

    // Reads data; a picture wins over text.
    static DragItem from(const QMimeData& data);
};

// Returns whether a drop of data is one the drop targets take: text, pictures, and text or
// clipping files.
bool acceptsDrop(const QMimeData& data);
