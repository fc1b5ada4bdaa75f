#pragma once

#include "platform/secrets/SecretBytes.h"

class QLineEdit;

// A password field whose text never leaves a copy behind: it is read without
// copying, and zeroed where it lies before the field lets it go.
namespace secret_field {

// Trims the field's text; the untrimmed buffer is zeroed when it is replaced.
void Trim(QLineEdit* field);

// The field's text as GBK bytes.
TSecretBytes Gbk(const QLineEdit* field);

// Zeroes the field's text where it lies and empties the field.
void Wipe(QLineEdit* field);

}  // namespace secret_field
