// The class overview: one HTML page, in German, with every picture beside
// the listing that drew it, in the order of the file names. It needs nothing
// but the pictures beside it, reads on screen and prints on A4 with several
// pictures to a sheet.
#ifndef QUOVADRIN_RENDER_OVERVIEW_PAGE_H
#define QUOVADRIN_RENDER_OVERVIEW_PAGE_H

#include <string>
#include <vector>

#include "render/render_batch.h"

/// The page's name in the output folder.
constexpr char OverviewPageName[] = "index.html";

/// The whole page for \p Files (in the order given). Every name and
/// sentence is escaped; a file without a picture gets a card that says so.
std::string overviewPage(const std::vector<RenderedFile> &Files);

/// \p Text with the characters that mean something in HTML (& < > " ')
/// written as character references.
std::string htmlEscaped(const std::string &Text);
/// \p Name as a relative URL: every byte but letters, digits and - . _ ~
/// percent-encoded, so no file name can leave the folder or break the page.
std::string urlEscaped(const std::string &Name);

#endif
