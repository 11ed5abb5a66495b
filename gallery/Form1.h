#pragma once
// The gallery window Form1: its window class with the event table, and its two methods.

#include "scene/FormsRuntime.h"

#include <QByteArrayView>

namespace fg::stored {
QByteArrayView Form1(); // the stored scene, made at build time
} // namespace fg::stored

namespace fg::gallery {

const FormClass& form1Class();

// Hides all 57 portraits, in number order.
Status picloesch(FormInstance& form);
// Hides and empties the info list, then hides 115 of the lines (all but Line107 and Line108).
Status lineloesch(FormInstance& form);

} // namespace fg::gallery
