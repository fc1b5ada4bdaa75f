#pragma once

#include <QByteArray>

// The body with the value of every password field ("LOG_PWD", "PASSWORD",
// "PASSWD") replaced by as many "*", in a form body and in a multipart form:
// what the request log keeps unless a test asks for the passwords.
QByteArray MaskPasswords(QByteArray body);
