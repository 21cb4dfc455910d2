#pragma once

class WASTEfield;

// The steps every job that borrows the Clipboard shares.
namespace ClipboardSteps {

// Returns whether the Clipboard holds something worth saving: text other than exactly "1", or
// a picture.
bool worthSaving();

// What the Clipboard offers while the job borrows it.
enum class WhileBorrowed {
    AsItIs,      // the job puts its own material on it next
    AnEmptyText, // a copy that does not happen then shows as an empty text
};

// The first step of every job that borrows the Clipboard: saves the user's Clipboard into the
// emptied saved-Clipboard field and starts the borrowing. A Clipboard that is not worth saving
// is not pasted; the field only remembers it, so that giving the Clipboard back returns exactly
// what the user had.
void saveUsersClipboard(WhileBorrowed afterwards);

// Gives the user's Clipboard back: copies the whole saved-Clipboard field and empties it.
// This ends the borrowing.
void restoreSavedClipboard();

// Whether a job borrows the Clipboard: from the moment it saved the user's Clipboard until it
// gave it back. Meanwhile what the Clipboard holds is the job's, not the user's.
bool borrowing();

// Select all of the print field and set it plain, "Geneva", 12, black.
void styleReset(WASTEfield& field);

// Posts the copy command to the application in front: Command down, C down, C up, Command up.
void postCopyCommand();

// Returns whether a print or page setup code is an error (neither done nor cancelled).
bool isError(int code);

} // namespace ClipboardSteps
