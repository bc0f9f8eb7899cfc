// The overview page's head with its inline style sheet, so the page needs no
// network and no file but itself (and, past the embedding budget, the
// pictures beside it).
#ifndef QUOVADRIN_RENDER_OVERVIEW_STYLE_H
#define QUOVADRIN_RENDER_OVERVIEW_STYLE_H

/// Everything from the doctype to the opening body tag.
extern const char OverviewPageHead[];

#endif
