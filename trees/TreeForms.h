#pragma once
// The family-tree windows Form2 to Form6: their window classes with the event tables.

#include "scene/FormsRuntime.h"

#include <QByteArrayView>

namespace fg::stored {
QByteArrayView Form2(); // the stored scenes, made at build time
QByteArrayView Form3();
QByteArrayView Form4();
QByteArrayView Form5();
QByteArrayView Form6();
} // namespace fg::stored

namespace fg::trees {

const FormClass& form2Class();
const FormClass& form3Class();
const FormClass& form4Class();
const FormClass& form5Class();
const FormClass& form6Class();

} // namespace fg::trees
