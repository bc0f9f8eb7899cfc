// What the program tells the page around it (web/page.js): a saved pair of
// files to keep and offer, the first frame drawn, the end of the program,
// a browser without WebGL.
#ifndef QUOVADRIN_WEB_PAGE_H
#define QUOVADRIN_WEB_PAGE_H

#include <string>

/// The algorithm and its picture were saved under these paths (relative to
/// the workspace): the page writes them to the browser's storage and offers
/// them as downloads.
void pageFilesSaved(const std::string &AlgorithmPath, const std::string &PicturePath);
/// A frame is on the canvas; the first one ends the page's loading notice.
void pageFrameDrawn();
/// The program has ended with \p Status; the page offers a new start.
void pageProgramEnded(int Status);
/// The program could not make its WebGL context: the page tells the
/// learner what helps (web/webgl_check.js).
void pageWebglMissing();
/// The canvas's size in CSS pixels, as the page lays it out.
int pageCanvasWidth();
int pageCanvasHeight();

#endif
