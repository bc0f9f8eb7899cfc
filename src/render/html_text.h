// Text that goes into the overview page: names and sentences as HTML text,
// file names as relative links. Every learner's file name and every sentence
// passes through here, so none of them can become markup or leave the
// overview's folder.
#ifndef QUOVADRIN_RENDER_HTML_TEXT_H
#define QUOVADRIN_RENDER_HTML_TEXT_H

#include <string>

/// \p Text with the characters that mean something in HTML (& < > " ')
/// written as character references.
std::string htmlEscaped(const std::string &Text);

/// \p Name as a relative URL: every byte but letters, digits and - . _ ~
/// percent-encoded, so no file name can leave the folder or break the page.
std::string urlEscaped(const std::string &Name);

#endif
