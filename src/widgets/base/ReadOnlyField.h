#pragma once

class QLineEdit;

// Makes a field read-only, or writable again, and gives it the look that says
// so: a read-only field has the grey of the window behind it instead of the
// white of a field to type in.
void SetFieldReadOnly(QLineEdit& field, bool readOnly = true);
