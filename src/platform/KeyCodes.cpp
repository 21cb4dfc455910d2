#include "KeyCodes.h"

#include <cctype>

namespace {

// Letters a..z in order, with their virtual key codes.
constexpr int kLetterCodes[26] = {0,  11, 8,  2,  14, 3, 5,  4,  34, 38, 40, 37, 46,
                                  45, 31, 35, 12, 15, 1, 17, 32, 9,  13, 7,  16, 6};

// X keysym values (X11/keysymdef.h) of the keys outside the letters.
constexpr unsigned long kLeft = 0xff51;

} // namespace

namespace KeyCodes {

unsigned long keysymFor(int virtualKeyCode) {
    if (virtualKeyCode == 123)
        return kLeft;
    for (int i = 0; i < 26; ++i) {
        if (kLetterCodes[i] == virtualKeyCode)
            return static_cast<unsigned long>('a' + i); // Latin-1 keysyms equal the character
    }
    return 0;
}

int forLetter(char letter) {
    const int lower = std::tolower(static_cast<unsigned char>(letter));
    if (lower < 'a' || lower > 'z')
        return -1;
    return kLetterCodes[lower - 'a'];
}

} // namespace KeyCodes
