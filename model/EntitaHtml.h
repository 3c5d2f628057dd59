#pragma once

// HTML character references in the strings of puzzle files: "&amp;", "&copy;", "&#233;",
// "&#xE9;" and the like.

#include <QString>

namespace gridora {

// The text with its references replaced by their characters. A reference that names no known
// character stays as written; a number that is no character (zero, a surrogate, past U+10FFFF)
// becomes U+FFFD.
QString decodificaEntita(const QString& testo);

// The text with '&', '<', '>' and '"' written as references, so that it can stand between
// double quotes and read back unchanged.
QString codificaEntita(const QString& testo);

} // namespace gridora
