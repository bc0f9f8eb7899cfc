// What the program tells the page around it (web/page.js): a saved pair of
// files to keep and offer, the first frame drawn, the end of the program,
// a browser without WebGL; and what it asks of the page: its seed and the
// canvas's size and the screen's pixel density.
#ifndef QUOVADRIN_WEB_PAGE_H
#define QUOVADRIN_WEB_PAGE_H

#include <cstdint>
#include <string>
#include <vector>

/// A save wrote these files (relative to the workspace): the algorithm, its
/// picture and, when it was written, the vector picture. The page stores
/// exactly these in the browser and offers them as downloads.
void pageFilesSaved(const std::vector<std::string> &Paths);
/// A frame is on the canvas; the first one ends the page's loading notice.
void pageFrameDrawn();
/// The program has ended with \p Status; the page offers a new start.
void pageProgramEnded(int Status);
/// The seed this tab claimed among all tabs of the browser, which names its
/// saves; \p StartTime when the page claimed none.
int32_t pageSeed(int32_t StartTime);
/// The program could not make its WebGL context: the page tells the
/// learner what helps (web/webgl_check.js).
void pageWebglMissing();
/// The canvas's size in CSS pixels, as the page lays it out.
int pageCanvasWidth();
int pageCanvasHeight();
/// The screen's device pixels per CSS pixel (1 where the browser says none).
double pageDevicePixelRatio();

#endif
