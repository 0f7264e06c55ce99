#pragma once

class QLineEdit;

namespace forms {

// Lets the box take a paste whole: Qt would keep only its first 32,767 characters.
void keepWholePastes(QLineEdit &box);

} // namespace forms
