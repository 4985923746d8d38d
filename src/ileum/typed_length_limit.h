#pragma once

class QLineEdit;

// How many characters the student may type into a box. Unlike the line
// edit's own maximum length it never cuts what the program writes: the +
// button may put " 12.8" into the dose box, whose typing stops at four
// characters.
namespace TypedLengthLimit {

void apply(QLineEdit *box, int characters);

} // namespace TypedLengthLimit
