#pragma once

#include <QByteArray>
#include <QStringView>

namespace songtao {

// The stored form of a login password: the password's GBK bytes behind their
// length, encrypted with single DES in ECB mode under the fixed key, cut at
// the first zero byte. Installs made on Windows hold exactly these bytes, so
// the computation never changes. An empty password gives the empty text.
QByteArray storedPasswordText(QStringView password);

} // namespace songtao
